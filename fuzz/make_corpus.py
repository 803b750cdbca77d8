#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/: a few small valid
files of each kind (and a few near misses), from which the fuzzer mutates. Run it again after
changing a seed here; the files it writes are committed."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 69, 23  # the smallest map the game accepts


def write(target, name, data):
    directory = os.path.join(HERE, "corpus", target)
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode())


def walled_codes(special):
    """Cell codes of a WIDTH x HEIGHT level: free ground inside a ring of 255, plus `special`
    {(x, y): code}."""
    rows = [[255 if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1) else 0 for x in range(WIDTH)]
            for y in range(HEIGHT)]
    for (x, y), code in special.items():
        rows[y][x] = code
    return rows


def plain_pgm(rows):
    lines = ["P2", "# cell codes", f"{len(rows[0])} {len(rows)}", "255"]
    lines += [" ".join(str(v) for v in row) for row in rows]
    return "\n".join(lines) + "\n"


def raw_pgm(rows):
    header = f"P5\n{len(rows[0])} {len(rows)}\n255\n".encode()
    return header + bytes(v for row in rows for v in row)


def raw_ppm(rows):
    """Each value v as a grey pixel (v, v, v)."""
    header = f"P6\n# colours\n{len(rows[0])} {len(rows)}\n255\n".encode()
    return header + bytes(v for row in rows for v in row for _ in range(3))


def content(rows):
    text = "Map content\n" + f"{WIDTH} {HEIGHT}\n(rows follow)\n"
    return text + "".join(
        "".join("#" if v == 255 else "." if v == 0 else "?" for v in row) + "\n" for row in rows)


def table(title, entries, count=None):
    count = len(entries) if count is None else count
    return f"{title}\n{count}\n(entries follow)\n" + "".join(line + "\n" for line in entries)


def dialogue(title, entries):
    """A dialogue table of (first text, second text, number) entries."""
    return table(title, [line for entry in entries for line in entry], count=len(entries))


def archive(files):
    """The world archive of fuzz/world_archive.h. A marker line must start a line, so a file that
    does not end with a newline (a raw image) gets one: a byte after the raster, never read."""
    packed = b""
    for name, data in files:
        data = data if isinstance(data, bytes) else data.encode()
        packed += b"--- " + name.encode() + b"\n" + data + (b"" if data.endswith(b"\n") else b"\n")
    return packed


def manifest(levels):
    groups = ["fg", "bg", "codes", "content", "transitions", "problems", "infos", "obstructions"]
    text = f"Fuzz world\n{len(levels)} levels\n"
    for group in groups:
        text += f"# {group}\n" + "".join(f"{level}_{group}\n" for level in levels)
    return text


def image_seeds():
    write("image_layer", "plain_grey.pgm", "P2\n# grey\n3 2\n255\n0 17 255\n3 4 5\n")
    write("image_layer", "plain_colour.ppm", "P3\n2 2\n255\n255 0 0  0 255 0\n0 0 255  95 135 175\n")
    write("image_layer", "raw_grey.pgm", b"P5\n3 2\n15\n" + bytes([0, 7, 15, 1, 2, 3]))
    write("image_layer", "raw_colour.ppm", b"P6\n# raw\n2 1\n255\n" + bytes([0, 95, 135, 255, 215, 0]))
    write("image_layer", "one_line_header.pgm", "P2 2 2 255\n1 2\n3 4\n")


def content_seeds():
    rows = walled_codes({(30, 10): 100})
    write("content_file", "smallest.txt", content(rows))
    write("content_file", "last_row_without_newline.txt", content(rows)[:-1])
    write("content_file", "short_row.txt", content(rows).replace("#\n#.", "\n#.", 1))


def table_seeds():
    write("room_transitions", "two.txt",
          table("Room transitions", ["0 19 13", "1 40 20   back to the hall"]))
    write("room_transitions", "spread.txt", "Transitions\n\n 3 \n(level x y)\n1\n2 3\n\n4 5 6\n7 8 9\n")
    write("room_transitions", "none.txt", table("Room transitions", []))
    write("dialogue", "problems.txt",
          dialogue("Problems", [("What is 6 x 7?", "Right: 42.", "42"), ("Two\tlines", "", "7")]))
    write("dialogue", "infos.txt", dialogue("Information", [("Locked.\r", "  Open now  ", "\n3 remark")]))
    write("dialogue", "none.txt", dialogue("Problems", []))
    write("obstructions", "two.txt", table("Obstructions", ["A gate.", "A wall\twith two lines."]))
    write("obstructions", "empty_text.txt", table("Obstructions", ["", "x" * 708]))
    write("obstructions", "none.txt", table("Obstructions", []))


def world_seeds():
    hall = walled_codes({(24, 13): 100, (19, 10): 200, (14, 13): 49, (19, 17): 50})
    tower = walled_codes({(25, 13): 254, (19, 8): 50})
    files = [("manifest.txt", manifest(["hall", "tower"]))]
    for name, rows, transitions, problems, infos, obstructions in [
            ("hall", hall, ["1 19 13"], [("What is 6 x 7?", "Right.", "42")],
             [("Solve one.", "Open.", "1")], ["A gate."]),
            ("tower", tower, ["0 40 20"], [], [], [])]:
        files += [(f"{name}_fg", raw_pgm(rows)), (f"{name}_bg", raw_ppm(rows)),
                  (f"{name}_codes", plain_pgm(rows)), (f"{name}_content", content(rows)),
                  (f"{name}_transitions", table("Transitions", transitions)),
                  (f"{name}_problems", dialogue("Problems", problems)),
                  (f"{name}_infos", dialogue("Information", infos)),
                  (f"{name}_obstructions", table("Obstructions", obstructions))]
    write("world_load", "two_levels.world", archive(files))
    one = walled_codes({})
    write("world_load", "one_level.world", archive(
        [("manifest.txt", manifest(["a"]))] +
        [(f"a_{g}", plain_pgm(one)) for g in ("fg", "bg", "codes")] +
        [("a_content", content(one))] +
        [(f"a_{g}", table(g, [])) for g in ("transitions", "problems", "infos", "obstructions")]))
    # A cell code naming a problem the level lacks: refused by the load-time check.
    write("world_load", "missing_problem.world", archive(
        [("manifest.txt", manifest(["a"]))] +
        [(f"a_{g}", plain_pgm(walled_codes({(5, 5): 101}))) for g in ("fg", "bg", "codes")] +
        [("a_content", content(one))] +
        [(f"a_{g}", table(g, [])) for g in ("transitions", "problems", "infos", "obstructions")]))


def command_seeds():
    # The player starts on (19, 13) of the hall of fuzz_commands.cpp.
    write("commands", "help_and_quit.txt", "help\nokay\nok\nr 31\npause\nquit\n")
    write("commands", "problem_gate_door.txt", "r 5\n41\n42\n\nu 3\nok\nl 5\n\nd 4\nr 6\nok\n")
    write("commands", "tower_and_back.txt", "d 4\nu 5\nright 30\nleft 30\ndown 10\nup 10\n")
    write("commands", "long_lines.txt", "r 1234567890123\n\n" + "l" * 40 + "\nu 0\nquit")


if __name__ == "__main__":
    image_seeds()
    content_seeds()
    table_seeds()
    world_seeds()
    command_seeds()

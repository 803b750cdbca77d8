#!/usr/bin/env python3
"""Makes docs/screenshot.svg, the picture of the game in README.md, from a real terminal.

Runs the released game (build/release/quadrivant, built by `make play` or `make release`) in a
detached tmux window of 80 x 26, plays the first lines of game/walkthrough.txt with the game's
real timings, captures the screen with its colours (tmux capture-pane -e) and draws the 71 x 25
cells of the game's screen as an SVG picture.

Usage: scripts/screenshot.py [LINES] [OUTPUT]
  LINES   how many walkthrough lines to play before the capture (default 18: the player has
          crossed the great hall and walked into the gate of music, whose text is shown)
  OUTPUT  the picture to write (default docs/screenshot.svg)
"""
import os
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GAME = os.path.join(ROOT, "build", "release", "quadrivant")
SOCKET = "quadrivant-screenshot-%d" % os.getpid()
ROWS, COLUMNS = 25, 71          # the game's screen
CELL_WIDTH, CELL_HEIGHT = 9, 18  # pixels


def tmux(*arguments, capture=False):
    command = ["tmux", "-L", SOCKET] + list(arguments)
    if capture:
        return subprocess.run(command, check=True, capture_output=True, text=True).stdout
    subprocess.run(command, check=True)


def seconds_for(line):
    """How long the game is busy after a line: the walk (0.25 s a column, 0.35 s a row) and the
    panels it opens, or a panel closing after a confirmation or an answer."""
    move = re.fullmatch(r"([rlud]) (\d+)", line)
    if move:
        per_step = 0.25 if move.group(1) in "rl" else 0.35
        return per_step * int(move.group(2)) + 0.6
    return 3.0


def xterm_colour(index):
    """The xterm 256-colour palette as #rrggbb."""
    system = ["000000", "800000", "008000", "808000", "000080", "800080", "008080", "c0c0c0",
              "808080", "ff0000", "00ff00", "ffff00", "0000ff", "ff00ff", "00ffff", "ffffff"]
    if index < 16:
        return "#" + system[index]
    if index < 232:
        levels = [0, 95, 135, 175, 215, 255]
        index -= 16
        return "#%02x%02x%02x" % (levels[index // 36], levels[index // 6 % 6], levels[index % 6])
    grey = 8 + 10 * (index - 232)
    return "#%02x%02x%02x" % (grey, grey, grey)


def parse_capture(text):
    """The cells of `tmux capture-pane -p -e` output: rows of (character, fg, bg) with palette
    indices (None for the terminal's default)."""
    cells = []
    fg = bg = None
    for line in text.split("\n")[:ROWS]:
        row = []
        for piece in re.split(r"(\x1b\[[0-9;]*m)", line):
            if piece.startswith("\x1b["):
                codes = [int(c) if c else 0 for c in piece[2:-1].split(";")]
                i = 0
                while i < len(codes):
                    code = codes[i]
                    if code == 0:
                        fg = bg = None
                    elif code in (38, 48) and i + 2 < len(codes) and codes[i + 1] == 5:
                        if code == 38:
                            fg = codes[i + 2]
                        else:
                            bg = codes[i + 2]
                        i += 2
                    elif code == 39:
                        fg = None
                    elif code == 49:
                        bg = None
                    elif 30 <= code <= 37:
                        fg = code - 30
                    elif 40 <= code <= 47:
                        bg = code - 40
                    i += 1
            else:
                row.extend((c, fg, bg) for c in piece)
        cells.append(row)
    return cells


def svg_picture(cells):
    width, height = COLUMNS * CELL_WIDTH, ROWS * CELL_HEIGHT
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
           'viewBox="0 0 %d %d">' % (width, height, width, height),
           '<rect width="100%" height="100%" fill="#000000"/>',
           '<g font-family="DejaVu Sans Mono, Menlo, Consolas, monospace" font-size="15" '
           'xml:space="preserve">']
    for y in range(ROWS):
        row = cells[y] if y < len(cells) else []
        row = (row + [(" ", None, None)] * COLUMNS)[:COLUMNS]
        for x, (character, fg, bg) in enumerate(row):
            if bg is not None:
                out.append('<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (
                    x * CELL_WIDTH, y * CELL_HEIGHT, CELL_WIDTH, CELL_HEIGHT, xterm_colour(bg)))
        for x, (character, fg, bg) in enumerate(row):
            if character != " ":
                escaped = {"&": "&amp;", "<": "&lt;", ">": "&gt;"}.get(character, character)
                out.append('<text x="%d" y="%d" fill="%s">%s</text>' % (
                    x * CELL_WIDTH, y * CELL_HEIGHT + 14,
                    xterm_colour(fg if fg is not None else 7), escaped))
    out.append("</g></svg>")
    return "\n".join(out) + "\n"


def main():
    lines_to_play = int(sys.argv[1]) if len(sys.argv) > 1 else 18
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "docs", "screenshot.svg")
    if not os.access(GAME, os.X_OK):
        sys.exit("build the game first: make release")
    with open(os.path.join(ROOT, "game", "walkthrough.txt")) as walkthrough:
        lines = walkthrough.read().split("\n")[:lines_to_play]

    tmux("-f", "/dev/null", "new-session", "-d", "-s", "shot", "-x", "80", "-y", "26",
         "-c", os.path.join(ROOT, "game"), GAME)
    try:
        time.sleep(4.5)  # the title page
        for line in lines:
            if line:
                tmux("send-keys", "-t", "shot", "-l", line)
            tmux("send-keys", "-t", "shot", "Enter")
            time.sleep(seconds_for(line))
        time.sleep(1.0)  # the last panel finishes rising
        capture = tmux("capture-pane", "-p", "-e", "-t", "shot", capture=True)
    finally:
        tmux("kill-server")
    with open(output, "w") as picture:
        picture.write(svg_picture(parse_capture(capture)))
    print("wrote", output)


if __name__ == "__main__":
    main()

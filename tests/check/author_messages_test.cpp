// The checker's messages for the faults level authors meet most, each told so that the author
// knows what to mend: one world spoilt one way per case, and every line the checker prints.
#include <algorithm>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "check_worlds.h"
#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

std::string replaced(std::string text, const std::string& old_text, const std::string& new_text) {
  const std::size_t at = text.find(old_text);
  EXPECT_NE(at, std::string::npos) << old_text;
  return at == std::string::npos ? text : text.replace(at, old_text.size(), new_text);
}

// Each line ending in a carriage return and a newline, as Windows editors save it.
std::string with_crlf(const std::string& text) {
  std::string crlf;
  for (const char c : text) c == '\n' ? crlf += "\r\n" : crlf += c;
  return crlf;
}

// A P2 image of width x height pixels, all `value`.
std::string grey_image(int width, int height, int value) {
  std::string text = "P2\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
  for (int i = 0; i < width * height; ++i) text += std::to_string(value) + "\n";
  return text;
}

struct Spoilt {
  const char* what;
  std::function<void(const std::string& world)> spoil;
  std::string output;  // everything the checker prints
};

// The hint for `file` of `kind`, converted by `netpbm`.
std::string image_hint(const std::string& kind, const std::string& netpbm,
                       const std::string& file = "level0/fg.pgm") {
  const std::string stem = file.substr(0, file.rfind('.'));
  return "(" + kind + "convert it with netpbm, \"" + netpbm + " " + file + " > " + stem +
         ".pnm\", or ImageMagick, \"convert " + file + " -depth 8 " + stem +
         ".ppm\" (.pgm for a grey layer such as the cell codes), and name the new file in the "
         "manifest)";
}

std::string foreign(const std::string& name) {
  return "the file is " + name + ", which the game does not read: ";
}

TEST(CheckerMessages, TellAnAuthorWhatToMend) {
  const std::string not_p = "level0/fg.pgm: error: PGM/PPM files need to start with a 'P'! ";
  const std::string clean = "quadrivant-check: 0 errors, 0 warnings\n";
  const std::string one_error = "\nquadrivant-check: 1 error, 0 warnings\n";
  const auto edit = [](const std::string& file, const std::string& old_text,
                       const std::string& new_text) {
    return [=](const std::string& world) {
      write_file(world + "/" + file, replaced(read_file(world + "/" + file), old_text, new_text));
    };
  };
  const auto write = [](const std::string& file, const std::string& text) {
    return [=](const std::string& world) { write_file(world + "/" + file, text); };
  };
  const std::vector<Spoilt> cases = {
      {"a manifest whose last line has no newline loses nothing",
       [](const std::string& world) {
         const std::string text = read_file(world + "/manifest.txt");
         write_file(world + "/manifest.txt", text.substr(0, text.size() - 1));
       },
       clean},
      {"a blank manifest line is named, and nothing else is blamed on it",
       edit("manifest.txt", "level0/bg.pgm\n", "\nlevel0/bg.pgm\n"),
       "manifest.txt: error: Line 7 of manifest.txt is blank, but every line after the level "
       "count names a file or is a comment (#)!\nquadrivant-check: 1 error, 0 warnings\n"},
      {"Windows line endings in every text file",
       [](const std::string& world) {
         for (const char* file :
              {"manifest.txt", "level0/content.txt", "level0/transitions.txt",
               "level0/problems.txt", "level0/infos.txt", "level0/obstructions.txt"}) {
           write_file(world + "/" + file, with_crlf(read_file(world + "/" + file)));
         }
       },
       clean},
      {"a content row names the line of the file it stands on",
       [](const std::string& world) {
         std::string text = read_file(world + "/level0/content.txt");
         std::size_t line_5 = 0;
         for (int line = 1; line < 5; ++line) line_5 = text.find('\n', line_5) + 1;
         write_file(world + "/level0/content.txt", text.insert(line_5, "!"));
       },
       "level0/content.txt:5: error: Line 2 has too many chars! (map row 2 is line 5 of the file: "
       "it holds 70 characters, and every row 69)\nquadrivant-check: 1 error, 0 warnings\n"},
      {"PNG", write("level0/fg.pgm", "\x89PNG\r\n\x1a\n...."),
       not_p + image_hint(foreign("a PNG image"), "pngtopnm") + one_error},
      {"JPEG", write("level0/fg.pgm", "\xff\xd8\xff\xe0...."),
       not_p + image_hint(foreign("a JPEG image"), "jpegtopnm") + one_error},
      {"GIF", write("level0/fg.pgm", "GIF89a...."),
       not_p + image_hint(foreign("a GIF image"), "giftopnm") + one_error},
      {"BMP", write("level0/fg.pgm", "BM...."),
       not_p + image_hint(foreign("a BMP image"), "bmptopnm") + one_error},
      {"TIFF", write("level0/fg.pgm", std::string("II*\0....", 8)),
       not_p + image_hint(foreign("a TIFF image"), "tifftopnm") + one_error},
      {"PAM", write("level0/fg.pgm", "P7\nWIDTH 69\n"),
       "level0/fg.pgm: error: Only 'P2'-(PGM ASCII), 'P3'-(PPM ASCII), 'P5'-(PGM RAW), and "
       "'P6'-(PPM RAW) magic numbers accepted! " +
           image_hint(foreign("a PAM image (P7)"), "pamtopnm") + one_error},
      {"16-bit", write("level0/fg.pgm", "P5\n69 23\n65535\n"),
       "level0/fg.pgm: error: Only 8 bit values accepted. Maxval is not less than 256! " +
           image_hint("its maxval 65535 takes two bytes a sample; to make it an 8-bit image "
                      "(maxval 255), ",
                      "pamdepth 255") +
           one_error},
      {"every layer of the wrong size, each under its own file",
       [](const std::string& world) {
         for (const char* layer : {"fg", "bg", "codes"})
           write_file(world + "/level0/" + layer + ".pgm", grey_image(70, 23, 255));
       },
       "level0/fg.pgm: error: The image level0/fg.pgm is 70x23 but its level's map is 69x23!\n"
       "level0/bg.pgm: error: The image level0/bg.pgm is 70x23 but its level's map is 69x23!\n"
       "level0/codes.pgm: error: The image level0/codes.pgm is 70x23 but its level's map is "
       "69x23!\nquadrivant-check: 3 errors, 0 warnings\n"},
      {"lines after the last counted entry",
       edit("level0/problems.txt", "\n42\n", "\n42\n\nWhat is 7 x 8?\nRight.\n56\n"),
       "level0/problems.txt:8: warning: the game never reads this line or any after it: the "
       "entry count on line 2 is 1, and the entries it counts end before it\n"
       "quadrivant-check: 0 errors, 1 warning\n"},
      {"a finish that needs no problem",
       [](const std::string& world) {
         std::vector<TestLevel> levels = sound_world();
         levels[0].infos[0].required = 0;
         write_world(world, levels);
       },
       "level1/codes.pgm: cell (13, 10): warning: the finish can be walked into with no problem "
       "solved: guard it with a gate whose information entry needs some\n"
       "quadrivant-check: 0 errors, 1 warning\n"},
  };
  for (const Spoilt& spoilt : cases) {
    const std::string world = make_temporary_directory();
    write_world(world, sound_world());
    spoilt.spoil(world);
    const ProgramRun run = run_program(QUADRIVANT_CHECK_PROGRAM, {}, world, "");
    std::filesystem::remove_all(world);
    EXPECT_EQ(run.standard_output, spoilt.output) << spoilt.what;
    EXPECT_EQ(run.exit_status, spoilt.output == clean ? 0 : 1) << spoilt.what;
  }
}

// A code layer saved as a colour image turns every cell into a colour-cube index: each cell is
// counted, though only the first ones are listed.
TEST(CheckerMessages, CountEveryFaultyCellThoughTheyListOnlySome) {
  const std::string world = make_temporary_directory();
  write_world(world, sound_world());
  std::string red = "P3\n69 23\n255\n";
  for (int i = 0; i < 69 * 23; ++i) red += "255 0 0\n";
  write_file(world + "/level0/codes.pgm", red);
  const ProgramRun run = run_program(QUADRIVANT_CHECK_PROGRAM, {}, world, "");
  std::filesystem::remove_all(world);
  EXPECT_EQ(run.exit_status, 1);
  const std::string& output = run.standard_output;
  EXPECT_TRUE(
      output.starts_with("level0/codes.pgm: cell (0, 0): error: code 196 names problem "
                         "96, but the level has only 1 problem\n"))
      << output.substr(0, 200);
  EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 102);
  EXPECT_TRUE(
      output.ends_with("level0/codes.pgm: cell (30, 1): error: code 196 names problem 96, "
                       "but the level has only 1 problem\n"
                       "level0/codes.pgm: error: and 1487 more cells of this level at "
                       "fault, not listed\n"
                       "quadrivant-check: 1587 errors, 0 warnings\n"))
      << output.substr(output.size() - 300);
}

}  // namespace

}  // namespace quadrivant

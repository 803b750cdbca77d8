// The map preview as an author reads it: the whole level, each cell in its colours, and rulers to
// read any cell's coordinates off; and the levels it cannot show, refused with the reason.
#include <filesystem>
#include <functional>
#include <regex>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

// `text` without its colour sequences.
std::string plain(const std::string& text) {
  return std::regex_replace(text, std::regex("\x1b\\[[0-9;]*m"), "");
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

struct Preview {
  int exit_status;
  std::string output;  // standard output, then standard error
};

Preview preview(const std::vector<TestLevel>& levels, const std::vector<std::string>& arguments,
                const std::function<void(const std::string&)>& spoil = {}) {
  const std::string world = make_temporary_directory();
  write_world(world, levels);
  if (spoil) spoil(world);
  const ProgramRun run = run_program(QUADRIVANT_CHECK_PROGRAM, arguments, world, "");
  std::filesystem::remove_all(world);
  return {run.exit_status, run.standard_output + run.standard_error};
}

TEST(MapPreview, ShowsTheWholeLevelInItsColoursWithRulers) {
  // Level 1, 120 x 30 cells: wider than any terminal the game needs, so printed whole.
  std::vector<TestLevel> levels = {walled_level(), walled_level(120, 30)};
  levels[1].codes[17][103] = 254;  // a cell of its own colour: both colours are the code
  const Preview shown = preview(levels, {"--map", "1"});
  ASSERT_EQ(shown.exit_status, 0) << shown.output;
  const std::vector<std::string> lines = lines_of(shown.output);
  ASSERT_EQ(lines.size(), 1u + 2 + 30 + 2);
  EXPECT_EQ(lines[0], "Level 1 (level1/content.txt): 120 x 30 cells");
  const std::string tens =
      "   0         10        20        30        40        50        60"
      "        70        80        90        100       110";
  std::string digits = "   ";
  for (int x = 0; x < 120; ++x) digits += static_cast<char>('0' + x % 10);
  EXPECT_EQ(lines[1], tens);
  EXPECT_EQ(lines[2], digits);
  EXPECT_EQ(lines[33], tens) << "the rulers again below the map";
  EXPECT_EQ(lines[34], digits);
  // Row y stands on line 3 + y after its number, its cells in the level's characters.
  EXPECT_EQ(plain(lines[3]), " 0 " + std::string(120, '#'));
  const std::string row_17 = plain(lines[3 + 17]);
  EXPECT_TRUE(row_17.starts_with("17 #")) << row_17;
  EXPECT_EQ(row_17.size(), 3u + 120);
  EXPECT_EQ(row_17[3 + 103], '#');
  EXPECT_NE(row_17[3 + 102], '#') << "free ground shows its own character";
  // The finish in its colours, between ground cells in theirs (code 0: colour 0); a run of cells
  // of one colour sets it once.
  EXPECT_NE(lines[3 + 17].find(row_17.substr(3 + 102, 1) + "\x1b[0m\x1b[48;5;254m\x1b[38;5;254m#" +
                               "\x1b[0m\x1b[48;5;0m\x1b[38;5;0m" + row_17.substr(3 + 104, 1)),
            std::string::npos)
      << lines[3 + 17];
  EXPECT_TRUE(lines[3 + 17].ends_with("#\x1b[0m"));
}

TEST(MapPreview, RefusesWhatItCannotShow) {
  const std::vector<TestLevel> one_level = {walled_level()};
  const Preview past = preview(one_level, {"--map", "1"});
  EXPECT_EQ(past.exit_status, 2);
  EXPECT_EQ(past.output, "quadrivant-check: --map 1: the world has only level 0\n");
  for (const std::string value : {"-1", "one", ""}) {
    const Preview wrong = preview(one_level, {"--map=" + value});
    EXPECT_EQ(wrong.exit_status, 2) << value;
    EXPECT_TRUE(
        wrong.output.starts_with("quadrivant-check: --map wants a level number (from 0), "
                                 "not " +
                                 value + "\nusage: quadrivant-check"))
        << wrong.output;
  }
  const Preview broken = preview(one_level, {"--map", "0"}, [](const std::string& world) {
    write_file(world + "/level0/bg.pgm", "GIF89a");
  });
  EXPECT_EQ(broken.exit_status, 1);
  EXPECT_TRUE(
      broken.output.starts_with("level0/bg.pgm: error: PGM/PPM files need to start with "
                                "a 'P'! (the file is a GIF image"))
      << broken.output;
}

}  // namespace

}  // namespace quadrivant

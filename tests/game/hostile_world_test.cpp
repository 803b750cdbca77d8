// Worlds written by strangers: paths, map characters and texts that hold escape sequences and
// control bytes reach the terminal only as the game's own sequences, blanks and escaped paths.
#include <filesystem>
#include <regex>

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/run_program.h"

namespace quadrivant {

namespace {

// A directory name that would retitle the window, ask the terminal to type a reply and switch
// to the alternate screen, with a bell and a carriage return for good measure.
const std::string hostile_name = "lev\x1b]0;TITLE\x07\x1b[6n\x1b[?1049h\r\x7f";
const std::string hostile_name_shown = "lev\\x1b]0;TITLE\\x07\\x1b[6n\\x1b[?1049h\\r\\x7f";

// The first byte sequence of `output` that the game does not write itself: its sequences are
// cursor positions, the two colours, the attribute reset and the screen clear; its only control
// byte besides is the newline of a report line or of the last line. "" if there is none.
std::string foreign_sequence(const std::string& output) {
  static const std::regex own(R"(^\x1b\[(\d+;\d+H|48;5;\d+m|38;5;\d+m|0m|2J))");
  for (std::size_t at = 0; at < output.size(); ++at) {
    const auto byte = static_cast<unsigned char>(output[at]);
    if (byte == '\x1b') {
      std::smatch match;
      const std::string rest = output.substr(at, 16);
      if (!std::regex_search(rest, match, own))
        return "at byte " + std::to_string(at) + ": " + rest;
      at += match.length(0) - 1;
    } else if ((byte < 0x20 && byte != '\n') || byte == 0x7f) {
      return "control byte " + std::to_string(byte) + " at byte " + std::to_string(at);
    }
  }
  return "";
}

// A level whose map characters and texts are full of control bytes: an information entry two
// rows above the start and free ground that shows control bytes around the player.
std::vector<TestLevel> hostile_level() {
  std::vector<TestLevel> levels = {walled_level()};
  levels[0].codes[11][19] = 200;
  levels[0].obstructions = {{"\x1b[2J"}};
  levels[0].infos = {{"A\x07 bell,\x0e shift,\x08 back\r and\x7f delete\x1b[31m.", "open", 5}};
  return levels;
}

// Writes the world with its first level's files in a directory of `name`, and the control bytes
// of `row_bytes` at the start of map row 12.
std::string write_hostile_world(const std::string& name, const std::string& row_bytes) {
  const std::string directory = make_temporary_directory();
  write_world(directory, hostile_level());
  std::filesystem::rename(directory + "/level0", directory + "/" + name);
  std::string manifest = read_file(directory + "/manifest.txt");
  for (std::size_t at; (at = manifest.find("level0/")) != std::string::npos;)
    manifest.replace(at, 6, name);
  write_file(directory + "/manifest.txt", manifest);
  const std::string content_path = directory + "/" + name + "/content.txt";
  std::string content = read_file(content_path);
  // The map rows follow the content file's three header lines.
  std::size_t rows_start = 0;
  for (int line = 0; line < 3; ++line) rows_start = content.find('\n', rows_start) + 1;
  const std::size_t row_12 = rows_start + 12 * 70;
  content.replace(row_12, row_bytes.size(), row_bytes);
  write_file(content_path, content);
  return directory;
}

TEST(HostileWorld, ControlBytesReachTheTerminalOnlyAsBlanksAndEscapedPaths) {
  const std::string control_bytes("\x07\x00\x0e\x08\r\x7f\x1b\x01", 8);
  const std::string directory = write_hostile_world(hostile_name, control_bytes);
  const ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, directory, "u 2\n\nquit\n");
  std::filesystem::remove_all(directory);

  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(foreign_sequence(run.standard_output), "");
  EXPECT_NE(run.standard_output.find("Loading " + hostile_name_shown + "/fg.pgm\n"),
            std::string::npos);
  EXPECT_NE(run.standard_output.find("Loading " + hostile_name_shown + "/content.txt  |  Map "),
            std::string::npos);

  // As the panel waits: its words show with a blank for each control byte, and the first eight
  // cells of map row 12 (the player's row after one step up) are blanks.
  const std::size_t text_shown =
      run.standard_output.find("\x1b[2;32H", run.standard_output.find("\x1b[38;5;151m\x1b[15;5H"));
  TerminalScreen screen;
  screen.feed(run.standard_output.substr(0, text_shown));
  const std::string words = "A  bell,  shift,  back  and  delete [31m.";
  EXPECT_EQ(screen.text(15, 5, 4 + static_cast<int>(words.size())), words);
  EXPECT_EQ(screen.text(13, 16, 24), std::string(9, ' '));
  EXPECT_NE(screen.character(13, 25), ' ');
}

// A file whose line at `line_start` never ends: a gibibyte of NUL bytes that take no disk.
void make_endless_line(const std::string& path, std::size_t line_start) {
  std::string text = read_file(path);
  write_file(path, text.substr(0, line_start));
  std::filesystem::resize_file(path, std::size_t{1} << 30);
}

// A line far longer than its reader needs costs no more memory than the reader keeps of it (a
// map row's width + 2 characters, a text's 709, a path's 100): the game and the checker refuse it
// with their usual message in a few MiB, where keeping the line whole took twice its size.
TEST(HostileWorld, AnEndlessLineCostsOnlyWhatItsReaderKeeps) {
  constexpr long most_kib = 256 * 1024;
  const std::string directory = make_temporary_directory();
  struct Endless {
    std::string file;
    std::size_t skipped_lines;
    std::string message;
  };
  const std::vector<Endless> cases = {
      {"level0/content.txt", 3, "Line 1 has too many chars!"},
      {"level0/obstructions.txt", 3,
       "Line 4 of level0/obstructions.txt holds more than 708 "
       "characters!"},
      {"manifest.txt", 3, "Line 4 of manifest.txt holds a path longer than 98 characters!"},
  };
  for (const Endless& endless : cases) {
    SCOPED_TRACE(endless.file);
    write_world(directory, hostile_level());
    const std::string path = directory + "/" + endless.file;
    const std::string text = read_file(path);
    std::size_t line_start = 0;
    for (std::size_t k = 0; k < endless.skipped_lines; ++k)
      line_start = text.find('\n', line_start) + 1;
    make_endless_line(path, line_start);
    const ProgramRun game = run_program(QUADRIVANT_TEST_PROGRAM, directory, "quit\n");
    EXPECT_EQ(game.exit_status, 1);
    EXPECT_TRUE(game.standard_output.ends_with("(;^_^) Oopsie! " + endless.message + "\n"))
        << game.standard_output;
    EXPECT_LT(game.peak_memory_kib, most_kib);
    const ProgramRun check = run_program(QUADRIVANT_CHECK_PROGRAM, directory, "");
    EXPECT_NE(check.standard_output.find(": error: " + endless.message), std::string::npos)
        << check.standard_output;
    // Where the checker adds a row's length to the game's words, it says that it did not read it
    // all.
    if (endless.file.ends_with("content.txt")) {
      EXPECT_NE(check.standard_output.find(": it holds more than "), std::string::npos)
          << check.standard_output;
    }
    EXPECT_LT(check.peak_memory_kib, most_kib);
    std::filesystem::remove_all(directory);
  }
}

TEST(HostileWorld, RefusalsNameHostilePathsEscapedOnOneLine) {
  const std::string directory = write_hostile_world(hostile_name, "");
  std::filesystem::remove(directory + "/" + hostile_name + "/bg.pgm");
  const ProgramRun missing = run_program(QUADRIVANT_TEST_PROGRAM, directory, "quit\n");
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_EQ(missing.standard_error,
            "(;^_^) Oopsie! Unable to open file -> " + hostile_name_shown + "/bg.pgm\n");
  EXPECT_EQ(foreign_sequence(missing.standard_output), "");

  write_file(directory + "/" + hostile_name + "/bg.pgm", "P2\n1 1\n255\n");
  const ProgramRun short_image = run_program(QUADRIVANT_TEST_PROGRAM, directory, "quit\n");
  EXPECT_TRUE(short_image.standard_output.ends_with(
      "Loading " + hostile_name_shown + "/bg.pgm\n(;^_^) Oopsie! The image " + hostile_name_shown +
      "/bg.pgm holds fewer samples than its 1x1 pixels need!\n"))
      << short_image.standard_output;
  std::filesystem::remove_all(directory);
}

}  // namespace

}  // namespace quadrivant

// quadrivant-author: the committed game files are exactly what the tool makes of the committed
// sources, and the tool refuses sources that would make a broken or unfair adventure, naming the
// source file and line.
#include <array>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "author/panel_fit.h"
#include "shipped_game.h"
#include "support/run_program.h"

namespace quadrivant {

namespace fs = std::filesystem;

namespace {

// Builds the world of `source_dir` into `output_dir`; returns its exit status and, after a
// newline, what it printed on standard error.
std::string run_author(const std::string& source_dir, const std::string& output_dir) {
  const ProgramRun run =
      run_program(QUADRIVANT_AUTHOR, {"build", source_dir, output_dir}, "/", "", 120);
  return std::to_string(run.exit_status) + "\n" + run.standard_error;
}

TEST(AuthoringTool, RegeneratesExactlyTheCommittedGameFiles) {
  const std::string scratch = make_temporary_directory();
  ASSERT_EQ(run_author(game_directory() + "/source", scratch + "/out"), "0\n");
  // diff lists every file that is missing, extra or different: regenerate game/ if it fails.
  const std::string diff = "diff -r -x source '" + game_directory() + "' '" + scratch + "/out'";
  EXPECT_EQ(std::system(diff.c_str()), 0);
  fs::remove_all(scratch);
}

// Sources saved on Windows (CRLF line ends) with blank lines of tabs and blanks among the
// statements make the same game as the committed ones.
TEST(AuthoringTool, ReadsCrlfSourcesAndBlankLinesOfTabs) {
  const std::string scratch = make_temporary_directory();
  fs::copy(game_directory() + "/source", scratch + "/source");
  for (const fs::directory_entry& entry : fs::directory_iterator(scratch + "/source")) {
    std::string text = read_file(entry.path().string());
    // A line of tabs, one of blanks and tabs, and an empty one before every statement.
    const std::string blank_lines = "\t\t\n \t \n\n";
    for (const std::string statement : {"\nlevel ", "\nlegend ", "\nproblem ", "\ntouch "}) {
      for (std::size_t at = 0; (at = text.find(statement, at)) != std::string::npos;
           at += blank_lines.size() + statement.size())
        text.insert(at + 1, blank_lines);
    }
    std::string crlf;
    for (const char c : text) c == '\n' ? crlf += "\r\n" : crlf += c;
    write_file(entry.path().string(), crlf);
  }
  ASSERT_NE(read_file(scratch + "/source/hub.level").find("\r\n\t\t\r\n \t \r\n\r\nproblem "),
            std::string::npos);
  ASSERT_EQ(run_author(scratch + "/source", scratch + "/out"), "0\n");
  const std::string diff = "diff -r -x source '" + game_directory() + "' '" + scratch + "/out'";
  EXPECT_EQ(std::system(diff.c_str()), 0);
  fs::remove_all(scratch);
}

TEST(AuthoringTool, RefusesBrokenSourcesNamingTheFault) {
  // {source file, text in it, its replacement, where the message says the fault is, its end}
  // The hall's map starts on line 11 of hub.level: row y stands on line 11 + y.
  const std::vector<std::array<std::string, 5>> changes = {
      // The tool holds its world to everything the level checker finds, named in the sources.
      {"hub.level", "####..P....", ".....P.....", "hub.level:24: cell (0, 13) '.': error",
       "the player can walk here, on the map's edge, and a move from here would look past the "
       "map: enclose the ground with cells that always block"},
      {"hub.level", "info K look i needs 20", "info K look i needs 28",
       "hub.level:25: cell (89, 14) '%': error",
       "the finish can never be walked into, given every gate that can be opened"},
      {"hub.level", "info K look i needs 20", "info K look i needs 0",
       "hub.level:25: cell (89, 14) '%': warning",
       "the finish can be walked into with no problem solved: guard it with a gate whose "
       "information entry needs some"},
      // The hall and arithmetic hold 9 problems: the other realms' gates stay shut for good.
      {"hub.level", "info h look i needs 6", "info h look i needs 10",
       "hub.level:25: cell (89, 14) '%': error",
       "the finish can never be walked into, given every gate that can be opened"},
      // A table entry is named by its marker's statement.
      {"hub.level", "info K look i needs 20", "info K look i needs 99",
       "hub.level:148: info 'K': warning", "needs 99 problems solved, but the world holds only 27"},
      {"hub.level", "| How many letters are carved there in all?",
       "| How many letters are carved there in all, counting every one of them?", "hub.level:",
       "text row 7 has 69 characters; a panel line holds 63 (the panel would split it)"},
      {"music.level", "##H.e...&...", "##H.e..&...",
       "music.level:", "map row 14 has 87 characters, the first row 88"},
      // Without the measurer's gate, the geometer's court lies beyond reach.
      {"route.txt", "touch geometry k\n", "", "route.txt:",
       "no walk leads to 'Q' from where the player stands, with the gates open so far"},
      {"arithmetic.level", "###.....~~~", "###..@..~~~",
       "arithmetic.level:", "cell (5, 5): '@' is neither in the legend nor a marker"},
      {"music.level", "gate x look = key k", "gate x look = key F",
       "music.level:", "the key 'F' is not an information marker of this level"},
      // A key that no marker of the level declares at all.
      {"music.level", "gate x look = key k", "gate x look = key %",
       "music.level:", "the key '%' is not an information marker of this level"},
      {"hub.level", "..P............@..", "..P...........@...",
       "hub.level:", "the start must stand on cell (19, 13)"},
      // The route is played with the game's rules: the finish ends the game, nothing else does.
      {"route.txt", "touch hub %\n", "", "route.txt:", "the route ends before the finish"},
      {"route.txt", "touch hub %\n", "touch hub %\ntouch hub K\n",
       "route.txt:", "the game is already won"},
      // A control byte of the sources reaches no terminal.
      {"world.txt", "level music", "level mu\x1bsic",
       "world.txt:", "the level name 'mu\\x1bsic' may hold only letters, digits, '-' and '_'"},
  };
  for (const auto& [file, old_text, new_text, where, what] : changes) {
    const std::string scratch = make_temporary_directory();
    fs::copy(game_directory() + "/source", scratch + "/source");
    std::string text = read_file(scratch + "/source/" + file);
    ASSERT_NE(text.find(old_text), std::string::npos) << old_text;
    write_file(scratch + "/source/" + file,
               text.replace(text.find(old_text), old_text.size(), new_text));
    const std::string run = run_author(scratch + "/source", scratch + "/out");
    EXPECT_TRUE(run.starts_with("1\nquadrivant-author: ")) << run;
    EXPECT_NE(run.find(where), std::string::npos) << run;
    EXPECT_NE(run.find(": " + what), std::string::npos) << run;
    EXPECT_FALSE(std::filesystem::exists(scratch + "/out")) << "nothing is written";
    fs::remove_all(scratch);
  }
}

// A summary that cannot be written is a failure like any other, said on standard error.
TEST(AuthoringTool, FailsWhenItsSummaryCannotBeWritten) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  const std::string scratch = make_temporary_directory();
  const ProgramRun run =
      run_program(QUADRIVANT_AUTHOR, {"build", game_directory() + "/source", scratch + "/out"},
                  scratch, "", 120, OutputTarget::full_device);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.standard_error,
            "quadrivant-author: Unable to write to standard output -> No space left on device\n");
  fs::remove_all(scratch);
}

TEST(PanelFit, EveryWayATextCanMissItsPanel) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{std::string(63, 'a')}, ""},
      {std::vector<std::string>(9, "word"), ""},
      {{"ok", std::string(64, 'a')},
       "text row 2 has 64 characters; a panel line holds 63 (the panel would split it)"},
      // The full row already moves the panel to the next line; the break would leave it empty.
      {{std::string(63, 'a'), "next"},
       "text row 2 does not land on panel line 2 (a full row before a break leaves an empty "
       "line)"},
      {std::vector<std::string>(10, "word"), "text row 10 is cut: a panel shows 9 lines"},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", ""},
       "text row 10 is cut: a panel shows 9 lines"},
      {{"a\ttab"}, "text row 1 holds a character that is not printable ASCII"},
      {{"ok", "caf\xc3\xa9"}, "text row 2 holds a character that is not printable ASCII"},
  };
  for (const auto& [rows, fault] : cases) {
    EXPECT_EQ(panel_fit_fault(rows), fault) << join_panel_rows(rows);
  }
}

}  // namespace

}  // namespace quadrivant

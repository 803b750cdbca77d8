// quadrivant-author: the committed game files are exactly what the tool makes of the committed
// sources, and the tool refuses sources that would make a broken or unfair adventure, naming the
// source file and line.
#include <algorithm>
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
  // The hall's map starts on line 34 of hub.level: row y stands on line 34 + y.
  const std::vector<std::array<std::string, 5>> changes = {
      // The tool holds its world to everything the level checker finds, named in the sources.
      {"hub.level", "####..P....", ".....P.....", "hub.level:47: cell (0, 13) '.': error",
       "the player can walk here, on the map's edge, and a move from here would look past the "
       "map: enclose the ground with cells that always block"},
      {"hub.level", "info K look i needs 22", "info K look i needs 32",
       "hub.level:48: cell (89, 14) '%': error",
       "the finish can never be walked into, given every gate that can be opened"},
      {"hub.level", "info K look i needs 22", "info K look i needs 0",
       "hub.level:48: cell (89, 14) '%': warning",
       "the finish can be walked into with no problem solved: guard it with a gate whose "
       "information entry needs some"},
      // Outside the garden of figures the world holds 24 problems: a herald asking for 25 keeps
      // the door to the garden out of reach for good.
      {"hub.level", "info h look i needs 6", "info h look i needs 25",
       "hub.level:35: cell (60, 1) 'G': warning",
       "room transition 1 can never be walked into, given every gate that can be opened"},
      // A table entry is named by its marker's statement.
      {"hub.level", "info K look i needs 22", "info K look i needs 99",
       "hub.level:194: info 'K': warning", "needs 99 problems solved, but the world holds only 31"},
      {"hub.level", "| How many pebbles make the triangle?",
       "| How many pebbles make the triangle, counting every one of them there?", "hub.level:",
       "text row 7 has 69 characters; a panel line holds 63 (the panel would split it)"},
      {"music.level", "##H.e...&...", "##H.e..&...",
       "music.level:", "map row 14 has 87 characters, the first row 88"},
      // Without the measurer's gate, the geometer's court lies beyond reach.
      {"route.txt", "touch geometry k\n", "", "route.txt:",
       "no walk leads to 'Q' from where the player stands, with the gates open so far"},
      {"arithmetic.level", "###.r...r", "###.@...r",
       "arithmetic.level:", "cell (4, 4): '@' is neither in the legend nor a marker"},
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

// Sources in UTF-8: a legend of box-drawing and Cyrillic characters, a map row drawn with them (a
// row counts characters, not bytes) and a text in French build the world the game shows them in.
TEST(AuthoringTool, ReadsUtf8LegendsMapsAndTexts) {
  const std::string scratch = make_temporary_directory();
  fs::copy(game_directory() + "/source", scratch + "/source");
  const std::string legend = scratch + "/source/legend.txt";
  write_file(legend, read_file(legend) +
                         "legend \u2550 \u2550 244 239 obstacle\n"
                         "legend \u0416 \u2593 244 239 obstacle\n");
  const std::string hub = scratch + "/source/hub.level";
  std::string text = read_file(hub);
  const std::size_t top = text.find("\nmap\n") + 5;
  const std::size_t width = text.find('\n', top) - top;
  std::string row;
  for (std::size_t x = 0; x < width; ++x) row += x % 2 ? "\u2550" : "\u0416";
  text.replace(top, width, row);
  text.replace(text.find("| A bronze plaque, too dusty to read."), 37,
               "| Une plaque de bronze, \u00e0 peine lisible.");
  write_file(hub, text);
  ASSERT_EQ(run_author(scratch + "/source", scratch + "/out"), "0\n");

  // The game's map row shows each character as the legend says, one a cell.
  const std::string content = read_file(scratch + "/out/levels/hub/content.txt");
  std::string shown;
  for (std::size_t x = 0; x < width; ++x) shown += x % 2 ? "\u2550" : "\u2593";
  EXPECT_NE(content.find("\n" + shown + "\n"), std::string::npos);
  EXPECT_NE(read_file(scratch + "/out/levels/hub/infos.txt")
                .find("Une plaque de bronze, \u00e0 peine lisible."),
            std::string::npos);
  const ProgramRun checked = run_program(QUADRIVANT_CHECK_PROGRAM, {scratch + "/out"}, ".", "");
  EXPECT_EQ(checked.standard_output, "quadrivant-check: 0 errors, 0 warnings\n");

  // A character that cannot take a cell of its own is refused where it is written.
  const std::vector<std::array<std::string, 3>> refusals = {
      {"legend.txt", "legend \u4e2d \u4e2d 244 239 obstacle\n",
       "legend.txt:18: U+4E2D is two columns wide on a terminal, so the game shows U+FFFD in its "
       "place: use characters one column wide\n"},
      {"legend.txt", "legend \xe9 . 244 239 obstacle\n",
       "legend.txt:18: the byte \\xE9 is not part of a UTF-8 character, so the game shows U+FFFD "
       "in its place: re-save the file as UTF-8\n"},
      {"legend.txt", "legend e\u0301 . 244 239 obstacle\n",
       "legend.txt:18: 'e\u0301' is not one printable character (write blank for a blank)\n"},
  };
  for (const auto& [file, line, message] : refusals) {
    fs::remove_all(scratch + "/source");
    fs::copy(game_directory() + "/source", scratch + "/source");
    write_file(scratch + "/source/" + file, read_file(scratch + "/source/" + file) + line);
    const std::string run = run_author(scratch + "/source", scratch + "/out");
    EXPECT_TRUE(run.starts_with("1\nquadrivant-author: ")) << run;
    EXPECT_TRUE(run.ends_with(message)) << run;
  }
  fs::remove_all(scratch + "/source");
  fs::copy(game_directory() + "/source", scratch + "/source");
  std::string map = read_file(game_directory() + "/source/hub.level");
  const std::size_t first_row = map.find("\nmap\n") + 5;
  const auto first_row_line = std::count(map.begin(), map.begin() + first_row, '\n') + 1;
  map.replace(first_row + 3, 1, "\xe9");
  write_file(scratch + "/source/hub.level", map);
  EXPECT_TRUE(run_author(scratch + "/source", scratch + "/out")
                  .ends_with("hub.level:" + std::to_string(first_row_line) +
                             ": cell (3, 0): the byte \\xE9 is not part of a UTF-8 "
                             "character, so the game shows U+FFFD in its place: re-save the file "
                             "as UTF-8\n"));
  fs::remove_all(scratch);
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

// `count` Russian letters (Ж), two bytes each.
std::string russian_letters(int count) {
  std::string letters;
  for (int i = 0; i < count; ++i) letters += "\u0416";
  return letters;
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
      {{"a\ttab"}, "text row 1 holds the control character U+0009"},
      {{"a\u0085"}, "text row 1 holds the control character U+0085"},
      // Rows count UTF-8 characters: 63 letters of French or Russian fit, 64 do not.
      {{"caf\u00e9", russian_letters(63)}, ""},
      {{russian_letters(64)},
       "text row 1 has 64 characters; a panel line holds 63 (the panel would split it)"},
      {{"ok", "\u4e2d"},
       "text row 2 holds a character that does not fit a cell: U+4E2D is two columns wide on a "
       "terminal, so the game shows U+FFFD in its place: use characters one column wide"},
      {{"ok", "e\u0301"},
       "text row 2 holds a character that does not fit a cell: U+0301 takes no column of its "
       "own on a terminal (a combining mark, joiner or format character), so the game shows "
       "U+FFFD in its place: use characters one column wide"},
      {{"caf\xe9"},
       "text row 1 holds a character that does not fit a cell: the byte \\xE9 is not part of a "
       "UTF-8 character, so the game shows U+FFFD in its place: re-save the file as UTF-8"},
  };
  for (const auto& [rows, fault] : cases) {
    EXPECT_EQ(panel_fit_fault(rows), fault) << join_panel_rows(rows);
  }
}

}  // namespace

}  // namespace quadrivant

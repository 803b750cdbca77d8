// The screen as the player sees it: the frame and the prompt box (byte for byte), the blink and
// the wait for the player's confirmation; the full-screen pages with their timing; the map
// viewport at the views the game reaches and beyond, and the player marker; the fade-out and
// reveal of a level change; the message panels: their text layout, rise and fall and the
// information panel (the problem panel is shown through the game's cell events); and how lines
// are read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "game/player_lines.h"
#include "game/waiting_screens.h"
#include "rules/panel_text.h"
#include "screen/pages/pages.h"
#include "screen/pages/title_font.h"
#include "screen/pages/transitions.h"
#include "screen/panels/panels.h"
#include "screen/picture/frame.h"
#include "screen/picture/viewport.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"
#include "support/screen_checks.h"
#include "support/terminal_screen.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

// (row, column) -> how often a cursor-position sequence "\e[row;columnH" appears in `bytes`.
std::map<std::pair<int, int>, int> cursor_positions(const std::string& bytes) {
  static const std::regex position("\x1b\\[(\\d+);(\\d+)H");
  std::map<std::pair<int, int>, int> counts;
  for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), position);
       it != std::sregex_iterator(); ++it) {
    ++counts[{std::stoi((*it)[1]), std::stoi((*it)[2])}];
  }
  return counts;
}

// Map cell (x, y) of a coordinate map shows background 100 + x % 100, foreground 20 + y % 100
// and a letter from x and y, so that every cell on screen tells where it comes from.
constexpr auto background_of = [](int x) { return 100 + x % 100; };
constexpr auto foreground_of = [](int y) { return 20 + y % 100; };
constexpr auto character_of = [](int x, int y) { return char('a' + (x * 7 + y) % 26); };

bool shows_map_cell(const TerminalScreen& screen, int row, int column, int x, int y) {
  return screen.background(row, column) == background_of(x) &&
         screen.foreground(row, column) == foreground_of(y) &&
         screen.character(row, column) == character_of(x, y);
}

// A level of width x height cells shown as a coordinate map.
Level coordinate_map(int width, int height) {
  Level level = make_world({walled_level(width, height)})[0];
  std::string characters;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      level.bg_layer.set(x, y, background_of(x));
      level.fg_layer.set(x, y, foreground_of(y));
      characters += character_of(x, y);
    }
  }
  level.content = MapCharacters(characters);
  return level;
}

const std::string esc = "\x1b";

TEST(DrawFrame, WritesEveryFrameRowByteForByte) {
  FakeConsole fake;
  draw_frame(fake.console());
  end_drawing_step(fake.console());
  const std::string colours = esc + "[48;5;235m" + esc + "[38;5;30m";
  std::string frame = esc + "[1;1H" + colours + std::string(24, '#') + esc + "[38;5;36m" +
                      "\\\\===================//" + colours + std::string(24, '#');
  for (int row = 2; row <= 24; ++row)
    frame += esc + "[" + std::to_string(row) + ";1H" + colours + "#" + std::string(69, ' ') + "#";
  frame += esc + "[25;1H" + colours + std::string(71, '#');
  EXPECT_EQ(fake.flushes(), std::vector<std::string>{frame});
}

TEST(BadInput, BlinksARedBarOverColumns32To41TwiceThenRedrawsThePromptByteForByte) {
  FakeConsole fake;
  draw_frame(fake.console());
  draw_prompt(fake.console());
  TerminalScreen screen;
  screen.feed(fake.output() + "abcdefghijklm");  // the terminal echoes typing at the cursor
  EXPECT_TRUE(shows_text(screen, 2, 32, "abcdefghijklm", 36, 235));
  fake.clear_output();
  clear_recorded_waits();
  bad_input(fake.console());
  EXPECT_EQ(recorded_waits(), std::vector<int>(4, 100));
  ASSERT_EQ(fake.flushes().size(), 5u) << "four blink steps, then the prompt";
  for (std::size_t step = 0; step < 4; ++step) {
    screen.feed(fake.flushes()[step]);
    const bool red = step % 2 == 0;
    EXPECT_TRUE(shows_text(screen, 2, 29, ">> ", red ? 203 : 36, 235)) << step;
    EXPECT_TRUE(shows_text(screen, 2, 32, std::string(10, ' '), 0, red ? 203 : 235)) << step;
    EXPECT_TRUE(shows_text(screen, 2, 42, "klm", 36, 235)) << "columns 42..44 keep the echo";
    EXPECT_EQ(cursor(screen), std::pair(2, 42));
  }
  const std::string colours = esc + "[48;5;235m" + esc + "[38;5;36m";
  EXPECT_EQ(fake.flushes()[4], esc + "[2;26H" + colours + "\\\\ >>              " + colours + "//" +
                                   esc + "[3;27H" + colours + "\\\\===============//" + esc +
                                   "[2;32H" + colours);
}

TEST(WaitForOk, OnlyAnEmptyLineOrOkConfirmsAndEveryOtherPieceBlinksOnce) {
  // Inputs by the blinks they cause. Lines are read in pieces of 11 characters: eleven blink and
  // then their newline confirms, "ok" as a piece of its own confirms, and a longer line blinks
  // once a piece. The end of input confirms; otherwise the next command "x" stays in the input.
  const std::vector<std::string> inputs_by_blinks[] = {
      {"\nx\n", "ok\nx\n", ""},
      {"ok \nok\nx\n", " ok\nok\nx\n", "OK\nok\nx\n", "okay\nok\nx\n", "o\nok\nx\n",
       "abcdefghijk\nx\n", "abcdefghijkok\nx\n", "nope"},
      {"abcdefghijklmno\n\nx\n"}};
  for (int blinks = 0; blinks < 3; ++blinks) {
    for (const std::string& input : inputs_by_blinks[blinks]) {
      SCOPED_TRACE(testing::PrintToString(input));
      FakeConsole fake(input);
      clear_recorded_waits();
      wait_for_ok(fake.console(), [&] { draw_prompt(fake.console()); });
      EXPECT_EQ(recorded_waits(), std::vector<int>(4 * blinks, 100));
      EXPECT_EQ(fake.flushes().size(), 5u * blinks) << "each blink redraws the prompt";
      EXPECT_EQ(fake.remaining_input(), input.ends_with("x\n") ? "x\n" : "");
    }
  }
}

TEST(TitlePage, HoldsTheBlockLetterTitleFor7WaitsOf500MsWithoutReadingInput) {
  const std::string_view words[] = {title_first_line, title_second_line};
  EXPECT_EQ(std::string(words[0]) + std::string(words[1]), "QUADRIVANT");
  FakeConsole fake("r 5\n");
  clear_recorded_waits();
  show_title_page(fake.console());
  EXPECT_EQ(recorded_waits(), std::vector<int>(7, 500));
  EXPECT_EQ(fake.remaining_input(), "r 5\n") << "typing during the title is the first command";
  TerminalScreen screen;
  screen.feed(fake.output());
  // Glyphs of 3 x 5 cells, 4 columns apart, on rows 4..8 and 10..14; a line of n glyphs is
  // centred on column 36 from column 37 - 2n. Every glyph has ink; all but the narrow I ink
  // beside their middle column.
  std::set<std::pair<int, int>> inked_glyphs, wide_glyphs;
  for (int row = 2; row <= 24; ++row) {
    for (int column = 2; column <= 70; ++column) {
      const int line = row < 10 ? 0 : 1, n = static_cast<int>(words[line].size());
      const int offset = column - (37 - 2 * n);
      const bool in_glyph = row >= 4 + 6 * line && row <= 8 + 6 * line && offset >= 0 &&
                            offset < 4 * n && offset % 4 != 3;
      const bool inked = screen.character(row, column) == '#';
      EXPECT_TRUE(shows_text(screen, row, column, inked ? "#" : " ", 228, 16));
      EXPECT_TRUE(!inked || in_glyph) << "ink outside the glyphs at " << row << ',' << column;
      if (inked) inked_glyphs.insert({line, offset / 4});
      if (inked && offset % 4 != 1) wide_glyphs.insert({line, offset / 4});
    }
  }
  EXPECT_EQ(inked_glyphs.size(), 10u);
  EXPECT_EQ(wide_glyphs.size(), 9u);
}

// Runs `page` reading `input` and checks its waits, what it leaves in the input and the page as
// the player sees it: `lines` (row, column, text) in 228 on black, nothing else, with or without
// the prompt over it, and the terminal then left to the shell or not.
void expect_page(void (*page)(Console&), const std::string& input, const std::vector<int>& waits,
                 const std::string& left_in_input, bool prompt, bool leaves_terminal,
                 const std::vector<std::tuple<int, int, std::string>>& lines) {
  SCOPED_TRACE(std::get<2>(lines.front()));
  FakeConsole fake(input);
  clear_recorded_waits();
  page(fake.console());
  EXPECT_EQ(recorded_waits(), waits);
  EXPECT_EQ(fake.remaining_input(), left_in_input);
  ASSERT_GT(fake.flushes().size(), 1u) << "the page is flushed by itself";
  // Below the frame, attributes reset, on a fresh line.
  EXPECT_EQ(fake.flushes().back() == "\x1b[26;1H\x1b[0m\n", leaves_terminal);
  TerminalScreen screen;
  for (std::size_t i = 0; i + leaves_terminal < fake.flushes().size(); ++i)
    screen.feed(fake.flushes()[i]);
  EXPECT_EQ(waits_at_prompt(screen), prompt);
  std::vector<std::string> rows(25, std::string(69, ' '));
  for (const auto& [row, column, text] : lines) rows[row].replace(column - 2, text.size(), text);
  for (int row = prompt ? 4 : 2; row <= 24; ++row)
    EXPECT_TRUE(shows_text(screen, row, 2, rows[row], 228, 16));
}

TEST(Pages, ShowTheirLinesOnBlackForTheirTimeOrUntilConfirmed) {
  // "help" makes the prompt over the help page blink once.
  expect_page(help, "help\nok\nr 5\n", std::vector<int>(4, 100), "r 5\n", true, false,
              {{4, 5, "GENERAL:"},
               {6, 7, "[quit]  - quits the game"},
               {7, 7, "[help]  - shows this page"},
               {9, 5, "MOVEMENT:"},
               {11, 7, "[l 7] or [left 7]  - move left  a set amount of steps (max 30)"},
               {12, 7, "[r 1] or [right 1] - move right a set amount of steps (max 30)"},
               {13, 7, "[u 10] or [up 10]  - move up    a set amount of steps (max 10)"},
               {14, 7, "[d 5] or [down 5]  - move down  a set amount of steps (max 10)"},
               {16, 5, "(inputs are confirmed with ENTER)"},
               {22, 26, "Press ENTER or [ok] to leave Help screen!"}});
  expect_page(show_goodbye_page, "more\n", std::vector<int>(3, 500), "more\n", false, true,
              {{7, 28, "THANKS FOR PLAYING"}});
  expect_page(finish, "ok\n", {}, "", true, true,
              {{9, 30, "CONGRATULATIONS!"},
               {10, 20, "YOU BECAME THE QUADRIVANT"},
               {22, 36, "Press ENTER or [ok] to Quit!"}});
}

TEST(DrawMap, EveryViewportCellIsDrawnOnceWithTheMapCellTheViewPutsThere) {
  // On a 100 x 40 map: the start of the game; the player on the map's first and last column and
  // row; the four corners. On a map of the viewport's size: at (0, 0) and one column on; then
  // views the level check keeps the game from reaching, which still draw inside the viewport.
  const std::tuple<int, int, View> cases[] = {
      {100, 40, {-15, 2}}, {100, 40, {-34, 5}},   {100, 40, {65, 5}},    {100, 40, {10, -11}},
      {100, 40, {10, 28}}, {100, 40, {-34, -11}}, {100, 40, {65, -11}},  {100, 40, {-34, 28}},
      {100, 40, {65, 28}}, {69, 23, {0, 0}},      {69, 23, {1, 0}},      {69, 23, {69, 0}},
      {69, 23, {0, 23}},   {69, 23, {-70, 0}},    {69, 23, {-500, -500}}};
  for (const auto& [width, height, view] : cases) {
    SCOPED_TRACE(testing::Message() << width << 'x' << height << " at " << view.x << ',' << view.y);
    FakeConsole fake;
    draw_map(fake.console(), coordinate_map(width, height), view);
    ASSERT_EQ(fake.flushes().size(), 1u);
    auto positions = cursor_positions(fake.output());
    EXPECT_EQ(positions.size(), 69u * 23u + 1u) << "only the viewport and the parking position";
    TerminalScreen screen;
    screen.feed(fake.output());
    for (int row = 2; row <= 24; ++row) {
      for (int column = 2; column <= 70; ++column) {
        const int x = view.x + column - 2, y = view.y + row - 2;
        EXPECT_EQ((positions[{row, column}]), 1) << row << ',' << column;
        EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height
                        ? shows_map_cell(screen, row, column, x, y)
                        : shows_text(screen, row, column, " ", 0, 16))
            << row << ',' << column;
      }
    }
    EXPECT_EQ(cursor(screen), parked);
  }
}

TEST(DrawPlayer, WritesTheMarkerAtItsOffsetFromTheHomeCellByteForByte) {
  // dx, dy and where the marker then stands; ten rows up the prompt's lower row covers it.
  const std::tuple<int, int, int, int> offsets[] = {
      {0, 0, 13, 36}, {-30, 0, 13, 6}, {30, 0, 13, 66}, {0, 10, 23, 36}, {0, -10, 3, 36}};
  for (const auto& [dx, dy, row, column] : offsets) {
    FakeConsole fake;
    draw_player(fake.console(), dx, dy);
    draw_prompt(fake.console());
    EXPECT_EQ(fake.flushes().front(), "\x1b[" + std::to_string(row) + ';' + std::to_string(column) +
                                          "H\x1b[48;5;160m\x1b[38;5;255mX\x1b[25;71H");
    TerminalScreen screen;
    screen.feed(fake.output());
    EXPECT_EQ(screen.character(row, column), row == 3 ? '=' : 'X') << "with the prompt drawn";
  }
}

TEST(LevelChange, FadeOutClosesTheViewportFromBothSidesThenTheRevealOpensItFromTheMiddle) {
  const View view{20, 8};
  FakeConsole fake;
  clear_recorded_waits();
  level_fadeout(fake.console());
  reveal_level(fake.console(), coordinate_map(100, 40), view);
  std::vector<int> waits(35, 20);
  waits.insert(waits.end(), 12, 70);
  EXPECT_EQ(recorded_waits(), waits);
  ASSERT_EQ(fake.flushes().size(), 35u + 2 * 12) << "a reveal frame: the map, then the bands";
  // The cover: blanks in the frame's colour. The fade-out never covers columns 1 and 71.
  TerminalScreen screen;
  for (int frame = 0; frame < 35; ++frame) {
    screen.feed(fake.flushes()[frame]);
    for (int row = 2; row <= 24; ++row) {
      for (int column = 1; column <= 71; ++column) {
        const int from_middle = std::abs(column - 36);  // 34 at columns 2 and 70
        EXPECT_EQ(bool(shows_text(screen, row, column, " ", 0, 235)),
                  from_middle >= 34 - frame && from_middle <= 34)
            << frame << ": " << row << ',' << column;
      }
    }
    EXPECT_EQ(cursor(screen), parked);
  }
  for (int frame = 0; frame < 12; ++frame) {
    screen.feed(fake.flushes()[35 + 2 * frame] + fake.flushes()[36 + 2 * frame]);
    for (int row = 2; row <= 24; ++row) {
      for (int column = 2; column <= 70; ++column) {
        EXPECT_TRUE(
            std::abs(row - 13) >= frame
                ? shows_text(screen, row, column, " ", 0, 235)
                : shows_map_cell(screen, row, column, view.x + column - 2, view.y + row - 2))
            << frame << ": " << row << ',' << column;
      }
    }
    EXPECT_EQ(cursor(screen), parked);
  }
}

// Fills the panel with `text` and returns panel rows 15..24 as the player sees them from column 5,
// trailing blanks dropped, each row ended by '|', the empty rows at the end left out.
std::string laid_out(const std::string& text) {
  FakeConsole fake;
  fill_panel_text(fake.console(), text);
  std::fflush(fake.console().out);
  TerminalScreen screen;
  screen.feed(fake.output());
  std::string rows;
  for (int row = 15; row <= 24; ++row) {
    const std::string shown = screen.utf8_text(row, 5, 80);
    rows += shown.substr(0, shown.find_last_not_of(' ') + 1) + '|';
  }
  return rows.substr(0, rows.find_last_not_of('|') + 2);
}

// The rows laid out and the rows the player sees are the same.
TEST(PanelText, TabsAndFullRowsStartNewRowsAndNothingGoesBelowRow23) {
  const std::string row(63, '#');
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {row, {row, ""}},  // the next row is begun
      {row + "x", {row, "x"}},
      {row + "\tx", {row, "", "x"}},  // the full row already moved on
      {"\t\t\t\tabc", {"", "", "", "", "abc"}},
      {std::string(9 * 63 + 10, '#'), std::vector(9, row)},  // the 63rd of row 23 is the last
      {"1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
  };
  for (const auto& [text, rows] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(lay_out_panel_text(text), rows);
    std::string shown;  // empty rows at the end show nothing
    for (const std::string& r : rows) shown += r + '|';
    EXPECT_EQ(laid_out(text), shown.substr(0, shown.find_last_not_of('|') + 2));
  }
}

// Texts in French, Russian and box-drawing characters: a UTF-8 character is one place of a row,
// so every word shows whole at its column; what would not take exactly one cell shows as U+FFFD
// (a wide character, a combining mark, a byte that is not UTF-8), a C1 control as a blank.
TEST(PanelText, EveryUtf8CharacterTakesOneCellOfItsRow) {
  const std::string title = "LA PREMI\u00c8RE \u00c9NIGME";  // LA PREMIÈRE ÉNIGME
  std::string russian;  // 63 letters Ж fill the row; the 64th starts the next
  for (int i = 0; i < 64; ++i) russian += "\u0416";
  const std::string box = "\u250c\u2500\u2500\u2510 \u2588\u2591";  // ┌──┐ █░
  const std::string cut = std::string(62, '.') + "\u00e9";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {title + "\t" + box, title + "|" + box + "|"},
      {russian, russian.substr(0, 63 * 2) + "|\u0416|"},
      {cut + "\tnext", cut + "||next|"},  // the full row moves on, then the tab
      // U+4E2D, e + U+0301, the byte 0xE9, U+009B: one cell each, and "end" right after.
      {"a\u4e2db e\u0301 \xe9 \u009b end", "a\ufffdb e\ufffd \ufffd   end|"},
  };
  for (const auto& [text, shown] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(laid_out(text), shown);
  }
  EXPECT_EQ(panel_text_fault(russian + " " + russian), "splits the word \"" + russian +
                                                           "\" where the panel wraps a line "
                                                           "longer than 63 characters");
  EXPECT_EQ(panel_text_fault(title + "\t" + russian.substr(0, 63 * 2)), "");
}

// Box-drawing walls and French and Russian letters on the map, a character a cell; a wide
// character, a combining mark and a stray byte each show as U+FFFD in their one cell.
TEST(DrawMap, Utf8MapCharactersShowOneACell) {
  Level level = coordinate_map(69, 23);
  const std::string top = "\u250c" + [] {
    std::string line;
    for (int i = 0; i < 67; ++i) line += "\u2500";
    return line;
  }() + "\u2510";
  std::string row1 = "\u2502\u00e9t\u00e9 \u0416\u0443\u043a \u4e2d e\u0301\xe9\u009b.";
  const std::size_t row1_characters = 16;
  row1 += std::string(69 - row1_characters - 1, '.') + "\u2502";
  std::string rest;
  for (int y = 2; y < 23; ++y) rest += std::string(69, '.');
  level.content = MapCharacters(top + row1 + rest);
  ASSERT_EQ(level.content.size(), 69u * 23u);
  FakeConsole fake;
  draw_map(fake.console(), level, {0, 0});
  TerminalScreen screen;
  screen.feed(fake.output());
  EXPECT_EQ(screen.utf8_text(2, 2, 70), top);
  EXPECT_EQ(screen.utf8_text(3, 2, 18),
            "\u2502\u00e9t\u00e9 \u0416\u0443\u043a \ufffd e\ufffd\ufffd ..");
  EXPECT_EQ(screen.utf8_text(3, 70, 70), "\u2502");
  EXPECT_EQ(screen.background(3, 11), background_of(9)) << "U+FFFD keeps its cell's colours";
}

class Panels : public testing::Test {
 protected:
  // A console reading `input`; the screen shows the frame, a map, the marker and the prompt.
  Console& console_with(const std::string& input) {
    fake_ = std::make_unique<FakeConsole>(input);
    draw_frame(fake_->console());
    draw_map(fake_->console(), level_, view_);
    draw_player(fake_->console(), 0, 0);
    draw_prompt(fake_->console());
    screen_.feed(fake_->output());
    fake_->clear_output();
    clear_recorded_waits();
    return fake_->console();
  }
  // Shows flushes first..last as the player saw them.
  void show(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) screen_.feed(fake_->flushes()[i]);
  }
  const Level level_ = coordinate_map(100, 40);
  View view_{10, 5};
  std::unique_ptr<FakeConsole> fake_;
  TerminalScreen screen_;
};

TEST_F(Panels, InfoPanelRisesWithOkShowsItsTextBlinksUntilConfirmedAndSinks) {
  info_panel(console_with("nope\nok\nr 5\n"), level_, view_, "A gate bars\tthe way.");
  EXPECT_EQ(recorded_waits(), std::vector<int>(11 + 4 + 11, 100)) << "rise, blink, fall";
  EXPECT_EQ(fake_->remaining_input(), "r 5\n");
  // Flushes: eleven rising frames, the text, the blink and the prompt, then in every falling
  // frame the map, the marker, the prompt and the panel.
  ASSERT_EQ(fake_->flushes().size(), 11u + 1 + 5 + 4 * 11);
  for (int i = 0; i <= 10; ++i) {  // frame i lifts the top border i rows above the bottom line
    show(i, i);
    EXPECT_TRUE(panel_from(screen_, 24 - i, true)) << i;
    EXPECT_TRUE(shows_map_cell(screen_, 23 - i, 3, view_.x + 1, view_.y + 21 - i)) << i;
  }
  EXPECT_EQ(screen_.character(13, 36), 'X') << "the marker stays just above the open panel";
  show(11, 11);
  EXPECT_TRUE(shows_text(screen_, 15, 4, " A gate bars  ", 151, 236));
  EXPECT_TRUE(shows_text(screen_, 16, 5, "the way.", 151, 236));
  EXPECT_TRUE(waits_at_prompt(screen_));
  for (int frame = 0; frame <= 10; ++frame) {  // after the blink at "nope"
    show(17 + 4 * frame, 20 + 4 * frame);
    EXPECT_TRUE(panel_from(screen_, 14 + frame, true)) << frame;
    for (int row = 4; row < 14 + frame; ++row)
      EXPECT_TRUE(shows_map_cell(screen_, row, 3, view_.x + 1, view_.y + row - 2)) << frame;
    EXPECT_EQ(screen_.character(13, 36), 'X') << frame;
    EXPECT_EQ(screen_.text(3, 27, 45), "\\\\===============//") << frame;
  }
}

TEST(ReadPlayerLine, ReadsLinesWithoutTheirNewlineInPiecesOfElevenCharacters) {
  const std::string x11(11, 'x');
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"r 5\nquit\n\n", {"r 5", "quit", ""}},
      {x11 + "\n", {x11, ""}},  // a full piece leaves its newline as a line
      {x11 + x11 + "y\n", {x11, x11, "y"}},
      {"ok", {"ok"}},  // the last line needs no newline
  };
  for (const auto& [input, lines] : cases) {
    FakeConsole fake(input);
    std::vector<std::string> read;
    std::string line;
    while (read_player_line(fake.console(), line, [&] { draw_prompt(fake.console()); })) {
      read.push_back(line);
    }
    EXPECT_EQ(read, lines) << input;
    EXPECT_EQ(line, "") << "the end of input leaves the line empty";
  }
}

}  // namespace

}  // namespace quadrivant

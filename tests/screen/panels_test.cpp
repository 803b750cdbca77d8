// Message panels: the text layout, the rise and fall, the information panel, and the problem
// panel judging its one answer, with the solved text or the WRONG banner.
#include "screen/panels.h"

#include <gtest/gtest.h>

#include <memory>

#include "screen/frame.h"
#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

std::string digits(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += static_cast<char>('0' + i % 10);
  return text;
}

std::string laid_out(const std::string& text) {
  FakeConsole fake;
  fill_panel_text(fake.console(), text, 1);
  EXPECT_TRUE(fake.flushes().empty()) << "the caller flushes";
  std::fflush(fake.console().out);
  return fake.output();
}

TEST(FillPanelText, TabsAndFullRowsStartNewRowsAndNothingGoesBelowRow23) {
  EXPECT_EQ(laid_out("ab\tc"), "\x1b[15;5Ha\x1b[15;6Hb\x1b[16;5Hc") << "a position each";
  std::vector<std::string> nine_rows;
  for (int row = 0; row < 9; ++row) nine_rows.push_back(digits(9 * 63).substr(63 * row, 63));
  // Text -> the rows from 15 on, as seen from column 5. A full row moves on by itself, so a tab
  // after it leaves a row empty; the 63rd character of row 23 is the last one shown.
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {digits(63), {digits(63)}},
      {digits(63) + "x", {digits(63), "x"}},
      {digits(63) + "\tx", {digits(63), "", "x"}},
      {"\t\t\t\tabc", {"", "", "", "", "abc"}},
      {digits(9 * 63 + 10), nine_rows},
      {"1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}}};
  for (const auto& [text, rows] : cases) {
    TerminalScreen screen;
    screen.feed(laid_out(text));
    for (int row = 14; row <= 25; ++row) {
      const std::size_t k = static_cast<std::size_t>(row - 15);
      std::string shown = screen.text(row, 1, 80);
      shown.erase(shown.find_last_not_of(' ') + 1);
      EXPECT_EQ(shown, row >= 15 && k < rows.size() && !rows[k].empty() ? "    " + rows[k] : "")
          << testing::PrintToString(text) << ", row " << row;
    }
  }
}

// Panel lines: '#' in 43 on 236, the confirm line with "[ok]" in 151 on columns 56..59.
const std::string border(67, '#');
const std::string middle = "#" + std::string(65, ' ') + "#";
testing::AssertionResult panel_line(const TerminalScreen& screen, int row,
                                    const std::string& text) {
  return shows_text(screen, row, 3, text, 43, 236);
}
bool is_confirm_line(const TerminalScreen& screen, int row) {
  return panel_line(screen, row, std::string(53, '#')) &&
         shows_text(screen, row, 56, "[ok]", 151, 236) &&
         shows_text(screen, row, 60, std::string(10, '#'), 43, 236);
}
// A row of the panel's interior, columns 4..68, holding `text`.
std::string interior(std::string text) {
  text.resize(65, ' ');
  return text;
}

// A console reading the test's input over a screen showing the frame, a map, the marker and the
// prompt; the console and the clock then record only what the panel does.
class Panels : public testing::Test {
 protected:
  Console& console_with(const std::string& input) {
    fake_ = std::make_unique<FakeConsole>(input);
    generate_border(fake_->console());
    draw_map(fake_->console(), map_, 0, view_);
    draw_player(fake_->console(), 0, 0);
    reset_console(fake_->console());
    screen_.feed(fake_->output());
    fake_->clear_output();
    clear_recorded_waits();
    return fake_->console();
  }
  // Shows flushes first..last as the player saw them.
  void show(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) screen_.feed(fake_->flushes()[i]);
  }

  MapData map_ = coordinate_map(100, 40);
  View view_{10, 5};
  int solved_count_ = 5;
  std::unique_ptr<FakeConsole> fake_;
  TerminalScreen screen_;
};

TEST_F(Panels, InfoPanelRisesWithOkShowsItsTextBlinksUntilConfirmedAndSinks) {
  info_panel(console_with("nope\nok\nr 5\n"), map_, 0, view_, "A gate bars\tthe way.");
  EXPECT_EQ(recorded_waits(), std::vector<int>(11 + 4 + 11, 100)) << "rise, blink, fall";
  EXPECT_EQ(fake_->remaining_input(), "r 5\n");
  ASSERT_EQ(fake_->flushes().size(), 11u + 1 + 5 + 4 * 11)
      << "rise, text, blink and prompt, then map, marker, prompt and panel in each falling frame";
  for (int i = 0; i <= 10; ++i) {  // frame i lifts the top border i rows above the bottom line
    show(i, i);
    EXPECT_TRUE(is_confirm_line(screen_, 24)) << "[ok] from the first frame, " << i;
    for (int row = 24 - i; row <= 23; ++row) {
      EXPECT_TRUE(panel_line(screen_, row, row == 24 - i ? border : middle)) << i;
    }
    EXPECT_TRUE(shows_map_cell(screen_, 23 - i, 3, view_.x + 1, view_.y + 21 - i)) << i;
  }
  EXPECT_EQ(screen_.character(13, 36), 'X') << "the marker stays just above the open panel";
  show(11, 11);
  EXPECT_TRUE(shows_text(screen_, 15, 4, " A gate bars  ", 151, 236));
  EXPECT_TRUE(shows_text(screen_, 16, 5, "the way.", 151, 236));
  EXPECT_TRUE(waits_at_prompt(screen_));
  for (int frame = 0; frame <= 10; ++frame) {  // after the blink at "nope"
    show(17 + 4 * frame, 20 + 4 * frame);
    const int top = 14 + frame;
    for (int row = top; row <= 23; ++row) {
      EXPECT_TRUE(panel_line(screen_, row, row == top ? border : middle)) << frame;
    }
    EXPECT_TRUE(is_confirm_line(screen_, 24)) << frame;
    for (int row = 4; row < top; ++row) {
      EXPECT_TRUE(shows_map_cell(screen_, row, 3, view_.x + 1, view_.y + row - 2)) << frame;
    }
    EXPECT_EQ(screen_.character(13, 36), 'X') << frame;
    EXPECT_EQ(screen_.text(3, 27, 45), "\\\\===============//") << frame;
  }
}

TEST_F(Panels, OnlyDigitsOfTheRightValueAreARightAnswer) {
  // Input, problem code, whether it is right, what is left in the input. Eleven digits compare
  // as the number they are (2^32 + 7 is not 7); only eleven characters are judged and the rest
  // stays; the newline left after eleven digits confirms the solved text; the input may end.
  const std::tuple<std::string, int, bool, std::string> answers[] = {
      {"7\n", 100, true, ""},
      {"007\n", 100, true, ""},
      {"00000000007\n", 100, true, ""},
      {"7", 100, true, ""},
      {"02147483647\n", 101, true, ""},
      {"8\n", 100, false, ""},
      {"-7\n", 100, false, ""},
      {"+7\n", 100, false, ""},
      {" 7\n", 100, false, ""},
      {"7 \n", 100, false, ""},
      {"\n", 100, false, ""},
      {"04294967303\n", 100, false, "\n"},
      {"12147483647\n", 101, false, "\n"},
      {"7123456789012\n", 100, false, "12\n"},
      {"", 100, false, ""}};
  std::vector<int> wrong_waits(11, 100);  // the rise, then the WRONG banner
  wrong_waits.insert(wrong_waits.end(), 6, 200);
  for (const auto& [input, code, right, left_in_input] : answers) {
    SCOPED_TRACE(testing::PrintToString(input));
    map_ = coordinate_map(100, 40);
    solved_count_ = 5;
    problem_panel(console_with(input), map_, 0, view_, code, solved_count_);
    const std::size_t k = static_cast<std::size_t>(code - 100);
    EXPECT_EQ(map_.problems[0].flag[k], right ? 1 : 0);
    EXPECT_EQ(map_.problems[0].flag[1 - k], 0) << "only the problem asked";
    EXPECT_EQ(solved_count_, right ? 6 : 5);
    EXPECT_EQ(recorded_waits(), right ? std::vector<int>(22, 100) : wrong_waits);
    EXPECT_EQ(fake_->remaining_input(), left_in_input);
  }
}

TEST_F(Panels, ProblemAsksWithoutOkThenShowsTheSolvedTextOnTeal) {
  problem_panel(console_with("2147483647\n\n"), map_, 0, view_, 101, solved_count_);
  ASSERT_EQ(fake_->flushes().size(), 11u + 1 + 1 + 4 * 11) << "rise, question, solved, fall";
  for (std::size_t i = 0; i < 12; ++i) {
    show(i, i);
    EXPECT_TRUE(panel_line(screen_, 24, border)) << "no [ok] before the answer, flush " << i;
  }
  EXPECT_TRUE(shows_text(screen_, 15, 5, "The biggest number?", 151, 236)) << "the entry asked";
  EXPECT_TRUE(waits_at_prompt(screen_));
  show(12, 12);
  EXPECT_TRUE(is_confirm_line(screen_, 24));
  EXPECT_TRUE(panel_line(screen_, 14, border));
  for (int row = 15; row <= 23; ++row) {
    EXPECT_TRUE(panel_line(screen_, row, "#")) << row;
    EXPECT_TRUE(shows_text(screen_, row, 4, interior(row == 15 ? " The second one." : ""), 16, 36));
  }
  EXPECT_TRUE(waits_at_prompt(screen_));
}

TEST_F(Panels, WrongAnswerBlinksTheBannerThreeTimesAndLeavesThePanelOpen) {
  problem_panel(console_with("8\n"), map_, 0, view_, 100, solved_count_);
  ASSERT_EQ(fake_->flushes().size(), 11u + 1 + 6) << "rise, question, six banner halves";
  show(0, 11);
  const std::string banner[] = {
      "##   ##  ######  ######  ##  ##  ######", "## # ##  ##  ##  ##  ##  ### ##  ##",
      "## # ##  ####    ##  ##  ## ###  ## ###", "#######  ##  ##  ######  ##  ##  ######"};
  for (std::size_t half = 0; half < 6; ++half) {
    show(12 + half, 12 + half);
    for (int row = 15; row <= 23; ++row) {  // the question is gone
      const std::string text = row >= 17 && row <= 20 ? "              " + banner[row - 17] : "";
      EXPECT_TRUE(
          shows_text(screen_, row, 4, interior(text), half % 2 ? 203 : 16, half % 2 ? 16 : 203))
          << half;
    }
    EXPECT_EQ(cursor(screen_), parked);
  }
  EXPECT_TRUE(panel_line(screen_, 24, border)) << "the panel stays, with no [ok]";
  EXPECT_TRUE(panel_line(screen_, 14, border));
}

}  // namespace

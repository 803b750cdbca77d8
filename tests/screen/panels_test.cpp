// Message panels: the rise and fall, the information panel, and the problem panel judging its
// one answer, with the WRONG banner for anything but the right number.
#include "screen/panels.h"

#include <gtest/gtest.h>

#include <climits>

#include "screen/frame.h"
#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

std::vector<int> repeated(int count, int ms) {
  return std::vector<int>(count, ms);
}

std::vector<int> concatenated(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<int> panel_rise = repeated(11, 100);
const std::vector<int> panel_fall = repeated(11, 100);
const std::vector<int> blink = repeated(4, 100);
const std::vector<int> wrong_banner = repeated(6, 200);

bool is_border_line(const TerminalScreen& screen, int row) {
  if (screen.text(row, 3, 69) != std::string(67, '#')) return false;
  return screen.foreground(row, 3) == 43 && screen.background(row, 69) == 236;
}

bool is_confirm_line(const TerminalScreen& screen, int row) {
  return screen.text(row, 3, 69) == std::string(53, '#') + "[ok]" + std::string(10, '#') &&
         screen.foreground(row, 55) == 43 && screen.foreground(row, 56) == 151 &&
         screen.foreground(row, 59) == 151 && screen.foreground(row, 60) == 43 &&
         screen.background(row, 56) == 236;
}

bool is_middle_line(const TerminalScreen& screen, int row) {
  if (screen.text(row, 3, 69) != "#" + std::string(65, ' ') + "#") return false;
  for (int column = 3; column <= 69; ++column) {
    if (screen.background(row, column) != 236) return false;
  }
  return screen.foreground(row, 3) == 43 && screen.foreground(row, 69) == 43;
}

// A console, a screen with the frame and a map on it, and a world of two levels.
class PanelTest : public ::testing::Test {
 protected:
  explicit PanelTest(std::string input = "") : fake_(std::move(input)) {}

  void SetUp() override {
    map_ = coordinate_map(100, 40);
    map_.problems[0] = DialogueTable{{"What is 3 + 4?", "The biggest number?"},
                                     {"Seven, of course.", "The second one."},
                                     {7, INT_MAX},
                                     {0, 0}};
    generate_border(fake_.console());
    draw_map(fake_.console(), map_, 0, view_);
    draw_player(fake_.console(), 0, 0);
    reset_console(fake_.console());
    screen_.feed(fake_.output());
    fake_.clear_output();
    clear_recorded_waits();
  }

  // Shows the flushes first..last on the screen, as the player saw them.
  void show(std::size_t first, std::size_t last) {
    screen_.feed(joined_flushes(fake_.flushes(), first, last));
  }

  FakeConsole fake_;
  TerminalScreen screen_;
  MapData map_;
  View view_{10, 5};
  int solved_count_ = 2;
};

TEST_F(PanelTest, RaisePanelLiftsTheTopBorderOneRowPerFrame) {
  raise_panel(fake_.console(), PanelBottom::confirm_line);
  EXPECT_EQ(recorded_waits(), panel_rise);
  ASSERT_EQ(fake_.flushes().size(), 11u);
  for (int i = 0; i <= 10; ++i) {
    show(i, i);
    EXPECT_TRUE(is_confirm_line(screen_, 24)) << "frame " << i;
    if (i > 0) {
      EXPECT_TRUE(is_border_line(screen_, 24 - i)) << "frame " << i;
    }
    for (int row = 25 - i; row <= 23; ++row) {
      EXPECT_TRUE(is_middle_line(screen_, row)) << "frame " << i << ", row " << row;
    }
    EXPECT_TRUE(shows_map_cell(screen_, 23 - i, 3, view_.x + 1, view_.y + 21 - i))
        << "above the panel the map still shows, frame " << i;
  }
  EXPECT_TRUE(is_border_line(screen_, 14));
  EXPECT_EQ(screen_.character(13, 36), 'X') << "the marker stays just above the open panel";
}

TEST_F(PanelTest, RaisePanelWithTheBorderLineShowsNoOk) {
  raise_panel(fake_.console(), PanelBottom::border_line);
  EXPECT_EQ(fake_.output().find("[ok]"), std::string::npos);
  show(0, 10);
  EXPECT_TRUE(is_border_line(screen_, 24));
  EXPECT_TRUE(is_border_line(screen_, 14));
}

TEST_F(PanelTest, LowerPanelSinksOverTheRedrawnMapMarkerAndPrompt) {
  raise_panel(fake_.console(), PanelBottom::confirm_line);
  show(0, 10);
  fake_.clear_output();
  clear_recorded_waits();

  lower_panel(fake_.console(), map_, 0, view_);

  EXPECT_EQ(recorded_waits(), panel_fall);
  ASSERT_EQ(fake_.flushes().size(), 44u) << "map, marker, prompt and panel in each frame";
  for (int frame = 0; frame <= 10; ++frame) {
    show(4 * frame, 4 * frame + 3);
    const int top = 14 + frame;
    if (top < 24) {
      EXPECT_TRUE(is_border_line(screen_, top)) << "frame " << frame;
    }
    for (int row = top + 1; row <= 23; ++row) EXPECT_TRUE(is_middle_line(screen_, row));
    EXPECT_TRUE(is_confirm_line(screen_, 24)) << "frame " << frame;
    for (int row = 4; row < top; ++row) {
      EXPECT_TRUE(shows_map_cell(screen_, row, 3, view_.x + 1, view_.y + row - 2))
          << "frame " << frame << ", row " << row;
    }
    EXPECT_EQ(screen_.character(13, 36), 'X');
    EXPECT_EQ(screen_.text(3, 27, 45), "\\\\===============//");
  }
}

TEST_F(PanelTest, InfoPanelShowsItsTextWithOkFromTheFirstFrame) {
  info_panel(fake_.console(), map_, 0, view_, "A gate bars\tthe way.");
  // The input has ended: the panel closes as if confirmed.
  EXPECT_EQ(recorded_waits(), concatenated(panel_rise, panel_fall));
  show(0, 0);
  EXPECT_TRUE(is_confirm_line(screen_, 24)) << "the first frame already shows [ok]";
  show(1, 11);
  EXPECT_EQ(screen_.text(15, 4, 17), " A gate bars  ");
  EXPECT_EQ(screen_.text(16, 5, 12), "the way.");
  EXPECT_EQ(screen_.foreground(15, 5), 151);
  EXPECT_EQ(screen_.background(15, 5), 236);
  EXPECT_EQ(screen_.cursor_row(), 2) << "the prompt waits for the confirmation";
  EXPECT_EQ(screen_.cursor_column(), 32);
}

class InfoPanelWithInput : public PanelTest {
 protected:
  InfoPanelWithInput() : PanelTest("nope\nok\nr 5\n") {}
};

TEST_F(InfoPanelWithInput, BlinksAtAnythingButOkThenCloses) {
  info_panel(fake_.console(), map_, 0, view_, "Hello.");
  EXPECT_EQ(recorded_waits(), concatenated(concatenated(panel_rise, blink), panel_fall));
  EXPECT_EQ(fake_.remaining_input(), "r 5\n");
}

struct Answer {
  std::string input;
  bool right;
  std::string left_in_input;
};

// Asks problem 0 (answer 7) with `input` and checks what the answer changed.
void expect_answer(const Answer& answer, int code = 100) {
  SCOPED_TRACE("answer \"" + answer.input + "\"");
  MapData map = coordinate_map(100, 40);
  map.problems[0] =
      DialogueTable{{"Three and four?", "Biggest?"}, {"Seven.", "Indeed."}, {7, INT_MAX}, {0, 0}};
  FakeConsole fake(answer.input);
  int solved_count = 5;
  clear_recorded_waits();
  problem_panel(fake.console(), map, 0, View{10, 5}, code, solved_count);
  const std::size_t k = static_cast<std::size_t>(code - 100);
  EXPECT_EQ(map.problems[0].flag[k], answer.right ? 1 : 0);
  EXPECT_EQ(map.problems[0].flag[1 - k], 0) << "only the problem asked";
  EXPECT_EQ(solved_count, answer.right ? 6 : 5);
  EXPECT_EQ(recorded_waits(), concatenated(panel_rise, answer.right ? panel_fall : wrong_banner));
  EXPECT_EQ(fake.remaining_input(), answer.left_in_input);
}

TEST(ProblemPanel, OnlyDigitsOfTheRightValueAreRight) {
  const std::vector<Answer> answers = {
      {"7\n", true, ""},
      {"007\n", true, ""},
      {"00000000007\n", true, ""},  // 11 digits: the newline left behind confirms the solved text
      {"8\n", false, ""},
      {"-7\n", false, ""},
      {"+7\n", false, ""},
      {" 7\n", false, ""},
      {"7 \n", false, ""},
      {"7.0\n", false, ""},
      {"seven\n", false, ""},
      {"\n", false, ""},
      {"04294967303\n", false, "\n"},      // 2^32 + 7: never taken for 7
      {"7123456789012\n", false, "12\n"},  // only 11 characters are judged, the rest stays
      {"", false, ""},                     // the input has ended
      {"7", true, ""},                     // the last line, without its newline
  };
  for (const Answer& answer : answers) expect_answer(answer);
}

TEST(ProblemPanel, ElevenDigitAnswersCompareAsTheNumberTheyAre) {
  expect_answer({"02147483647\n", true, ""}, 101);
  expect_answer({"12147483647\n", false, "\n"}, 101);
}

TEST_F(PanelTest, QuestionWaitsWithoutOkThenTheRightAnswerShowsTheTealSolvedText) {
  FakeConsole fake("7\n\n");
  problem_panel(fake.console(), map_, 0, view_, 100, solved_count_);
  ASSERT_GE(fake.flushes().size(), 13u);
  // Rise (11 flushes) and the question with the prompt (1): no [ok] anywhere.
  for (std::size_t i = 0; i < 12; ++i) {
    screen_.feed(fake.flushes()[i]);
    EXPECT_TRUE(is_border_line(screen_, 24)) << "flush " << i;
  }
  EXPECT_EQ(screen_.text(15, 5, 18), "What is 3 + 4?");
  EXPECT_EQ(screen_.foreground(15, 5), 151);
  EXPECT_EQ(screen_.background(15, 5), 236);
  EXPECT_EQ(screen_.cursor_row(), 2);
  EXPECT_EQ(screen_.cursor_column(), 32);

  screen_.feed(fake.flushes()[12]);
  EXPECT_TRUE(is_confirm_line(screen_, 24));
  EXPECT_TRUE(is_border_line(screen_, 14));
  for (int row = 15; row <= 23; ++row) {
    for (int column = 4; column <= 68; ++column) {
      ASSERT_EQ(screen_.background(row, column), 36) << row << ',' << column;
    }
    EXPECT_EQ(screen_.character(row, 3), '#');
    EXPECT_EQ(screen_.background(row, 3), 236);
  }
  EXPECT_EQ(screen_.text(15, 4, 22), " Seven, of course. ");
  EXPECT_EQ(screen_.foreground(15, 5), 16);
  EXPECT_EQ(map_.problems[0].flag[0], 1);
  EXPECT_EQ(solved_count_, 3);
  EXPECT_EQ(recorded_waits(), concatenated(panel_rise, panel_fall));
}

TEST_F(PanelTest, ProblemCodeChoosesTheEntryAsked) {
  FakeConsole fake("1\n");
  problem_panel(fake.console(), map_, 0, view_, 101, solved_count_);
  screen_.feed(joined_flushes(fake.flushes(), 0, 11));
  EXPECT_EQ(screen_.text(15, 5, 23), "The biggest number?");
}

TEST_F(PanelTest, WrongAnswerBlinksTheBannerAndLeavesThePanelOpen) {
  FakeConsole fake("8\nr 5\n");
  problem_panel(fake.console(), map_, 0, view_, 100, solved_count_);
  EXPECT_EQ(map_.problems[0].flag[0], 0);
  EXPECT_EQ(solved_count_, 2);
  EXPECT_EQ(fake.remaining_input(), "r 5\n");
  ASSERT_EQ(fake.flushes().size(), 11u + 1u + 6u) << "rise, question, six banner frames";
  screen_.feed(joined_flushes(fake.flushes(), 0, 11));
  for (std::size_t half = 0; half < 6; ++half) {
    screen_.feed(fake.flushes()[12 + half]);
    const int ink_background = half % 2 == 0 ? 203 : 16;
    const int ink_foreground = half % 2 == 0 ? 16 : 203;
    EXPECT_EQ(screen_.text(17, 18, 56), "##   ##  ######  ######  ##  ##  ######");
    EXPECT_EQ(screen_.text(18, 18, 52), "## # ##  ##  ##  ##  ##  ### ##  ##");
    EXPECT_EQ(screen_.text(19, 18, 56), "## # ##  ####    ##  ##  ## ###  ## ###");
    EXPECT_EQ(screen_.text(20, 18, 56), "#######  ##  ##  ######  ##  ##  ######");
    for (int row = 15; row <= 23; ++row) {
      for (int column = 4; column <= 68; ++column) {
        ASSERT_EQ(screen_.background(row, column), ink_background)
            << half << ':' << row << ',' << column;
        ASSERT_EQ(screen_.foreground(row, column), ink_foreground)
            << half << ':' << row << ',' << column;
      }
    }
    for (int row : {15, 16, 21, 22, 23}) {
      EXPECT_EQ(screen_.text(row, 4, 68), std::string(65, ' ')) << "the question is gone";
    }
    EXPECT_EQ(screen_.cursor_row(), 25);
    EXPECT_EQ(screen_.cursor_column(), 71);
  }
  EXPECT_TRUE(is_border_line(screen_, 24)) << "the panel stays, with no [ok]";
  EXPECT_TRUE(is_border_line(screen_, 14));
}

TEST(PanelBlinkWrongSolution, ThreeCyclesOfTwo200MsHalves) {
  FakeConsole fake;
  clear_recorded_waits();
  panel_blink_wrong_solution(fake.console());
  EXPECT_EQ(recorded_waits(), wrong_banner);
  EXPECT_EQ(fake.flushes().size(), 6u);
}

}  // namespace

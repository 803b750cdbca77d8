// Cell events as the player sees them: each code's panel, the problem panel asking, judging and
// showing the solved text or the WRONG banner, the level change and the winning page. The rules
// behind them are tested in tests/rules; the progress they leave is played through in the
// whole-game test.
#include "game/cell_event_screens.h"

#include <climits>
#include <memory>

#include <gtest/gtest.h>

#include "level/cell_codes.h"
#include "play_checks.h"
#include "screen/picture/frame.h"
#include "screen/picture/viewport.h"
#include "support/recording_clock.h"
#include "support/screen_checks.h"

namespace quadrivant {

namespace {

// Every code from 0 to 255, touched by the player on (24, 11) of a level whose tables hold every
// entry a code can name, in a fresh game.
TEST(PlayCellEvent, EachCodeShowsWhatItsRuleDecides) {
  const World world = make_world({level_with_every_entry(), walled_level(100, 40)});
  for (int code = 0; code <= 255; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    GameState state(world);
    state.player = {24, 11};
    FakeConsole fake("\n");
    clear_recorded_waits();
    play_cell_event(fake.console(), world, state, code);

    // The waits; a telling text (row, column, text) once a line is asked for; where the player
    // stands afterwards.
    Waits waits = info_panel_waits;
    std::tuple<int, int, std::string> telling{15, 5, ""};
    int level_after = 0;
    Cell player = state.player;
    if (code == 0) {
      waits.clear();
    } else if (code <= 49) {
      telling = {15, 5, "obstruction " + std::to_string(49 - code) + ' '};
    } else if (code <= 99) {
      waits = fade_and_reveal_waits;
      level_after = code % 2;
      player = {code - 50 + 10, 5};
    } else if (code <= 199) {
      waits = wrong_answer_waits;  // the empty answer is wrong
      telling = {15, 5, "problem " + std::to_string(code - 100) + ' '};
    } else if (code <= 253) {
      telling = {15, 5, (code % 2 ? "locked " : "info ") + std::to_string(code - 200) + ' '};
    } else if (code == 254) {
      waits.clear();
      telling = {9, 30, "CONGRATULATIONS!"};
    } else {
      telling = {19, 25, "(There is an obstacle!)"};
    }
    EXPECT_EQ(recorded_waits(), waits);
    EXPECT_EQ(std::tuple(state.current_level, state.player, state.running),
              std::tuple(level_after, player, code != 254));
    EXPECT_EQ(fake.output().empty(), code == 0);
    TerminalScreen asked, after;  // when a line was asked for, and at the end
    show(asked, fake, fake.flushes_at_line_reads().empty() ? -1 : 0);
    show(after, fake);
    const auto& [row, column, text] = telling;
    EXPECT_EQ(asked.text(row, column, column + static_cast<int>(text.size()) - 1), text);
    // The map it leaves: the new level revealed, or the old one where the panel sank.
    if (waits == fade_and_reveal_waits || waits == info_panel_waits) {
      EXPECT_TRUE(shows_map(after, world[level_after], view_of(player),
                            waits == info_panel_waits ? 13 : 0, 36, 4, 23));
    }
  }
}

// The problem panel over a map, the marker and the prompt: problem 0 "What is 3 + 4?" (7) and
// problem 1 "The biggest number?" (INT_MAX).
class ProblemPanel : public testing::Test {
 protected:
  ProblemPanel() {
    TestLevel level = walled_level(100, 40);
    level.problems = {{"What is 3 + 4?", "Seven, of course.", 7},
                      {"The biggest number?", "The second one.", INT_MAX}};
    world_ = make_world({level, level_with_every_entry()});
  }

  // Walks into problem `problem` of a fresh game with `input` typed and checks what the answer
  // changed and the waits the player sat through.
  void answer(const std::string& input, int problem, bool right, const std::string& left_in_input) {
    SCOPED_TRACE(testing::PrintToString(input));
    fake_ = std::make_unique<FakeConsole>(input);
    GameState state(world_);
    state.player = player_of(view_);
    for (std::size_t k = 0; k < 5; ++k) state.mark_solved(1, k);
    draw_frame(fake_->console());
    draw_map(fake_->console(), world_[0], view_);
    draw_player(fake_->console(), 0, 0);
    draw_prompt(fake_->console());
    screen_.feed(fake_->output());
    fake_->clear_output();
    clear_recorded_waits();
    play_cell_event(fake_->console(), world_, state, problem_code(problem));
    EXPECT_EQ(std::pair(state.is_solved(0, 0), state.is_solved(0, 1)),
              (problem == 0 ? std::pair(right, false) : std::pair(false, right)));
    EXPECT_EQ(state.solved_count(), right ? 6 : 5);
    // Rise and fall, or rise and the WRONG banner.
    EXPECT_EQ(recorded_waits(), right ? info_panel_waits : wrong_answer_waits);
    EXPECT_EQ(fake_->remaining_input(), left_in_input);
  }

  // Shows flushes first..last as the player saw them.
  void show_flushes(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) screen_.feed(fake_->flushes()[i]);
  }

  World world_;
  const View view_{10, 5};
  std::unique_ptr<FakeConsole> fake_;
  TerminalScreen screen_;
};

// Which answers are right is a rule (tests/rules); here, how the answer line is read: eleven
// characters at most, the rest read as the next line, which confirms the solved text when empty.
TEST_F(ProblemPanel, TheAnswerIsOneLineOfAtMostElevenCharacters) {
  for (const std::string input : {"7\n", "00000000007\n", "7"}) answer(input, 0, true, "");
  answer("02147483647\n", 1, true, "");
  for (const std::string input : {"8\n", "\n", ""}) answer(input, 0, false, "");
  answer("04294967303\n", 0, false, "\n");  // 2^32 + 7
  answer("12147483647\n", 1, false, "\n");
  answer("7123456789012\n", 0, false, "12\n");  // only 11 characters are judged
}

TEST_F(ProblemPanel, AsksWithoutOkThenShowsTheSolvedTextOnTeal) {
  answer("2147483647\n\n", 1, true, "");
  ASSERT_EQ(fake_->flushes().size(), 11u + 1 + 1 + 4 * 11) << "rise, question, solved, fall";
  show_flushes(0, 11);
  EXPECT_TRUE(shows_text(screen_, 24, 3, std::string(67, '#'), 43, 236)) << "no [ok] yet";
  EXPECT_TRUE(shows_text(screen_, 15, 5, "The biggest number?", 151, 236)) << "the entry asked";
  EXPECT_TRUE(waits_at_prompt(screen_));
  show_flushes(12, 12);
  EXPECT_TRUE(panel_from(screen_, 24, true));
  for (int row = 15; row <= 23; ++row) {
    EXPECT_TRUE(shows_text(screen_, row, 3, "#", 43, 236)) << row;
    EXPECT_TRUE(shows_text(screen_, row, 4, interior(row == 15 ? " The second one." : ""), 16, 36));
  }
  EXPECT_TRUE(waits_at_prompt(screen_));
  show_flushes(13, fake_->flushes().size() - 1);
  EXPECT_TRUE(shows_map(screen_, world_[0], view_, 13, 36, 4, 23)) << "the panel sank over the map";
}

TEST_F(ProblemPanel, WrongAnswerBlinksTheBannerThreeTimesAndLeavesThePanelOpen) {
  answer("8\n", 0, false, "");
  ASSERT_EQ(fake_->flushes().size(), 11u + 1 + 6) << "rise, question, six banner halves";
  show_flushes(0, 11);
  const std::string banner[] = {
      "##   ##  ######  ######  ##  ##  ######", "## # ##  ##  ##  ##  ##  ### ##  ##",
      "## # ##  ####    ##  ##  ## ###  ## ###", "#######  ##  ##  ######  ##  ##  ######"};
  for (std::size_t half = 0; half < 6; ++half) {
    show_flushes(12 + half, 12 + half);
    for (int row = 15; row <= 23; ++row) {  // the question is gone
      const std::string text = row >= 17 && row <= 20 ? "              " + banner[row - 17] : "";
      EXPECT_TRUE(
          shows_text(screen_, row, 4, interior(text), half % 2 ? 203 : 16, half % 2 ? 16 : 203))
          << half;
    }
    EXPECT_EQ(cursor(screen_), parked);
  }
  EXPECT_TRUE(shows_text(screen_, 14, 3, std::string(67, '#'), 43, 236));
  EXPECT_TRUE(shows_text(screen_, 24, 3, std::string(67, '#'), 43, 236)) << "no [ok]";
}

}  // namespace

}  // namespace quadrivant

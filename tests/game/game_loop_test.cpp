// Whole turns of the game loop on an in-memory world: commands, bad input, moves and their
// events, and the end of the game.
#include "game/game_loop.h"

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/recording_clock.h"

namespace {

constexpr View start_view{-15, 2};  // the player on (19, 13)
constexpr const char* goodbye_end = "\x1b[26;1H\x1b[0m\n";

class GameLoop : public testing::Test {
 protected:
  GameLoop() : level_(walled_level(100, 40)) { give_distinct_characters(level_); }

  // Plays a whole game on `level_` with `input`, and returns what the player saw.
  ScriptedPlay& play(const std::string& input) {
    map_ = make_map_data({level_});
    play_ = std::make_unique<ScriptedPlay>(input);
    clear_recorded_waits();
    play_game(play_->console(), map_);
    return *play_;
  }

  // Whether, when the game read line `index`, the screen showed a turn: the map at `view`, the
  // marker on its home cell and the prompt waiting at the input position.
  testing::AssertionResult turn_shows(int index, View view) {
    TerminalScreen screen;
    play_->show_screen_at_read(screen, index);
    if (testing::AssertionResult marker = marker_only_at(screen, 13, 36); !marker) return marker;
    if (screen.text(2, 26, 46) != "\\\\ >>              //")
      return testing::AssertionFailure() << "no prompt: " << screen.text(2, 26, 46);
    if (screen.cursor_row() != 2 || screen.cursor_column() != 32)
      return testing::AssertionFailure() << "cursor not at the input position";
    return viewport_shows(screen, map_, 0, view);
  }

  std::vector<int> expected_waits(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> list = title_waits;
    for (const std::vector<int>& part : parts) add_waits(list, part);
    return list;
  }

  TestLevel level_;
  MapData map_;
  std::unique_ptr<ScriptedPlay> play_;
};

TEST_F(GameLoop, QuitShowsTheGoodbyePageAndEndsTheGame) {
  ScriptedPlay& game = play("quit\nr 1\n");
  EXPECT_EQ(recorded_waits(), expected_waits({goodbye_waits}));
  EXPECT_EQ(game.line_reads(), 1);
  EXPECT_EQ(game.remaining_input(), "r 1\n") << "nothing is read after quit";
  EXPECT_TRUE(turn_shows(0, start_view));
  EXPECT_TRUE(game.fake().output().ends_with(goodbye_end));
}

TEST_F(GameLoop, FirstTurnFollowsTheTitlePageOnAFreshFrame) {
  ScriptedPlay& game = play("quit\n");
  TerminalScreen screen;
  game.show_screen_at_read(screen, 0);
  EXPECT_EQ(screen.text(1, 1, 71),
            std::string(24, '#') + "\\\\===================//" + std::string(24, '#'));
  EXPECT_EQ(screen.text(25, 1, 71), std::string(71, '#'));
  EXPECT_EQ(screen.character(13, 1), '#');
  EXPECT_EQ(screen.character(13, 71), '#');
}

TEST_F(GameLoop, EveryUnusableLineBlinksOnceAndLeavesTheViewAsItWas) {
  const std::vector<std::string> bad_lines = {
      "R 5",    "right  5", "right 5 ", "r -5",   "r +5", "r 5x", "r",    "5 r",
      "help 5", "quit ",    "pause",    "",       "r 31", "u 11", "d 11", "left 31",
      "r ",     " r 5",     "up",       "jump 3", "Quit", "u 1.5"};
  for (const std::string& line : bad_lines) {
    play(line + "\nquit\n");
    EXPECT_EQ(recorded_waits(), expected_waits({blink_waits, goodbye_waits})) << '"' << line << '"';
    EXPECT_TRUE(turn_shows(1, start_view)) << '"' << line << '"';
  }
}

TEST_F(GameLoop, MovesWalkTheirStepsWithLeadingZerosAndFullWords) {
  play("r 5\nu 007\nleft 2\ndown 1\nquit\n");
  EXPECT_EQ(
      recorded_waits(),
      expected_waits({waits({{5, 100}, {5, 150}}), waits({{7, 150}, {7, 200}}),
                      waits({{2, 100}, {2, 150}}), waits({{1, 150}, {1, 200}}), goodbye_waits}));
  EXPECT_TRUE(turn_shows(1, {-10, 2}));
  EXPECT_TRUE(turn_shows(2, {-10, -5}));
  EXPECT_TRUE(turn_shows(3, {-12, -5}));
  EXPECT_TRUE(turn_shows(4, {-12, -4}));
}

TEST_F(GameLoop, StepLimitsAreThirtyAcrossAndTenUpOrDown) {
  play("right 30\nl 30\nd 10\nup 10\nquit\n");
  EXPECT_EQ(recorded_waits(),
            expected_waits({waits({{30, 100}, {30, 150}}), waits({{30, 100}, {30, 150}}),
                            waits({{10, 150}, {10, 200}}), waits({{10, 150}, {10, 200}}),
                            goodbye_waits}));
  EXPECT_TRUE(turn_shows(1, {15, 2}));
  EXPECT_TRUE(turn_shows(2, start_view));
  EXPECT_TRUE(turn_shows(3, {-15, 12}));
  EXPECT_TRUE(turn_shows(4, start_view));
}

TEST_F(GameLoop, ZeroStepsDrawNoWalkAndTriggerNothing) {
  place_codes(level_, 19, 12, {"#", ".#"});  // obstacles right above and right beside
  // `r 0` after a move stopped by the obstacle must not meet it again.
  play("r 5\n\nr 0\nup 0\nquit\n");
  EXPECT_EQ(recorded_waits(), expected_waits({info_panel_waits, goodbye_waits}));
  EXPECT_TRUE(turn_shows(3, start_view));
  EXPECT_TRUE(turn_shows(4, start_view));
}

TEST_F(GameLoop, HelpPageWaitsForItsConfirmationThenTheGameGoesOn) {
  ScriptedPlay& game = play("help\nokay\nok\nquit\n");
  EXPECT_EQ(recorded_waits(), expected_waits({blink_waits, goodbye_waits}));
  TerminalScreen screen;
  game.show_screen_at_read(screen, 1);
  EXPECT_EQ(screen.text(4, 5, 12), "GENERAL:");
  EXPECT_EQ(screen.text(22, 26, 66), "Press ENTER or [ok] to leave Help screen!");
  EXPECT_TRUE(turn_shows(3, start_view));
}

TEST_F(GameLoop, BlockedMoveStopsBeforeTheBlockingCellAndItsEventFollows) {
  place_codes(level_, 20, 13, {"..#"});
  ScriptedPlay& game = play("r 5\n\nquit\n");
  EXPECT_EQ(recorded_waits(),
            expected_waits({waits({{2, 100}, {2, 150}}), info_panel_waits, goodbye_waits}));
  TerminalScreen screen;
  game.show_screen_at_read(screen, 1);
  EXPECT_EQ(screen.text(19, 25, 47), "(There is an obstacle!)");
  EXPECT_TRUE(turn_shows(2, {-13, 2}));
}

TEST_F(GameLoop, MoveBlockedAtItsFirstCellIsNotAnimatedButItsEventFollows) {
  place_codes(level_, 20, 13, {"#"});
  ScriptedPlay& game = play("r 5\n\nquit\n");
  EXPECT_EQ(recorded_waits(), expected_waits({info_panel_waits, goodbye_waits}));
  TerminalScreen screen;
  game.show_screen_at_read(screen, 1);
  EXPECT_EQ(screen.text(19, 25, 47), "(There is an obstacle!)");
  EXPECT_TRUE(turn_shows(2, start_view));
}

TEST_F(GameLoop, EndOfInputEndsTheGameLikeQuit) {
  ScriptedPlay& game = play("r 2\n");
  EXPECT_EQ(recorded_waits(), expected_waits({waits({{2, 100}, {2, 150}}), goodbye_waits}));
  EXPECT_EQ(game.line_reads(), 2);
  EXPECT_TRUE(game.fake().output().ends_with(goodbye_end));
  TerminalScreen screen(tall_terminal_rows, 80);
  game.show_screen(screen);
  EXPECT_EQ(screen.text(7, 28, 45), "THANKS FOR PLAYING");
}

TEST_F(GameLoop, EmptyInputShowsOneTurnAndTheGoodbyePage) {
  ScriptedPlay& game = play("");
  EXPECT_EQ(recorded_waits(), expected_waits({goodbye_waits}));
  EXPECT_TRUE(turn_shows(0, start_view));
  EXPECT_TRUE(game.fake().output().ends_with(goodbye_end));
}

TEST_F(GameLoop, FinishCellEndsTheGameWithoutAnotherTurn) {
  place_codes(level_, 20, 13, {"*"});
  ScriptedPlay& game = play("r 3\n\nquit\n");
  EXPECT_EQ(recorded_waits(), title_waits);
  EXPECT_EQ(game.line_reads(), 2);
  EXPECT_EQ(game.remaining_input(), "quit\n");
  TerminalScreen screen(tall_terminal_rows, 80);
  game.show_screen(screen);
  EXPECT_EQ(screen.text(9, 30, 45), "CONGRATULATIONS!");
  EXPECT_EQ(screen.text(10, 20, 44), "YOU BECAME THE QUADRIVANT");
}

}  // namespace

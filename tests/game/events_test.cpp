// The rule of every cell code: panels and their texts, gates that open, room transitions, the
// finish, and the progress flags they leave behind.
#include "game/events.h"

#include <gtest/gtest.h>

#include "game/movement.h"
#include "play_checks.h"
#include "support/recording_clock.h"

namespace {

constexpr const char* gate_text = "A heavy gate bars the way.";

class HandleCollision : public testing::Test {
 protected:
  HandleCollision() {
    TestLevel first = walled_level();
    give_distinct_characters(first);
    first.obstructions = {gate_text, "A second gate.", "A third gate."};
    first.infos = {{"Solve one problem to open the gate.", "The gate is open!", 1},
                   {"Never shown.", "Open at once.", 0},
                   {"Solve two problems.", "Two solved.", 2}};
    first.problems = {{"What is 6 x 7?", "Right, 42.", 42}};
    first.transitions = {{0, 40, 5}, {1, 10, 3}, {0, 0, 0}};
    TestLevel second = walled_level(100, 40);
    give_distinct_characters(second);
    second.problems = {{"What is 2 + 2?", "Four it is.", 4}};
    map_ = make_map_data({first, second});
  }

  // Runs the event of `code` with `input` for whatever it reads.
  ScriptedPlay& touch(int code, const std::string& input, std::function<void()> on_read = {}) {
    play_ = std::make_unique<ScriptedPlay>(input);
    play_->on_line_read(std::move(on_read));
    clear_recorded_waits();
    handle_collision(play_->console(), map_, state_, code);
    return *play_;
  }

  // The text on `row` of the panel when the game read line `index`, from column 5 on.
  std::string panel_row(int index, int row, int length) {
    TerminalScreen screen;
    play_->show_screen_at_read(screen, index);
    return screen.text(row, 5, 4 + length);
  }

  MapData map_;
  GameState state_;
  std::unique_ptr<ScriptedPlay> play_;
};

TEST_F(HandleCollision, FreeGroundDoesNothing) {
  ScriptedPlay& play = touch(0, "\n");
  EXPECT_TRUE(play.fake().output().empty());
  EXPECT_TRUE(recorded_waits().empty());
  EXPECT_EQ(play.line_reads(), 0);
}

TEST_F(HandleCollision, ObstructionShowsItsTextAtEveryTouchUntilItsGateOpens) {
  for (int touch_count = 0; touch_count < 2; ++touch_count) {
    ScriptedPlay& play = touch(49, "\n");
    EXPECT_EQ(recorded_waits(), info_panel_waits);
    EXPECT_EQ(panel_row(0, 15, 26), gate_text);
    EXPECT_EQ(play.remaining_input(), "");
    // The panel sinks over the map at the view the move ended with.
    TerminalScreen screen;
    play.show_screen(screen);
    EXPECT_TRUE(viewport_shows(screen, map_, 0, state_.view, {4, 23}));
  }
  EXPECT_EQ(map_.obstructions[0].cleared[0], 0);

  map_.obstructions[0].cleared[0] = 1;
  ScriptedPlay& open = touch(49, "\n");
  EXPECT_TRUE(open.fake().output().empty());
  EXPECT_TRUE(recorded_waits().empty());
}

TEST_F(HandleCollision, InformationEntryOpensOnlyOnceEnoughProblemsAreSolvedAnywhere) {
  touch(200, "\n");
  EXPECT_EQ(panel_row(0, 15, 35), "Solve one problem to open the gate.");
  EXPECT_EQ(map_.infos[0].flag[0], 0);
  EXPECT_EQ(map_.obstructions[0].cleared[0], 0);

  state_.current_level = 1;  // a problem on the other level
  touch(100, "4\n\n");
  EXPECT_EQ(state_.solved_count, 1);
  EXPECT_EQ(map_.infos[0].flag[0], 0) << "reaching the count elsewhere opens nothing";

  state_.current_level = 0;
  std::vector<std::pair<int, int>> flags_when_read;  // both flags are set before the panel waits
  touch(200, "\n", [&] {
    flags_when_read.emplace_back(map_.infos[0].flag[0], map_.obstructions[0].cleared[0]);
  });
  EXPECT_EQ(flags_when_read, (std::vector<std::pair<int, int>>{{1, 1}}));
  EXPECT_EQ(panel_row(0, 15, 17), "The gate is open!");
  EXPECT_EQ(map_.obstructions[0].cleared[1], 0) << "only the paired gate opens";

  state_.solved_count = 0;  // an unlocked entry stays unlocked
  touch(200, "\n");
  EXPECT_EQ(panel_row(0, 15, 17), "The gate is open!");
  EXPECT_EQ(recorded_waits(), info_panel_waits);
}

TEST_F(HandleCollision, InformationEntryBelowItsCountChangesNothing) {
  state_.solved_count = 1;
  touch(202, "\n");
  EXPECT_EQ(panel_row(0, 15, 19), "Solve two problems.");
  EXPECT_EQ(map_.infos[0].flag[2], 0);
  EXPECT_EQ(map_.obstructions[0].cleared[2], 0);
  state_.solved_count = 2;
  touch(202, "\n");
  EXPECT_EQ(panel_row(0, 15, 11), "Two solved.");
  EXPECT_EQ(map_.obstructions[0].cleared[2], 1);
}

TEST_F(HandleCollision, InformationEntryWithCountZeroOpensAtTheFirstTouch) {
  touch(201, "\n");
  EXPECT_EQ(panel_row(0, 15, 13), "Open at once.");
  EXPECT_EQ(map_.infos[0].flag[1], 1);
  EXPECT_EQ(map_.obstructions[0].cleared[1], 1);
  EXPECT_EQ(map_.obstructions[0].cleared[0], 0);
  // Its gate, code 48, now lets a move through.
  map_.collision_layer[0][13][20] = 48;
  int code = 0;
  EXPECT_EQ(scan_path(map_, 0, state_.view, 1, 0, 3, code), 3);
}

TEST_F(HandleCollision, ProblemIsAskedUntilAnsweredRightThenShowsItsSolvedText) {
  ScriptedPlay& wrong = touch(100, "41\n");
  EXPECT_EQ(recorded_waits(), waits({{11, 100}, {6, 200}}));
  EXPECT_EQ(panel_row(0, 15, 14), "What is 6 x 7?");
  EXPECT_EQ(map_.problems[0].flag[0], 0);
  EXPECT_EQ(state_.solved_count, 0);
  EXPECT_EQ(wrong.remaining_input(), "");

  touch(100, "042\n\n");
  EXPECT_EQ(recorded_waits(), info_panel_waits);
  EXPECT_EQ(map_.problems[0].flag[0], 1);
  EXPECT_EQ(state_.solved_count, 1);

  ScriptedPlay& again = touch(100, "\n42\n");
  EXPECT_EQ(recorded_waits(), info_panel_waits);
  EXPECT_EQ(again.line_reads(), 1) << "a solved problem asks nothing";
  EXPECT_EQ(again.remaining_input(), "42\n");
  EXPECT_EQ(state_.solved_count, 1);
  TerminalScreen screen;
  again.show_screen_at_read(screen, 0);
  EXPECT_EQ(screen.text(15, 5, 14), "Right, 42.");
  EXPECT_EQ(screen.foreground(15, 5), 151) << "shown in an information panel";
  EXPECT_EQ(screen.background(15, 5), 236);
}

TEST_F(HandleCollision, RoomTransitionPutsThePlayerOnItsTargetCell) {
  struct Case {
    int code;
    int level;
    View view;
  };
  // Same level; the other level; a target whose view lies partly outside the map.
  for (const Case& c : {Case{50, 0, {6, -6}}, Case{51, 1, {-24, -8}}, Case{52, 0, {-34, -11}}}) {
    state_ = GameState{};
    state_.solved_count = 3;
    ScriptedPlay& play = touch(c.code, "");
    EXPECT_EQ(state_.current_level, c.level) << c.code;
    EXPECT_EQ(state_.view.x, c.view.x) << c.code;
    EXPECT_EQ(state_.view.y, c.view.y) << c.code;
    EXPECT_EQ(state_.solved_count, 3);
    EXPECT_EQ(state_.running, 1);
    EXPECT_EQ(recorded_waits(), fade_and_reveal_waits);
    EXPECT_EQ(play.line_reads(), 0);
    // The reveal ends on the new map with rows 2 and 24 still covered.
    TerminalScreen screen;
    play.show_screen(screen);
    EXPECT_TRUE(viewport_shows(screen, map_, c.level, c.view, {3, 23, 0, 0})) << c.code;
    EXPECT_EQ(screen.background(2, 36), 235);
    EXPECT_EQ(screen.background(24, 36), 235);
  }
}

TEST_F(HandleCollision, ObstacleShowsItsTextAtEveryTouch) {
  for (int touch_count = 0; touch_count < 2; ++touch_count) {
    touch(255, "\n");
    EXPECT_EQ(recorded_waits(), info_panel_waits);
    EXPECT_EQ(panel_row(0, 19, 43), std::string(20, ' ') + "(There is an obstacle!)");
    EXPECT_EQ(panel_row(0, 15, 63), std::string(63, ' '));
  }
}

TEST_F(HandleCollision, FinishShowsTheWinningPageAndEndsTheGame) {
  ScriptedPlay& play = touch(254, "\nquit\n");
  EXPECT_EQ(state_.running, 0);
  EXPECT_TRUE(recorded_waits().empty());
  EXPECT_EQ(play.remaining_input(), "quit\n");
  TerminalScreen screen;
  play.show_screen_at_read(screen, 0);
  EXPECT_EQ(screen.text(9, 30, 45), "CONGRATULATIONS!");
}

// Every code from 0 to 255 on a level whose tables hold every entry a code can name: each code
// gets the reaction of its kind, with the entry its index names.
TEST(HandleEveryCode, EachCodeHasTheRuleOfItsKind) {
  TestLevel level = walled_level();
  for (int k = 0; k < 54; ++k) {
    level.obstructions.push_back("obstruction " + std::to_string(k));
    level.infos.push_back({"locked " + std::to_string(k), "info " + std::to_string(k), 0});
  }
  for (int k = 0; k < 50; ++k) level.transitions.push_back({0, 10 + k, 5});
  for (int k = 0; k < 100; ++k) level.problems.push_back({"problem " + std::to_string(k), "", 1});

  for (int code = 0; code <= 255; ++code) {
    MapData map = make_map_data({level});
    GameState state;
    ScriptedPlay play("\n");
    clear_recorded_waits();
    handle_collision(play.console(), map, state, code);
    std::string shown;
    if (play.line_reads() > 0) {
      TerminalScreen screen;
      play.show_screen_at_read(screen, 0);
      shown = screen.text(15, 5, 20);
      shown = shown.substr(0, shown.find_last_not_of(' ') + 1);
    }
    SCOPED_TRACE("code " + std::to_string(code));
    EXPECT_EQ(state.running, code == 254 ? 0 : 1);
    if (code == 0) {
      EXPECT_TRUE(recorded_waits().empty());
      EXPECT_EQ(play.line_reads(), 0);
    } else if (code <= 49) {
      EXPECT_EQ(recorded_waits(), info_panel_waits);
      EXPECT_EQ(shown, "obstruction " + std::to_string(49 - code));
    } else if (code <= 99) {
      EXPECT_EQ(recorded_waits(), fade_and_reveal_waits);
      EXPECT_EQ(state.view.x, 10 + code - 50 - 34);
      EXPECT_EQ(state.view.y, 5 - 11);
    } else if (code <= 199) {
      EXPECT_EQ(recorded_waits(), waits({{11, 100}, {6, 200}})) << "the empty answer is wrong";
      EXPECT_EQ(shown, "problem " + std::to_string(code - 100));
    } else if (code <= 253) {
      EXPECT_EQ(recorded_waits(), info_panel_waits);
      EXPECT_EQ(shown, "info " + std::to_string(code - 200));
      EXPECT_EQ(map.obstructions[0].cleared[code - 200], 1);
    } else if (code == 254) {
      EXPECT_TRUE(recorded_waits().empty());
    } else {
      EXPECT_EQ(recorded_waits(), info_panel_waits);
    }
    if (code < 200 || code > 253) {
      EXPECT_EQ(map.obstructions[0].cleared, std::vector<int>(54, 0));
    }
  }
}

}  // namespace

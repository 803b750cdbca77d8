// The rule of every cell code: panels and their texts, gates that open, room transitions and the
// finish. The progress they leave behind is played through in the whole-game test.
#include "game/events.h"

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/recording_clock.h"

namespace {

// Every code from 0 to 255, touched from view (-10, 0) of a level whose tables hold every entry
// a code can name: each code gets the reaction of its kind, with the entry its index names, and
// opens no gate but its own. Information entry k needs k % 2 solved problems (none are solved);
// room transition k leads to (10 + k, 5) of level k % 2.
TEST(HandleCollision, EachCodeHasTheRuleOfItsKind) {
  TestLevel level = walled_level();
  for (int k = 0; k < 100; ++k) {
    const std::string n = std::to_string(k);
    level.problems.push_back({"problem " + n, "", 1});
    if (k < 50) level.transitions.push_back({k % 2, 10 + k, 5});
    if (k < 54) level.obstructions.push_back("obstruction " + n);
    if (k < 54) level.infos.push_back({"locked " + n, "info " + n, k % 2});
  }
  for (int code = 0; code <= 255; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    MapData map = make_map_data({level, walled_level(100, 40)});
    GameState state;
    state.view = {-10, 0};
    FakeConsole fake("\n");
    clear_recorded_waits();
    handle_collision(fake.console(), map, state, code);

    // The waits; a telling text (row, column, text) once a line is asked for; the gates open
    // afterwards; where the player stands.
    Waits waits = info_panel_waits;
    std::tuple<int, int, std::string> telling{15, 5, ""};
    std::vector<int> cleared(54, 0);
    int level_after = 0;
    View view = state.view;
    if (code == 0) {
      waits.clear();
    } else if (code <= 49) {
      telling = {15, 5, "obstruction " + std::to_string(49 - code) + ' '};
    } else if (code <= 99) {
      waits = fade_and_reveal_waits;
      level_after = code % 2;
      view = {code - 50 + 10 - 34, 5 - 11};
    } else if (code <= 199) {
      waits = wrong_answer_waits;  // the empty answer is wrong
      telling = {15, 5, "problem " + std::to_string(code - 100) + ' '};
    } else if (code <= 253) {
      cleared[code - 200] = code % 2 == 0;
      telling = {15, 5, (code % 2 ? "locked " : "info ") + std::to_string(code - 200) + ' '};
    } else if (code == 254) {
      waits.clear();
      telling = {9, 30, "CONGRATULATIONS!"};
    } else {
      telling = {19, 25, "(There is an obstacle!)"};
    }
    EXPECT_EQ(recorded_waits(), waits);
    EXPECT_EQ(map.obstructions[0].cleared, cleared);
    EXPECT_EQ(std::tuple(state.current_level, state.view.x, state.view.y, state.running),
              std::tuple(level_after, view.x, view.y, code == 254 ? 0 : 1));
    EXPECT_EQ(fake.output().empty(), code == 0);
    TerminalScreen asked, after;  // when a line was asked for, and at the end
    show(asked, fake, fake.flushes_at_line_reads().empty() ? -1 : 0);
    show(after, fake);
    const auto& [row, column, text] = telling;
    EXPECT_EQ(asked.text(row, column, column + static_cast<int>(text.size()) - 1), text);
    // The map it leaves: the new level revealed, or the old one where the panel sank.
    if (waits == fade_and_reveal_waits || waits == info_panel_waits) {
      EXPECT_TRUE(
          shows_map(after, map, level_after, view, waits == info_panel_waits ? 13 : 0, 36, 4, 23));
    }
  }
}

}  // namespace

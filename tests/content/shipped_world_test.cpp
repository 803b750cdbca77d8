// The shipped adventure keeps the promises of its design: maps that scroll, every kind of cell
// in use, enough problems, gates that count problems solved elsewhere, a start on free ground,
// and texts that every player sees whole.
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "level/cell_codes.h"
#include "rules/game_state.h"
#include "screen/panels/panels.h"
#include "shipped_game.h"
#include "support/fake_console.h"
#include "support/terminal_screen.h"

namespace quadrivant {

namespace {

TEST(ShippedWorld, KeepsThePromisesOfItsDesign) {
  const World world = load_shipped_world();
  ASSERT_GE(world.size(), 5u) << "a hub and four realms";
  EXPECT_EQ(world[0].collision_layer.at(start_cell.x, start_cell.y), free_ground_code)
      << "the player starts on free ground";
  std::set<CellKind> kinds;
  int levels_with_problems = 0, transitions_within = 0, gates_counting_elsewhere = 0;
  for (int l = 0; l < static_cast<int>(world.size()); ++l) {
    const Level& level = world[l];
    EXPECT_TRUE(level.width > 69 && level.height > 23) << "level " << l << " scrolls";
    for (const int code : level.collision_layer.values()) kinds.insert(cell_kind(code));
    const int problems_here = static_cast<int>(level.problems.size());
    levels_with_problems += problems_here > 0 ? 1 : 0;
    for (const Problem& problem : level.problems) EXPECT_GE(problem.answer, 0) << "typed as digits";
    for (const RoomTransition& t : level.transitions) transitions_within += t.level == l;
    for (const Information& info : level.infos)
      gates_counting_elsewhere += info.required > problems_here;
  }
  EXPECT_EQ(kinds,
            (std::set<CellKind>{CellKind::free_ground, CellKind::obstruction,
                                CellKind::room_transition, CellKind::problem, CellKind::information,
                                CellKind::finish, CellKind::obstacle}));
  EXPECT_GE(problem_count(world), 22);
  EXPECT_GE(levels_with_problems, 4);
  EXPECT_GE(transitions_within, 1);
  EXPECT_GE(gates_counting_elsewhere, 2);
}

// Shows `text` in a panel on a terminal emulator and compares every panel line with the row the
// author wrote between tabs: a row that ran over, was split or was cut would differ.
void expect_shown_as_written(const std::string& text, const std::string& what) {
  FakeConsole fake;
  fill_panel_text(fake.console(), text);
  std::fflush(fake.console().out);
  TerminalScreen screen;
  screen.feed(fake.output());
  std::vector<std::string> rows(1);
  for (const char c : text) c == '\t' ? rows.emplace_back() : rows.back() += c;
  ASSERT_LE(rows.size(), 9u) << what;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::string written = rows[r];
    written.resize(std::max<std::size_t>(written.size(), 63), ' ');
    EXPECT_EQ(screen.text(15 + static_cast<int>(r), 5, 67), written) << what << ", row " << r + 1;
  }
}

TEST(ShippedWorld, EveryTextShowsInItsPanelExactlyAsWritten) {
  const World world = load_shipped_world();
  for (std::size_t l = 0; l < world.size(); ++l) {
    std::vector<std::string> texts;
    for (const Obstruction& obstruction : world[l].obstructions) texts.push_back(obstruction.text);
    for (const Problem& problem : world[l].problems) {
      texts.push_back(problem.question);
      texts.push_back(problem.solved_text);
    }
    for (const Information& info : world[l].infos) {
      texts.push_back(info.locked_text);
      texts.push_back(info.unlocked_text);
    }
    for (const std::string& text : texts)
      expect_shown_as_written(text, "level " + std::to_string(l));
  }
}

}  // namespace

}  // namespace quadrivant

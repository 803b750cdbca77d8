// The shipped adventure keeps the promises of its design: maps that scroll, every kind of cell
// in use, enough problems, gates that count problems solved elsewhere, a start on free ground,
// and texts that every player sees whole.
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "level/cell_codes.h"
#include "screen/panels.h"
#include "shipped_game.h"
#include "support/fake_console.h"
#include "support/terminal_screen.h"

namespace {

TEST(ShippedWorld, KeepsThePromisesOfItsDesign) {
  const MapData map = load_shipped_world();
  ASSERT_GE(level_count(map), 5) << "a hub and four realms";
  EXPECT_EQ(map.collision_layer[0][13][19], 0) << "the player starts on free ground";
  std::set<CellKind> kinds;
  int levels_with_problems = 0, transitions_within = 0, gates_counting_elsewhere = 0;
  for (int level = 0; level < level_count(map); ++level) {
    EXPECT_TRUE(map.width[level] > 69 && map.height[level] > 23) << "level " << level << " scrolls";
    for (const std::vector<int>& row : map.collision_layer[level])
      for (const int code : row) kinds.insert(cell_kind(code));
    const int problems_here = static_cast<int>(map.problems[level].number.size());
    levels_with_problems += problems_here > 0 ? 1 : 0;
    for (const int answer : map.problems[level].number) EXPECT_GE(answer, 0) << "typed as digits";
    for (const RoomTransition& t : map.transitions[level]) transitions_within += t.level == level;
    for (const int needed : map.infos[level].number)
      gates_counting_elsewhere += needed > problems_here;
  }
  EXPECT_EQ(kinds,
            (std::set<CellKind>{CellKind::free_ground, CellKind::obstruction,
                                CellKind::room_transition, CellKind::problem, CellKind::information,
                                CellKind::finish, CellKind::obstacle}));
  EXPECT_GE(problem_count(map), 22);
  EXPECT_GE(levels_with_problems, 4);
  EXPECT_GE(transitions_within, 1);
  EXPECT_GE(gates_counting_elsewhere, 2);
}

// Shows `text` in a panel on a terminal emulator and compares every panel line with the row the
// author wrote between tabs: a row that ran over, was split or was cut would differ.
void expect_shown_as_written(const std::string& text, const std::string& what) {
  FakeConsole fake;
  fill_panel_text(fake.console(), text, 1);
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
  const MapData map = load_shipped_world();
  for (int level = 0; level < level_count(map); ++level) {
    std::vector<std::string> texts = map.obstructions[level].text;
    for (const DialogueTable* table : {&map.problems[level], &map.infos[level]}) {
      texts.insert(texts.end(), table->first_text.begin(), table->first_text.end());
      texts.insert(texts.end(), table->second_text.begin(), table->second_text.end());
    }
    for (const std::string& text : texts)
      expect_shown_as_written(text, "level " + std::to_string(level));
  }
}

}  // namespace

// The shipped adventure keeps the promises of its design: maps that scroll, every kind of cell
// in use, enough problems, gates that count problems solved elsewhere, a start on free ground,
// and texts that every player sees whole.
#include <set>

#include <gtest/gtest.h>

#include "level/cell_codes.h"
#include "level/level_check.h"
#include "screen/panels.h"
#include "shipped_game.h"
#include "support/fake_console.h"
#include "support/terminal_screen.h"

namespace {

class ShippedWorld : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { map_ = new MapData(load_shipped_world()); }
  static void TearDownTestSuite() { delete map_; }
  static const MapData& map() { return *map_; }

 private:
  static MapData* map_;
};

MapData* ShippedWorld::map_ = nullptr;

std::set<CellKind> kinds_used(const MapData& map) {
  std::set<CellKind> kinds;
  for (const Matrix& layer : map.collision_layer) {
    for (const std::vector<int>& row : layer) {
      for (const int code : row) kinds.insert(cell_kind(code));
    }
  }
  return kinds;
}

// The rows of a panel text as its author broke it with tabs.
std::vector<std::string> authored_rows(const std::string& text) {
  std::vector<std::string> rows(1);
  for (const char c : text) {
    if (c == '\t') {
      rows.emplace_back();
    } else {
      rows.back() += c;
    }
  }
  return rows;
}

std::string without_trailing_blanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// Shows `text` in a panel on a real terminal emulator and compares every panel line with the
// row the author wrote: a row that ran over, was split or was cut would differ.
void expect_shown_as_written(const std::string& text, const std::string& what) {
  FakeConsole fake;
  fill_panel_text(fake.console(), text, 1);
  std::fflush(fake.console().out);
  TerminalScreen screen;
  screen.feed(fake.output());
  const std::vector<std::string> rows = authored_rows(text);
  ASSERT_LE(rows.size(), 9u) << what;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    EXPECT_EQ(without_trailing_blanks(screen.text(15 + static_cast<int>(r), 5, 67)),
              without_trailing_blanks(rows[r]))
        << what << ", row " << r + 1;
  }
}

TEST_F(ShippedWorld, PassesTheLoadTimeCheck) {
  EXPECT_NO_THROW(check_level_data(map()));
}

TEST_F(ShippedWorld, HasAHubAndFourRealmsEveryOneLargerThanTheViewport) {
  ASSERT_GE(level_count(map()), 5);
  for (int level = 0; level < level_count(map()); ++level) {
    EXPECT_GT(map().width[level], 69) << "level " << level;
    EXPECT_GT(map().height[level], 23) << "level " << level;
  }
}

TEST_F(ShippedWorld, StartsOnFreeGround) {
  EXPECT_EQ(map().collision_layer[0][13][19], 0);
}

TEST_F(ShippedWorld, UsesEveryKindOfCell) {
  const std::set<CellKind> kinds = kinds_used(map());
  for (const CellKind kind :
       {CellKind::free_ground, CellKind::obstruction, CellKind::room_transition, CellKind::problem,
        CellKind::information, CellKind::finish, CellKind::obstacle}) {
    EXPECT_TRUE(kinds.count(kind)) << "cell kind " << static_cast<int>(kind);
  }
}

TEST_F(ShippedWorld, HasAtLeastSixteenProblemsOverAtLeastFourLevels) {
  EXPECT_GE(problem_count(map()), 16);
  int levels_with_problems = 0;
  for (const DialogueTable& problems : map().problems) {
    levels_with_problems += problems.number.empty() ? 0 : 1;
    for (const int answer : problems.number) EXPECT_GE(answer, 0);  // the player types digits only
  }
  EXPECT_GE(levels_with_problems, 4);
}

TEST_F(ShippedWorld, HasARoomTransitionWithinALevel) {
  int within = 0;
  for (int level = 0; level < level_count(map()); ++level) {
    for (const RoomTransition& t : map().transitions[level]) within += t.level == level ? 1 : 0;
  }
  EXPECT_GE(within, 1);
}

TEST_F(ShippedWorld, SomeGatesCountProblemsSolvedOnOtherLevels) {
  int counting_elsewhere = 0;
  for (int level = 0; level < level_count(map()); ++level) {
    const int here = static_cast<int>(map().problems[level].number.size());
    for (const int needed : map().infos[level].number) counting_elsewhere += needed > here ? 1 : 0;
  }
  EXPECT_GE(counting_elsewhere, 2);
}

TEST_F(ShippedWorld, EveryTextShowsInItsPanelExactlyAsWritten) {
  for (int level = 0; level < level_count(map()); ++level) {
    const std::string where = "level " + std::to_string(level);
    for (const DialogueTable* table : {&map().problems[level], &map().infos[level]}) {
      for (std::size_t k = 0; k < table->number.size(); ++k) {
        expect_shown_as_written(table->first_text[k], where + " entry " + std::to_string(k));
        expect_shown_as_written(table->second_text[k], where + " entry " + std::to_string(k));
      }
    }
    for (const std::string& text : map().obstructions[level].text) {
      expect_shown_as_written(text, where + " obstruction");
    }
  }
}

}  // namespace

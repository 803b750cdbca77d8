// The load-time check refuses level data that would break the game in play, with one message
// naming the level, the cell and the code, and accepts data that merely looks odd.
#include "level/level_check.h"

#include <gtest/gtest.h>

#include "level/load_error.h"
#include "support/test_world.h"

namespace {

// A two-level world using every kind of code, every entry present and every transition sound.
std::vector<TestLevel> sound_world() {
  TestLevel first = walled_level();
  place_codes(first, 20, 5, {".=>?i*#"}, {{'=', 49}, {'>', 50}, {'?', 100}, {'i', 200}});
  first.obstructions = {"gate"};
  first.transitions = {{1, 99, 39}};
  first.problems = {{"question", "solved", 3}};
  first.infos = {{"locked", "unlocked", 1}};
  TestLevel second = walled_level(100, 40);
  place_codes(second, 1, 1, {">"}, {{'>', 50}});
  second.transitions = {{0, 0, 0}};
  return {first, second};
}

// The message check_level_data refuses `levels` with, or "" if it accepts them.
std::string refusal(const std::vector<TestLevel>& levels) {
  try {
    check_level_data(make_map_data(levels));
  } catch (const LoadError& error) {
    EXPECT_EQ(error.stream(), MessageStream::standard_output);
    return error.what();
  }
  return "";
}

// The sound world with `code` on cell (4, 7) of level 0.
std::string refusal_of_code(int code, std::vector<TestLevel> levels = sound_world()) {
  levels[0].codes[7][4] = code;
  return refusal(levels);
}

TEST(CheckLevelData, AcceptsASoundWorld) {
  EXPECT_EQ(refusal(sound_world()), "");
}

TEST(CheckLevelData, AcceptsDataThatMerelyLooksOdd) {
  std::vector<TestLevel> levels = sound_world();
  levels[0].problems[0].number = -5;              // can never be answered
  levels[0].infos[0].number = 1000;               // can never open
  levels[0].transitions.push_back({7, -3, 500});  // unused entries are never followed
  levels[0].obstructions.push_back("unused");
  levels[1].problems = {{"", "", 0}};
  levels[1].transitions[0] = {0, 0, 0};  // lands on the wall at the corner: odd, but on the map
  EXPECT_EQ(refusal(levels), "");
}

TEST(CheckLevelData, RefusesCodesOutsideZeroTo255) {
  EXPECT_EQ(refusal_of_code(256),
            "(;^_^) Oopsie! Level 0, cell (4, 7): code 256 is not a cell code (0 to 255)!\n");
  EXPECT_EQ(refusal_of_code(-1),
            "(;^_^) Oopsie! Level 0, cell (4, 7): code -1 is not a cell code (0 to 255)!\n");
}

TEST(CheckLevelData, RefusesCodesNamingAnEntryTheLevelLacks) {
  EXPECT_EQ(refusal_of_code(48),
            "(;^_^) Oopsie! Level 0, cell (4, 7): code 48 names obstruction 1, but the level has "
            "only 1 obstruction!\n");
  EXPECT_EQ(refusal_of_code(51),
            "(;^_^) Oopsie! Level 0, cell (4, 7): code 51 names room transition 1, but the level "
            "has only 1 room transition!\n");
  EXPECT_EQ(refusal_of_code(201),
            "(;^_^) Oopsie! Level 0, cell (4, 7): code 201 names information entry 1, but the "
            "level has only 1 information entry!\n");

  std::vector<TestLevel> levels = sound_world();
  levels[0].problems.push_back({"another", "solved", 4});
  EXPECT_EQ(refusal_of_code(103, levels),
            "(;^_^) Oopsie! Level 0, cell (4, 7): code 103 names problem 3, but the level has only "
            "2 problems!\n");
  levels[0].problems.clear();  // the problem cell of the sound world is now the first fault
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 0, cell (23, 5): code 100 names problem 0, but the level has no "
            "problems!\n");
}

TEST(CheckLevelData, ChecksTheFarEndsOfEveryTable) {
  std::vector<TestLevel> levels = sound_world();
  levels[0].obstructions.assign(54, "gate");
  levels[0].transitions.assign(50, {1, 5, 5});
  levels[0].problems.assign(100, {"q", "a", 1});
  levels[0].infos.assign(54, {"locked", "open", 0});
  place_codes(
      levels[0], 1, 1, {"abcdefgh"},
      {{'a', 1}, {'b', 49}, {'c', 50}, {'d', 99}, {'e', 100}, {'f', 199}, {'g', 200}, {'h', 253}});
  EXPECT_EQ(refusal(levels), "");
  levels[0].infos.assign(53, {"locked", "open", 0});
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 0, cell (8, 1): code 253 names information entry 53, but the "
            "level has only 53 information entries!\n");
}

TEST(CheckLevelData, RefusesAnInformationEntryWithoutTheGateItOpens) {
  std::vector<TestLevel> levels = sound_world();
  levels[0].infos.push_back({"locked", "unlocked", 0});
  EXPECT_EQ(refusal_of_code(201, levels),
            "(;^_^) Oopsie! Level 0, cell (4, 7): code 201 unlocks obstruction 1, but the level "
            "has only 1 obstruction!\n");
  levels[0].obstructions.clear();
  levels[0].codes[5][21] = 0;  // no gate cell left, but the information cell still needs one
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 0, cell (24, 5): code 200 unlocks obstruction 0, but the level "
            "has no obstructions!\n");
}

TEST(CheckLevelData, RefusesATransitionToALevelThatDoesNotExist) {
  std::vector<TestLevel> levels = sound_world();
  levels[0].transitions[0].level = 2;
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 0, cell (22, 5): code 50 leads to level 2, but the world has "
            "only levels 0 to 1!\n");
  levels[0].transitions[0].level = -1;
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 0, cell (22, 5): code 50 leads to level -1, but the world has "
            "only levels 0 to 1!\n");

  TestLevel alone = walled_level();
  alone.codes[13][20] = 50;
  alone.transitions = {{1, 5, 5}};
  EXPECT_EQ(refusal({alone}),
            "(;^_^) Oopsie! Level 0, cell (20, 13): code 50 leads to level 1, but the world has "
            "only level 0!\n");
}

TEST(CheckLevelData, RefusesATransitionToACellOutsideItsLevelsMap) {
  const std::vector<std::pair<int, int>> outside = {{100, 5}, {-1, 5}, {5, 40}, {5, -1}};
  for (const auto& [x, y] : outside) {
    std::vector<TestLevel> levels = sound_world();
    levels[0].transitions[0] = {1, x, y};
    EXPECT_EQ(refusal(levels), "(;^_^) Oopsie! Level 0, cell (22, 5): code 50 leads to cell (" +
                                   std::to_string(x) + ", " + std::to_string(y) +
                                   ") of level 1, outside its 100x40 map!\n");
  }
  std::vector<TestLevel> levels = sound_world();
  levels[1].transitions[0] = {0, 69, 0};  // measured against the target level's own map
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 1, cell (1, 1): code 50 leads to cell (69, 0) of level 0, "
            "outside its 69x23 map!\n");
}

TEST(CheckLevelData, NamesTheFirstFaultyCellInLevelOrderThenRowByRow) {
  std::vector<TestLevel> levels = sound_world();
  levels[1].codes[0][0] = 300;
  levels[0].codes[9][2] = 300;
  levels[0].codes[8][60] = 301;
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 0, cell (60, 8): code 301 is not a cell code (0 to 255)!\n");
  levels[0].codes[8][60] = 0;
  levels[0].codes[9][2] = 0;
  EXPECT_EQ(refusal(levels),
            "(;^_^) Oopsie! Level 1, cell (0, 0): code 300 is not a cell code (0 to 255)!\n");
}

}  // namespace

// The level author's checker, run as an author runs it: clean on sound worlds, and on broken
// ones every finding named with its file and entry or cell, whatever else is wrong.
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "base/utf8.h"
#include "check_worlds.h"
#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

std::string game_directory() {
  return std::string(QUADRIVANT_SOURCE_DIR) + "/game";
}

namespace {

using World = std::vector<TestLevel>;

struct Checked {
  int exit_status;
  std::string output;
};

Checked check(const World& world, const std::function<void(const std::string&)>& spoil = {},
              const std::vector<std::string>& flags = {}) {
  const std::string directory = make_temporary_directory();
  write_world(directory, world);
  if (spoil) spoil(directory);
  std::vector<std::string> arguments = flags;
  arguments.push_back(directory);
  const ProgramRun run = run_program(QUADRIVANT_CHECK_PROGRAM, arguments, directory, "");
  std::filesystem::remove_all(directory);
  // Findings name files relative to the world, as its manifest writes them.
  return {run.exit_status, run.standard_output + run.standard_error};
}

TEST(Checker, SoundWorldsAreClean) {
  const Checked test_world = check(sound_world());
  EXPECT_EQ(test_world.exit_status, 0) << test_world.output;
  EXPECT_EQ(test_world.output, "quadrivant-check: 0 errors, 0 warnings\n");
  const ProgramRun shipped = run_program(QUADRIVANT_CHECK_PROGRAM, {}, game_directory(), "");
  EXPECT_EQ(shipped.exit_status, 0) << shipped.standard_output;
  EXPECT_EQ(shipped.standard_output, "quadrivant-check: 0 errors, 0 warnings\n");
}

// Each change to the sound world, and the finding lines the checker must print (in order).
struct Case {
  std::function<void(World&)> change;
  std::vector<std::string> findings;
};

TEST(Checker, NamesEveryKindOfFaultAPlayerWouldMeet) {
  const std::string codes0 = "level0/codes.pgm: cell ";
  const std::vector<Case> cases = {
      {[](World& w) { w[0].problems[0].answer = -3; },
       {"level0/problems.txt: problem 0: error: its answer -3 cannot be typed: a player types "
        "digits only",
        "level1/codes.pgm: cell (13, 10): error: the finish can never be walked into",
        codes0 + "(30, 1): warning: the gate of obstruction 0 never opens: its information "
                 "entry needs 1 problem, but only 0 can be solved"}},
      {[](World& w) { w[0].codes[13][19] = 255; },
       {codes0 + "(19, 13): error: the player starts here, so it must be free ground (code 0), "
                 "not code 255"}},
      {[](World& w) {
         w[0].transitions[0] = {1, 13, 10};
       },
       {"level0/transitions.txt: room transition 0: error: lands the player on cell (13, 10) of "
        "level 1, which holds code 254, not free ground"}},
      {[](World& w) { w[0].codes[13][0] = 0; },
       {codes0 + "(0, 13): error: the player can walk here, on the map's edge, and a move from "
                 "here would look past the map"}},
      {[](World& w) { w[1].codes[10][13] = 0; },
       {"manifest.txt: error: no level holds the finish (code 254): the game cannot be won"}},
      {[](World& w) {
         for (int y = 9; y <= 11; ++y) w[1].codes[y][12] = w[1].codes[y][14] = 255;
         w[1].codes[9][13] = w[1].codes[11][13] = 255;
       },
       {"level1/codes.pgm: cell (13, 10): error: the finish can never be walked into, given "
        "every gate that can be opened"}},
      {[](World& w) { w[0].infos[0].required = 2; },
       {"level1/codes.pgm: cell (13, 10): error: the finish can never be walked into",
        "level0/infos.txt: information entry 0: warning: needs 2 problems solved, but the world "
        "holds only 1",
        codes0 + "(30, 1): warning: the gate of obstruction 0 never opens: its information "
                 "entry needs 2 problems, but the world holds only 1"}},
      {[](World& w) {
         w[0].codes[5][50] = 101;
         w[0].problems.push_back({"Walled in?", "Yes.", 1});
         for (const auto& [x, y] : {std::pair{49, 5}, {51, 5}, {50, 4}, {50, 6}})
           w[0].codes[y][x] = 255;
       },
       {codes0 + "(50, 5): warning: problem 1 can never be walked into, given every gate that "
                 "can be opened"}},
      {[](World& w) { w[0].problems[0].question = "A question " + std::string(600, 'o'); },
       {"level0/problems.txt: problem 0, its question: warning: is cut after the panel's 9 lines "
        "of 63 characters"}},
      {[](World& w) { w[0].obstructions[0].text = std::string(60, '.') + " gateway"; },
       {"level0/obstructions.txt: obstruction 0: warning: splits the word \"gateway\" where the "
        "panel wraps a line longer than 63 characters"}},
      {[](World& w) {
         w[1].problems = {{"Nobody asks me.", "", 1}};
       },
       {"level1/problems.txt: problem 0: warning: no cell uses it (code 100)"}},
  };
  for (const auto& [change, findings] : cases) {
    World world = sound_world();
    change(world);
    const Checked checked = check(world);
    EXPECT_EQ(checked.exit_status, 1) << checked.output;
    std::size_t at = 0;
    for (const std::string& finding : findings) {
      const std::size_t found = checked.output.find(finding, at);
      EXPECT_NE(found, std::string::npos) << "missing: " << finding << "\nin:\n" << checked.output;
      if (found != std::string::npos) at = found;
    }
  }
}

// Every entry of every table is judged, whether a cell uses it or not, and whether a cell code
// can name it at all: never a crash, never a finding about a cell that holds something else.
TEST(Checker, JudgesEveryTableEntryWhateverTheCellsUse) {
  const auto many = [](std::size_t count, auto entry) {
    std::vector<decltype(entry)> entries(count, entry);
    return entries;
  };
  const std::vector<Case> cases = {
      {[](World& w) {
         w[0].transitions.push_back({7, -3, 500});
       },
       {"level0/transitions.txt: room transition 1: warning: leads to level 7, but the world has "
        "only levels 0 to 1",
        "level0/transitions.txt: room transition 1: warning: no cell uses it (code 51)"}},
      {[](World& w) {
         w[1].transitions.push_back({0, 500, 500});
       },
       {"level1/transitions.txt: room transition 0: warning: leads to cell (500, 500) of level 0, "
        "outside its 69x23 map"}},
      {[&](World& w) { w[0].obstructions = many(51, Obstruction{"A gate."}); },
       {"level0/obstructions.txt: obstruction 49: warning: no cell can use it: the cell codes "
        "name at most 49 obstructions",
        "level0/obstructions.txt: obstruction 50: warning: no cell can use it"}},
      {[&](World& w) {
         w[0].infos.resize(57, Information{"Locked.", "Open.", 0});
         w[0].obstructions = many(57, Obstruction{"A gate."});
       },
       {"level0/infos.txt: information entry 54: warning: no cell can use it: the cell codes name "
        "at most 54 information entries",
        "level0/infos.txt: information entry 56: warning: no cell can use it",
        "level0/obstructions.txt: obstruction 54: warning: no cell can use it: the cell codes "
        "name at most 49 obstructions"}},
      {[&](World& w) {
         w[0].problems.resize(157, Problem{"Why?", "Because.", 1});
       },
       {"level0/problems.txt: problem 100: warning: no cell can use it: the cell codes name at "
        "most 100 problems",
        "level0/problems.txt: problem 156: warning: no cell can use it"}},
      {[&](World& w) {
         w[0].transitions.resize(207, RoomTransition{1, 10, 10});
       },
       {"level0/transitions.txt: room transition 50: warning: no cell can use it: the cell codes "
        "name at most 50 room transitions",
        "level0/transitions.txt: room transition 206: warning: no cell can use it"}},
  };
  for (const auto& [change, findings] : cases) {
    World world = sound_world();
    change(world);
    const Checked checked = check(world);
    EXPECT_EQ(checked.exit_status, 1) << checked.output;
    EXPECT_EQ(checked.output.find(": error: "), std::string::npos) << checked.output;
    // No finding is about a cell of free ground or of the walls: those hold no entry.
    EXPECT_EQ(checked.output.find("cell (1, 1)"), std::string::npos) << checked.output;
    EXPECT_EQ(checked.output.find("cell (0, 0)"), std::string::npos) << checked.output;
    std::size_t at = 0;
    for (const std::string& finding : findings) {
      const std::size_t found = checked.output.find(finding, at);
      EXPECT_NE(found, std::string::npos) << "missing: " << finding << "\nin:\n" << checked.output;
      if (found != std::string::npos) at = found;
    }
  }
}

// `count` copies of the UTF-8 `character`.
std::string repeated(const std::string& character, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += character;
  return text;
}

// The sound world drawn with box-drawing walls and French and Russian texts.
World world_in_utf8() {
  World world = sound_world();
  for (TestLevel& level : world) {
    level.characters = "\u2554" + repeated("\u2550", 67) + "\u2557";
    for (int y = 1; y < 22; ++y) level.characters += "\u2551" + std::string(67, '.') + "\u2551";
    level.characters += "\u255a" + repeated("\u2550", 67) + "\u255d";
  }
  world[0].problems[0].question = "LA PREMI\u00c8RE \u00c9NIGME\tCombien font 6 \u00d7 7 ?";
  world[0].infos[0].unlocked_text = repeated("\u0416", 63) + "\t\u0416\u0438\u0432\u043e!";
  return world;
}

// Characters the game shows as U+FFFD are errors, each named once a file with where it first
// stands and what to do; a world in French, Russian and box-drawing characters is sound.
TEST(Checker, NamesCharactersThatCannotTakeACellOfTheirOwn) {
  const Checked sound = check(world_in_utf8());
  EXPECT_EQ(sound.exit_status, 0) << sound.output;
  EXPECT_EQ(sound.output, "quadrivant-check: 0 errors, 0 warnings\n");

  World world = world_in_utf8();
  std::string& map = world[1].characters;
  // Cells (5, 1) and (6, 1) hold U+4E2D, (7, 2) the byte 0xE9, (1, 21) a C1 control, which shows
  // as a blank and is no fault.
  const auto cell = [&map](int x, int y) { return bytes_of_characters(map, y * 69u + x); };
  map.replace(cell(5, 1), 2, "\u4e2d\u4e2d");
  map.replace(cell(7, 2), 1, "\xe9");
  map.replace(cell(1, 21), 1, "\u009b");
  world[0].obstructions[0].text =
      "A gate\u0301 of \xe9"
      "bony\xe9.";
  const Checked checked = check(world);
  EXPECT_EQ(checked.exit_status, 1);
  EXPECT_EQ(checked.output,
            "level0/obstructions.txt: obstruction 0: error: U+0301 takes no column of its own on a "
            "terminal (a combining mark, joiner or format character), so the game shows U+FFFD in "
            "its place: use characters one column wide\n"
            "level0/obstructions.txt: obstruction 0: error: the byte \\xE9 is not part of a UTF-8 "
            "character, so the game shows U+FFFD in its place: re-save the file as UTF-8\n"
            "level1/content.txt: cell (5, 1): error: U+4E2D is two columns wide on a terminal, so "
            "the game shows U+FFFD in its place: use characters one column wide (1 more cell holds "
            "it)\n"
            "level1/content.txt: cell (7, 2): error: the byte \\xE9 is not part of a UTF-8 "
            "character, so the game shows U+FFFD in its place: re-save the file as UTF-8\n"
            "quadrivant-check: 4 errors, 0 warnings\n");
}

// Paths print with their control characters escaped, C1 controls (raw, or in UTF-8) included, so
// a terminal in 8-bit mode never takes 0x9B for the start of a control sequence.
TEST(Checker, EscapesC1ControlsInPaths) {
  const Checked checked = check(sound_world(), [](const std::string& directory) {
    std::string manifest = read_file(directory + "/manifest.txt");
    manifest.replace(manifest.find("level0/problems.txt"), 19,
                     "lev\x9b"
                     "el0/\u009b\u00e9.txt");
    write_file(directory + "/manifest.txt", manifest);
  });
  EXPECT_EQ(checked.exit_status, 1);
  const std::string shown = "lev\\x9bel0/\\xc2\\x9b\u00e9.txt";
  EXPECT_EQ(checked.output, shown + ": error: Unable to open file -> " + shown +
                                "\nquadrivant-check: 1 error, 0 warnings\n");
}

TEST(Checker, ReadsEveryFileEvenAfterARefusal) {
  const Checked checked = check(sound_world(), [](const std::string& directory) {
    std::filesystem::remove(directory + "/level0/bg.pgm");
    write_file(directory + "/level0/problems.txt", "Problems\nmany\n");
    write_file(directory + "/level1/content.txt", "Map\n60 23\n\n");
  });
  EXPECT_EQ(checked.exit_status, 1);
  EXPECT_EQ(checked.output,
            "level0/bg.pgm: error: Unable to open file -> level0/bg.pgm\n"
            "level0/problems.txt: error: The entry count of level0/problems.txt is not a number "
            "of 0 or more!\n"
            "level1/content.txt: error: Minimum map dimensions should be 69x23\n"
            "quadrivant-check: 3 errors, 0 warnings\n");
}

TEST(Checker, WarningsFailUnlessWarningsAreOkAndUsageErrorsAreTwo) {
  World world = sound_world();
  world[1].problems = {{"Nobody asks me.", "", 1}};
  EXPECT_EQ(check(world).exit_status, 1);
  const Checked relaxed = check(world, {}, {"--warnings-ok"});
  EXPECT_EQ(relaxed.exit_status, 0) << relaxed.output;
  EXPECT_TRUE(relaxed.output.ends_with("quadrivant-check: 0 errors, 1 warning\n"));

  const ProgramRun unknown = run_program(QUADRIVANT_CHECK_PROGRAM, {"--strict"}, ".", "");
  EXPECT_EQ(unknown.exit_status, 2);
  EXPECT_TRUE(
      unknown.standard_error.starts_with("quadrivant-check: unknown option --strict\n"
                                         "usage: quadrivant-check [--warnings-ok] "
                                         "[WORLD_DIR]\n"));
  const ProgramRun missing = run_program(QUADRIVANT_CHECK_PROGRAM, {"/no/such/world"}, ".", "");
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_EQ(missing.standard_error, "(;^_^) Oopsie! There is no world directory /no/such/world!\n");
}

}  // namespace

}  // namespace quadrivant

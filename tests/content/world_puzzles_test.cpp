// The shipped adventure's puzzles are in its world: enough problems are answered from what the
// maps draw or from the texts of other places, every drawing shows whole beside its question,
// every wall behaves as it looks, and the hard problems can be left without shutting any gate.
//
// A level source marks a problem answered from the world with a comment right above it:
//   # from the map: <the map characters of the drawing it asks about>
//   # from the texts of: <level> <marker>, <level> <marker>, ...
// (game/source/hub.level tells the level author the same.)
#include <algorithm>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "checker/reach.h"
#include "level/cell_codes.h"
#include "screen/panels/panels.h"
#include "screen/picture/frame.h"
#include "screen/picture/viewport.h"
#include "shipped_game.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"
#include "support/run_program.h"
#include "support/terminal_screen.h"

namespace quadrivant {

namespace {

constexpr std::string_view map_tag = "# from the map: ";
constexpr std::string_view texts_tag = "# from the texts of: ";

// A problem answered from the world, as its level source marks it.
struct WorldPuzzle {
  int level = 0;
  int problem = 0;         // its entry in the level's problem table
  std::string drawn_with;  // the map characters of its drawing; empty for one told by texts
};

// What the content tests need of the sources: the levels' names and map rows, in world.txt's
// order, and the problems marked as answered from the world.
struct SourceMarks {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> maps;
  std::vector<WorldPuzzle> puzzles;
};

std::vector<std::string> lines_of(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(read_file(path));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

SourceMarks read_source_marks() {
  const std::string source = game_directory() + "/source/";
  SourceMarks marks;
  for (const std::string& line : lines_of(source + "world.txt")) {
    if (line.starts_with("level ")) marks.names.push_back(line.substr(6));
  }
  for (std::size_t l = 0; l < marks.names.size(); ++l) {
    const std::vector<std::string> lines = lines_of(source + marks.names[l] + ".level");
    const auto map = std::ranges::find(lines, "map");
    marks.maps.emplace_back(map + 1, std::find(map, lines.end(), "end"));
    int problems = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].starts_with("problem ")) ++problems;
      const bool on_map = lines[i].starts_with(map_tag), on_texts = lines[i].starts_with(texts_tag);
      if (!on_map && !on_texts) continue;
      EXPECT_TRUE(i + 1 < lines.size() && lines[i + 1].starts_with("problem "))
          << marks.names[l] << ".level:" << i + 1 << ": a mark stands right above a problem";
      marks.puzzles.push_back(
          {static_cast<int>(l), problems, on_map ? lines[i].substr(map_tag.size()) : ""});
    }
  }
  return marks;
}

// The cells of level `l` whose map character is one of `characters`.
std::vector<Cell> cells_drawn_with(const SourceMarks& marks, int l, const std::string& characters) {
  const std::vector<std::string>& map = marks.maps[static_cast<std::size_t>(l)];
  std::vector<Cell> cells;
  for (int y = 0; y < static_cast<int>(map.size()); ++y) {
    for (int x = 0; x < static_cast<int>(map[y].size()); ++x) {
      if (characters.find(map[y][x]) != std::string::npos) cells.push_back({x, y});
    }
  }
  return cells;
}

bool is_hard(const Problem& problem) {
  return problem.question.find("(a hard one") != std::string::npos;
}

std::string named(const SourceMarks& marks, const WorldPuzzle& puzzle) {
  return marks.names[static_cast<std::size_t>(puzzle.level)] + " problem " +
         std::to_string(puzzle.problem);
}

// The shipped world as the game loads it, what its sources mark, and where a player can get to
// once every gate that can be opened is open.
class WorldPuzzles : public testing::Test {
 protected:
  const World world = load_shipped_world();
  const SourceMarks marks = read_source_marks();
  const Reach reach = open_what_can_be_opened(world).reach;
};

TEST_F(WorldPuzzles, FourteenOrMoreAnsweredFromTheWorldAndTwoInEveryPlace) {
  ASSERT_EQ(marks.names.size(), world.size());
  std::vector<int> per_level(world.size());
  for (const WorldPuzzle& puzzle : marks.puzzles) {
    ASSERT_LT(puzzle.problem, static_cast<int>(world[puzzle.level].problems.size()));
    ++per_level[static_cast<std::size_t>(puzzle.level)];
  }
  EXPECT_GE(marks.puzzles.size(), 14u);
  for (std::size_t l = 0; l < world.size(); ++l) {
    EXPECT_GE(per_level[l], 2) << "the hall and every realm: " << marks.names[l];
  }
  int hard = 0;
  for (const Level& level : world)
    hard += static_cast<int>(std::ranges::count_if(level.problems, is_hard));
  EXPECT_GE(problem_count(world), 27);
  EXPECT_GE(hard, 4);
}

// The screen while the question is asked, the player standing on `cell`: frame, map, marker and
// prompt as a turn draws them, then the problem's panel, risen and waiting for the answer. The
// test clock records the panel's waits instead of sleeping them.
void show_question(TerminalScreen& screen, const Level& level, Cell cell,
                   const std::string& question) {
  clear_recorded_waits();
  FakeConsole fake;
  draw_frame(fake.console());
  draw_map(fake.console(), level, view_of(cell));
  draw_player(fake.console(), 0, 0);
  draw_prompt(fake.console());
  open_problem_panel(fake.console(), question);
  screen.feed(fake.output());
}

// Whether every cell of `drawing` shows on `screen` as the map draws it, seen from `player`.
bool shows_whole(const TerminalScreen& screen, const Level& level, Cell player,
                 const std::vector<Cell>& drawing) {
  return std::ranges::all_of(drawing, [&](Cell cell) {
    const int row = home_row + cell.y - player.y, column = home_column + cell.x - player.x;
    if (row < 1 || row > screen_rows || column < 1 || column > screen_columns) return false;
    const char c = level.character(cell.x, cell.y);
    return screen.character(row, column) == c &&
           screen.background(row, column) == level.bg_layer.at(cell.x, cell.y) &&
           (c == ' ' || screen.foreground(row, column) == level.fg_layer.at(cell.x, cell.y));
  });
}

// Where a player can stand to walk into problem `k` of level `l`: free ground in reach beside one
// of its cells.
std::vector<Cell> cells_beside_problem(const World& world, const Reach& reach, int l, int k) {
  const Level& level = world[static_cast<std::size_t>(l)];
  std::vector<Cell> beside;
  for (int y = 0; y < level.height; ++y) {
    for (int x = 0; x < level.width; ++x) {
      if (level.collision_layer.at(x, y) != problem_base + k) continue;
      for (const Cell next : {Cell{x - 1, y}, Cell{x + 1, y}, Cell{x, y - 1}, Cell{x, y + 1}}) {
        if (level.contains(next.x, next.y) &&
            reach.ground[static_cast<std::size_t>(l)]
                        [static_cast<std::size_t>(next.y * level.width + next.x)] &&
            level.collision_layer.at(next.x, next.y) == free_ground_code)
          beside.push_back(next);
      }
    }
  }
  return beside;
}

// The question asks about a drawing: from some cell beside the problem, while the question is
// asked, every cell drawn with the drawing's characters shows on screen, under neither the prompt
// box, the panel nor the player's marker.
TEST_F(WorldPuzzles, EveryDrawingShowsWholeBesideItsQuestion) {
  for (const WorldPuzzle& puzzle : marks.puzzles) {
    if (puzzle.drawn_with.empty()) continue;
    const Level& level = world[static_cast<std::size_t>(puzzle.level)];
    const std::vector<Cell> drawing = cells_drawn_with(marks, puzzle.level, puzzle.drawn_with);
    for (const char c : puzzle.drawn_with) {
      EXPECT_FALSE(cells_drawn_with(marks, puzzle.level, std::string(1, c)).empty())
          << named(marks, puzzle) << ": '" << c << "' is not on the map";
    }
    const std::string& question = level.problems[static_cast<std::size_t>(puzzle.problem)].question;
    const std::vector<Cell> beside =
        cells_beside_problem(world, reach, puzzle.level, puzzle.problem);
    EXPECT_FALSE(beside.empty()) << named(marks, puzzle);
    EXPECT_TRUE(std::ranges::any_of(beside,
                                    [&](Cell cell) {
                                      TerminalScreen screen;
                                      show_question(screen, level, cell, question);
                                      return shows_whole(screen, level, cell, drawing);
                                    }))
        << named(marks, puzzle) << ": its drawing (" << puzzle.drawn_with
        << ") is not all on screen while it is asked";
  }
}

// With every hard problem left unsolved, every gate still opens and the seat can be taken.
TEST(ShippedWorld, EveryGateOpensWithoutTheHardProblems) {
  World world = load_shipped_world();
  int hard = 0;
  for (Level& level : world) {
    for (Problem& problem : level.problems) {
      if (!is_hard(problem)) continue;
      problem.answer = -1;  // an answer no player can type: the problem stays unsolved
      ++hard;
    }
  }
  ASSERT_GE(hard, 4);
  const Opening opening = open_what_can_be_opened(world);
  EXPECT_EQ(opening.solvable, problem_count(world) - hard);
  for (std::size_t l = 0; l < world.size(); ++l) {
    for (std::size_t k = 0; k < world[l].obstructions.size(); ++k) {
      EXPECT_TRUE(opening.open[l][k]) << "level " << l << ", gate " << k;
    }
  }
  EXPECT_TRUE(std::ranges::any_of(opening.reach.touched, [](const std::map<int, Cell>& codes) {
    return codes.contains(finish_code);
  }));
}

// What a cell looks like from afar: its character, or for a blank, its background.
std::string look_of(const Level& level, int x, int y) {
  const char c = level.character(x, y);
  return c == ' ' ? "a blank on " + std::to_string(level.bg_layer.at(x, y)) : std::string(1, c);
}

// Nothing drawn like a wall, a door, a post or a star lets the player walk over it, and nothing
// drawn like the floor stops a walk: no look is shared by free ground and a cell that always
// blocks, anywhere in the world.
TEST(ShippedWorld, EveryCellDrawnLikeAWallIsOne) {
  const World world = load_shipped_world();
  std::map<std::string, std::string> blocking, ground;  // look -> the first cell showing it
  for (std::size_t l = 0; l < world.size(); ++l) {
    const Level& level = world[l];
    for (int y = 0; y < level.height; ++y) {
      for (int x = 0; x < level.width; ++x) {
        const int code = level.collision_layer.at(x, y);
        if (code != free_ground_code && code < room_transition_base) continue;  // gates open
        const std::string where = "level " + std::to_string(l) + ", cell (" + std::to_string(x) +
                                  ", " + std::to_string(y) + ")";
        (code == free_ground_code ? ground : blocking).emplace(look_of(level, x, y), where);
      }
    }
  }
  for (const auto& [look, where] : ground) {
    EXPECT_FALSE(blocking.contains(look))
        << "'" << look << "' is free ground at " << where << " but blocks at " << blocking.at(look);
  }
  EXPECT_TRUE(blocking.contains("#") && ground.contains("."));
}

}  // namespace

}  // namespace quadrivant

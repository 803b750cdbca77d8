// Small test worlds, described in memory and either handed to the game directly (make_world) or
// written out as the complete set of files a level author would ship (write_world):
// manifest.txt plus, for every level, three image layers, a content file and the four tables.
//
// Typical use:
//   TestLevel level = walled_level();  // 69 x 23, free ground inside a ring of 255
//   level.codes[13][21] = 49;          // cell (21, 13): obstruction 0
//   level.obstructions = {{"A gate."}};
//   write_world(directory, {level});   // or: World world = make_world({level});
//
// The player starts on cell (19, 13) of level 0.
#pragma once

#include <string>
#include <vector>

#include "level/world.h"

namespace quadrivant {

// Cell codes addressed [y][x], which reads like the map it describes.
using CodeGrid = std::vector<std::vector<int>>;

// The layer of `rows`, addressed [y][x].
Layer layer_of(const CodeGrid& rows);

struct TestLevel {
  // Its size is the level's size (the loader wants at least 69 x 23). Every cell shows '#' but
  // free ground, which shows a letter or digit (never 'X') that differs from its neighbours', so
  // a map shown at the wrong place, or a marker in the wrong cell, is plain to see.
  CodeGrid codes;
  std::vector<RoomTransition> transitions;  // entry k: code 50 + k
  std::vector<Problem> problems;            // entry k: code 100 + k
  std::vector<Information> infos;           // entry k: code 200 + k
  std::vector<Obstruction> obstructions;    // entry k: code 49 - k
  // The map's characters, one UTF-8 string for all rows; empty: the letters and '#' above.
  std::string characters;
};

// A level of width x height cells: free ground (code 0) inside a one-cell ring of obstacles
// (code 255), so every move stays on the map.
TestLevel walled_level(int width = 69, int height = 23);

// A walled level whose tables hold every entry a code can name, each text naming its entry:
// problem k "problem k" (solved text "solved k", answer 1), room transition k to (10 + k, 5) of
// level k % 2, obstruction k "obstruction k" (49..53 only as gates of information entries
// 49..53), information entry k "locked k" / "info k" needing k % 2 solved problems.
TestLevel level_with_every_entry();

// The world the loader builds from these levels, for tests that need no files. Both colours of
// a cell are its code, so cells of different kinds look different.
World make_world(const std::vector<TestLevel>& levels);

// Writes manifest.txt and every level's eight files (in level<k>/ subdirectories, plain grey
// images) into `directory`, made if missing, with the game's own world writer. The manifest names
// them relative to it: load it with `directory` as the world's directory, or play with it as
// working directory.
void write_world(const std::string& directory, const std::vector<TestLevel>& levels);

}  // namespace quadrivant

// Small test worlds, described in memory and either handed to the game directly (make_map_data)
// or written out as the complete set of files a level author would ship (write_world):
// manifest.txt plus, for every level, three image layers, a content file and the four tables.
//
// Typical use:
//   TestLevel level = walled_level();  // 69 x 23, free ground inside a ring of 255
//   level.codes[13][21] = 49;          // cell (21, 13): obstruction 0
//   level.obstructions = {"A gate."};
//   write_world(directory, {level});   // or: MapData map = make_map_data({level});
//
// The player starts on cell (19, 13) of level 0.
#pragma once

#include <string>
#include <vector>

#include "level/map_data.h"

// One problem (question, solved text, answer) or information entry (locked text, unlocked text,
// problems required).
struct TestDialogue {
  std::string first_text;
  std::string second_text;
  int number = 0;
};

struct TestLevel {
  // Cell codes addressed [y][x]. Its size is the level's size (the loader wants at least 69 x 23).
  // Every cell shows '#' but free ground, which shows a letter or digit (never 'X') that differs
  // from its neighbours', so a map shown at the wrong place, or a marker in the wrong cell, is
  // plain to see.
  Matrix codes;
  std::vector<RoomTransition> transitions;  // entry k: code 50 + k
  std::vector<TestDialogue> problems;       // entry k: code 100 + k
  std::vector<TestDialogue> infos;          // entry k: code 200 + k
  std::vector<std::string> obstructions;    // entry k: code 49 - k
};

// A level of width x height cells: free ground (code 0) inside a one-cell ring of obstacles
// (code 255), so every move stays on the map.
TestLevel walled_level(int width = 69, int height = 23);

// The world the loader builds from these levels (every flag 0), for tests that need no files.
// Both colours of a cell are its code, so cells of different kinds look different.
MapData make_map_data(const std::vector<TestLevel>& levels);

// Writes manifest.txt and every level's eight files (in level<k>/ subdirectories, plain grey
// images) into the existing `directory`. The manifest names them relative to it: play with it as
// working directory.
void write_world(const std::string& directory, const std::vector<TestLevel>& levels);

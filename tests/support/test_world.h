// Small test worlds, described in memory and either handed to the game directly (make_map_data)
// or written out as the complete set of files a level author would ship (write_world):
// manifest.txt plus, for every level, three image layers, a content file and the four tables.
//
// Typical use:
//   TestLevel level = walled_level();              // 69 x 23, free ground inside a ring of 255
//   place_codes(level, 20, 13, {"..=#"}, {{'=', 49}});  // cells (20..23, 13)
//   level.obstructions = {"A gate."};              // code 49 is obstruction 0
//   write_world(directory, {level});               // or: MapData map = make_map_data({level});
//
// The player starts on cell (19, 13) of level 0 (start_x, start_y).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "level/map_data.h"

inline constexpr int start_x = 19;
inline constexpr int start_y = 13;

// One problem (question, solved text, answer) or information entry (locked text, unlocked text,
// problems required).
struct TestDialogue {
  std::string first_text;
  std::string second_text;
  int number = 0;
};

// How the three image layers of a level are written: plain (P2) or raw (P5) grey images. A raw
// layer can only hold values 0..255.
enum class TestImageFormat { plain_pgm, raw_pgm };

struct TestLevel {
  // Cell codes addressed [y][x]. Its size is the level's size (the loader wants at least 69 x 23).
  Matrix codes;
  // The character of every cell, one string per row; left empty, each cell shows a character
  // chosen by its code ('.' ground, '#' obstacle, '=' obstruction, '>' room transition,
  // '?' problem, 'i' information entry, '*' finish).
  std::vector<std::string> content;
  std::vector<RoomTransition> transitions;  // entry k: code 50 + k
  std::vector<TestDialogue> problems;       // entry k: code 100 + k
  std::vector<TestDialogue> infos;          // entry k: code 200 + k
  std::vector<std::string> obstructions;    // entry k: code 49 - k
  TestImageFormat image_format = TestImageFormat::plain_pgm;
};

// A level of width x height cells: free ground (code 0) inside a one-cell ring of obstacles
// (code 255), so every move stays on the map.
TestLevel walled_level(int width = 69, int height = 23);

// Writes a block of codes into `level` with its top-left cell at (x, y), one character per cell:
// '.' free ground (0), '#' obstacle (255), '*' finish (254), ' ' leaves the cell as it is; any
// other character must be in `legend`.
void place_codes(TestLevel& level, int x, int y, const std::vector<std::string>& rows,
                 const std::map<char, int>& legend = {});

// The world the loader builds from these levels (every flag 0), for tests that need no files.
MapData make_map_data(const std::vector<TestLevel>& levels);

// Writes manifest.txt and every level's eight files (in level<k>/ subdirectories) into the
// existing `directory`. The manifest names them relative to it: play with it as working directory.
void write_world(const std::string& directory, const std::vector<TestLevel>& levels);

// The colours the world gives a cell of `code` (the same in files and in make_map_data).
int test_foreground(int code);
int test_background(int code);

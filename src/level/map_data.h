// The loaded world. Every member holds one element per level, indexed by the level number
// 0 .. levels - 1 in manifest order. generate_map_data builds it once, before anything is
// drawn; afterwards only the three progress flags change (problems.flag, infos.flag and
// obstructions.cleared), and only from 0 to 1.
#pragma once

#include <string>
#include <vector>

// One image layer, addressed [y][x]: y from 0 at the top, x from 0 at the left.
using Matrix = std::vector<std::vector<int>>;

// Where a room transition leads: the player then stands on cell (x, y) of `level`.
struct RoomTransition {
  int level = 0;
  int x = 0;
  int y = 0;
};

// Problems and information entries: four parallel arrays, entry k is element k of each.
//   problems: first_text = question, second_text = solved text, number = answer, flag = solved
//   infos:    first_text = locked text, second_text = unlocked text,
//             number = problems to solve (over all levels), flag = unlocked
struct DialogueTable {
  std::vector<std::string> first_text;
  std::vector<std::string> second_text;
  std::vector<int> number;
  std::vector<int> flag;
};

// Obstruction k (cell code 49 - k): its text and whether its gate has been opened.
struct ObstructionTable {
  std::vector<std::string> text;
  std::vector<int> cleared;
};

struct MapData {
  std::vector<Matrix> fg_layer;                   // xterm colour index of each cell's character
  std::vector<Matrix> bg_layer;                   // xterm colour index of each cell's background
  std::vector<Matrix> collision_layer;            // cell code of each cell, 0..255
  std::vector<std::vector<std::string>> content;  // [level][y]: exactly width bytes per row
  std::vector<int> width;                         // at least 69
  std::vector<int> height;                        // at least 23
  std::vector<std::vector<RoomTransition>> transitions;  // entry k: cell code 50 + k
  std::vector<DialogueTable> problems;                   // entry k: cell code 100 + k
  std::vector<DialogueTable> infos;                      // entry k: cell code 200 + k
  std::vector<ObstructionTable> obstructions;            // entry k: cell code 49 - k
};

// Number of levels in the world.
inline int level_count(const MapData& map) {
  return static_cast<int>(map.width.size());
}

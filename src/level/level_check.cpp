#include "level/level_check.h"

#include <string>

#include "level/cell_codes.h"
#include "level/load_error.h"

namespace {

// "no problems", "only 1 problem", "only 3 problems".
std::string count_phrase(std::size_t count, const std::string& singular,
                         const std::string& plural) {
  if (count == 0) return "no " + plural;
  if (count == 1) return "only 1 " + singular;
  return "only " + std::to_string(count) + " " + plural;
}

std::string cell_name(int x, int y) {
  return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

struct TableSize {
  std::string singular;
  std::string plural;
  std::size_t size;
};

// The table of `level` that a code of `kind` names an entry of.
TableSize table_for(const MapData& map, int level, CellKind kind) {
  switch (kind) {
    case CellKind::obstruction:
      return {"obstruction", "obstructions", map.obstructions[level].text.size()};
    case CellKind::room_transition:
      return {"room transition", "room transitions", map.transitions[level].size()};
    case CellKind::problem:
      return {"problem", "problems", map.problems[level].first_text.size()};
    default:
      return {"information entry", "information entries", map.infos[level].first_text.size()};
  }
}

std::string missing_entry(const TableSize& table, int k) {
  return "names " + table.singular + " " + std::to_string(k) + ", but the level has " +
         count_phrase(table.size, table.singular, table.plural);
}

// What is wrong with where a room transition leads, or "" if the player can be put there.
std::string transition_fault(const MapData& map, const RoomTransition& target) {
  const int levels = level_count(map);
  const std::string leads_to = "leads to level " + std::to_string(target.level);
  if (target.level < 0 || target.level >= levels) {
    return leads_to + ", but the world has only " +
           (levels == 1 ? std::string("level 0") : "levels 0 to " + std::to_string(levels - 1));
  }
  const int width = map.width[target.level], height = map.height[target.level];
  if (target.x < 0 || target.x >= width || target.y < 0 || target.y >= height) {
    return "leads to " + cell_name(target.x, target.y) + " of level " +
           std::to_string(target.level) + ", outside its " + std::to_string(width) + "x" +
           std::to_string(height) + " map";
  }
  return "";
}

// What is wrong with a cell of `code` on `level`, or "" if the game can play it.
std::string code_fault(const MapData& map, int level, int code) {
  const CellKind kind = cell_kind(code);
  switch (kind) {
    case CellKind::not_a_code:
      return "is not a cell code (0 to 255)";
    case CellKind::free_ground:
    case CellKind::finish:
    case CellKind::obstacle:
      return "";
    default:
      break;
  }
  const int k = entry_index(code);
  const TableSize table = table_for(map, level, kind);
  if (static_cast<std::size_t>(k) >= table.size) return missing_entry(table, k);
  if (kind == CellKind::information) {
    const TableSize obstructions = table_for(map, level, CellKind::obstruction);
    if (static_cast<std::size_t>(k) >= obstructions.size) {
      return "unlocks obstruction " + std::to_string(k) + ", but the level has " +
             count_phrase(obstructions.size, obstructions.singular, obstructions.plural);
    }
  }
  if (kind == CellKind::room_transition) return transition_fault(map, map.transitions[level][k]);
  return "";
}

// What is wrong with a colour of a cell, or "" if the terminal can show it.
std::string colour_fault(const char* layer, int colour) {
  if (colour >= 0 && colour <= 255) return "";
  return std::string(layer) + " colour " + std::to_string(colour) +
         " is not an xterm colour (0 to 255)";
}

// The first fault of cell (x, y): its code first, then its colours.
std::string cell_fault(const MapData& map, int level, std::size_t x, std::size_t y) {
  const int code = map.collision_layer[level][y][x];
  const std::string fault = code_fault(map, level, code);
  if (!fault.empty()) return "code " + std::to_string(code) + " " + fault;
  const std::string foreground = colour_fault("foreground", map.fg_layer[level][y][x]);
  if (!foreground.empty()) return foreground;
  return colour_fault("background", map.bg_layer[level][y][x]);
}

}  // namespace

void check_level_data(const MapData& map) {
  for (int level = 0; level < level_count(map); ++level) {
    const Matrix& codes = map.collision_layer[level];
    for (std::size_t y = 0; y < codes.size(); ++y) {
      for (std::size_t x = 0; x < codes[y].size(); ++x) {
        const std::string fault = cell_fault(map, level, x, y);
        if (fault.empty()) continue;
        throw LoadError("(;^_^) Oopsie! Level " + std::to_string(level) + ", " +
                            cell_name(static_cast<int>(x), static_cast<int>(y)) + ": " + fault +
                            "!\n",
                        MessageStream::standard_output);
      }
    }
  }
}

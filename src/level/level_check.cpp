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
TableSize table_for(const Level& level, CellKind kind) {
  switch (kind) {
    case CellKind::obstruction:
      return {"obstruction", "obstructions", level.obstructions.size()};
    case CellKind::room_transition:
      return {"room transition", "room transitions", level.transitions.size()};
    case CellKind::problem:
      return {"problem", "problems", level.problems.size()};
    default:
      return {"information entry", "information entries", level.infos.size()};
  }
}

std::string missing_entry(const TableSize& table, int k) {
  return "names " + table.singular + " " + std::to_string(k) + ", but the level has " +
         count_phrase(table.size, table.singular, table.plural);
}

// What is wrong with where a room transition leads, or "" if the player can be put there.
std::string transition_fault(const World& world, const RoomTransition& target) {
  const int levels = static_cast<int>(world.size());
  const std::string leads_to = "leads to level " + std::to_string(target.level);
  if (target.level < 0 || target.level >= levels) {
    return leads_to + ", but the world has only " +
           (levels == 1 ? std::string("level 0") : "levels 0 to " + std::to_string(levels - 1));
  }
  const Level& to = world[static_cast<std::size_t>(target.level)];
  const int width = to.width, height = to.height;
  if (!to.contains(target.x, target.y)) {
    return "leads to " + cell_name(target.x, target.y) + " of level " +
           std::to_string(target.level) + ", outside its " + std::to_string(width) + "x" +
           std::to_string(height) + " map";
  }
  return "";
}

// What is wrong with a cell of `code` on `level` of `world`, or "" if the game can play it.
std::string code_fault(const World& world, const Level& level, int code) {
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
  const TableSize table = table_for(level, kind);
  if (static_cast<std::size_t>(k) >= table.size) return missing_entry(table, k);
  if (kind == CellKind::information) {
    const int gate = gate_of_information(k);
    const TableSize obstructions = table_for(level, CellKind::obstruction);
    if (static_cast<std::size_t>(gate) >= obstructions.size) {
      return "unlocks obstruction " + std::to_string(gate) + ", but the level has " +
             count_phrase(obstructions.size, obstructions.singular, obstructions.plural);
    }
  }
  if (kind == CellKind::room_transition) {
    return transition_fault(world, level.transitions[static_cast<std::size_t>(k)]);
  }
  return "";
}

// What is wrong with a colour of a cell, or "" if the terminal can show it.
std::string colour_fault(const char* layer, int colour) {
  if (colour >= 0 && colour <= highest_colour) return "";
  return std::string(layer) + " colour " + std::to_string(colour) +
         " is not an xterm colour (0 to 255)";
}

// The first fault of cell (x, y): its code first, then its colours.
std::string cell_fault(const World& world, const Level& level, int x, int y) {
  const int code = level.collision_layer.at(x, y);
  const std::string fault = code_fault(world, level, code);
  if (!fault.empty()) return "code " + std::to_string(code) + " " + fault;
  const std::string foreground = colour_fault("foreground", level.fg_layer.at(x, y));
  if (!foreground.empty()) return foreground;
  return colour_fault("background", level.bg_layer.at(x, y));
}

}  // namespace

std::vector<LevelDataFault> level_data_faults(const World& world, std::size_t most) {
  std::vector<LevelDataFault> faults;
  for (std::size_t k = 0; k < world.size(); ++k) {
    const Level& level = world[k];
    for (int y = 0; y < level.collision_layer.height(); ++y) {
      for (int x = 0; x < level.collision_layer.width(); ++x) {
        std::string fault = cell_fault(world, level, x, y);
        if (fault.empty()) continue;
        if (faults.size() == most) return faults;
        faults.push_back({static_cast<int>(k), x, y, std::move(fault)});
      }
    }
  }
  return faults;
}

std::string level_data_message(const LevelDataFault& fault) {
  return "(;^_^) Oopsie! Level " + std::to_string(fault.level) + ", " +
         cell_name(fault.x, fault.y) + ": " + fault.what + "!\n";
}

void check_level_data(const World& world) {
  const std::vector<LevelDataFault> faults = level_data_faults(world, 1);
  if (!faults.empty()) {
    throw LoadError(level_data_message(faults.front()), MessageStream::standard_output);
  }
}

#include "level/unplayable_cells.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "base/failure.h"
#include "base/text.h"
#include "level/cell_codes.h"

namespace quadrivant {

namespace {

// "no problems", "only 1 problem", "only 3 problems".
std::string count_phrase(std::size_t count, const std::string& singular,
                         const std::string& plural) {
  if (count == 0) return "no " + plural;
  return "only " + counted(count, singular, plural);
}

std::string cell_name(int x, int y) {
  return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// Names for messages only: nothing here allocates unless a cell is at fault.
struct TableSize {
  const char* singular;
  const char* plural;
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

// What can be wrong with a cell. Cells are judged by kind alone, which costs no text; the words of
// a message are found only for a cell at fault.
enum class Fault {
  none,
  not_a_code,     // the code is outside 0..255
  missing_entry,  // the code names an entry its level's table lacks
  missing_gate,   // an information entry without the obstruction it clears
  missing_level,  // a room transition to a level the world lacks
  outside_map,    // a room transition to a cell outside its level's map
  foreground,     // a foreground colour outside 0..255
  background,     // a background colour outside 0..255
};

Fault transition_fault(const World& world, const RoomTransition& target) {
  if (target.level < 0 || static_cast<std::size_t>(target.level) >= world.size()) {
    return Fault::missing_level;
  }
  const Level& to = world[static_cast<std::size_t>(target.level)];
  return to.contains(target.x, target.y) ? Fault::none : Fault::outside_map;
}

Fault code_fault(const World& world, const Level& level, int code) {
  const CellKind kind = cell_kind(code);
  switch (kind) {
    case CellKind::not_a_code:
      return Fault::not_a_code;
    case CellKind::free_ground:
    case CellKind::finish:
    case CellKind::obstacle:
      return Fault::none;
    default:
      break;
  }
  const auto k = static_cast<std::size_t>(entry_index(code));
  if (k >= table_for(level, kind).size) return Fault::missing_entry;
  if (kind == CellKind::information && static_cast<std::size_t>(gate_of_information(
                                           static_cast<int>(k))) >= level.obstructions.size()) {
    return Fault::missing_gate;
  }
  if (kind == CellKind::room_transition) return transition_fault(world, level.transitions[k]);
  return Fault::none;
}

// What is wrong with each of the 256 codes on `level`: a code's fault depends on the level and the
// world, never on the cell that holds it.
using CodeFaults = std::array<Fault, highest_code + 1>;

CodeFaults code_faults(const World& world, const Level& level) {
  CodeFaults faults{};
  for (int code = 0; code <= highest_code; ++code) {
    faults[static_cast<std::size_t>(code)] = code_fault(world, level, code);
  }
  return faults;
}

// The first fault of cell (x, y): its code first, then its colours.
Fault cell_fault(const Level& level, const CodeFaults& faults, int x, int y) {
  const int code = level.collision_layer.at(x, y);
  if (code < 0 || code > highest_code) return Fault::not_a_code;
  if (faults[static_cast<std::size_t>(code)] != Fault::none) {
    return faults[static_cast<std::size_t>(code)];
  }
  if (!is_colour(level.fg_layer.at(x, y))) return Fault::foreground;
  if (!is_colour(level.bg_layer.at(x, y))) return Fault::background;
  return Fault::none;
}

// Which of the 256 codes a layer of bytes holds, found in one pass over its cells.
using CodesHeld = std::array<bool, highest_code + 1>;

CodesHeld codes_held(std::span<const std::uint8_t> codes) {
  CodesHeld held{};
  // Four cells a step: a step per cell spends as much on counting as on the cell.
  std::size_t i = 0;
  for (; i + 4 <= codes.size(); i += 4) {
    held[codes[i]] = true;
    held[codes[i + 1]] = true;
    held[codes[i + 2]] = true;
    held[codes[i + 3]] = true;
  }
  for (; i < codes.size(); ++i) held[codes[i]] = true;
  return held;
}

// True when a look at the codes present is enough to tell that no cell of `level` is at fault:
// every value of a layer kept in bytes is a colour and a cell code. The layer is read once,
// however many codes the level's tables leave unnamed.
bool no_cell_at_fault(const Level& level, const CodeFaults& faults) {
  if (!level.fg_layer.is_narrow() || !level.bg_layer.is_narrow() ||
      !level.collision_layer.is_narrow()) {
    return false;
  }
  const CodesHeld held = codes_held(level.collision_layer.byte_cells());
  for (std::size_t code = 0; code < faults.size(); ++code) {
    if (held[code] && faults[code] != Fault::none) return false;
  }
  return true;
}

std::string colour_words(const char* layer, int colour) {
  return std::string(layer) + " colour " + std::to_string(colour) +
         " is not an xterm colour (0 to 255)";
}

std::string missing_entry_words(const TableSize& table, int k) {
  return "names " + std::string(table.singular) + " " + std::to_string(k) + ", but the level has " +
         count_phrase(table.size, table.singular, table.plural);
}

std::string transition_words(const World& world, const RoomTransition& target, Fault fault) {
  if (fault == Fault::missing_level) {
    return "leads to level " + std::to_string(target.level) + ", but the world has only " +
           level_numbers(world.size());
  }
  const Level& to = world[static_cast<std::size_t>(target.level)];
  return "leads to " + cell_name(target.x, target.y) + " of level " + std::to_string(target.level) +
         ", outside its " + std::to_string(to.width) + "x" + std::to_string(to.height) + " map";
}

// What is wrong with cell (x, y), whose fault is `fault`, in words.
std::string fault_words(const World& world, const Level& level, int x, int y, Fault fault) {
  const int code = level.collision_layer.at(x, y);
  const std::string code_words = "code " + std::to_string(code) + " ";
  const int k = entry_index(code);
  switch (fault) {
    case Fault::not_a_code:
      return code_words + "is not a cell code (0 to 255)";
    case Fault::missing_entry:
      return code_words + missing_entry_words(table_for(level, cell_kind(code)), k);
    case Fault::missing_gate: {
      const TableSize obstructions = table_for(level, CellKind::obstruction);
      return code_words + "unlocks obstruction " + std::to_string(gate_of_information(k)) +
             ", but the level has " +
             count_phrase(obstructions.size, obstructions.singular, obstructions.plural);
    }
    case Fault::missing_level:
    case Fault::outside_map:
      return code_words +
             transition_words(world, level.transitions[static_cast<std::size_t>(k)], fault);
    case Fault::foreground:
      return colour_words("foreground", level.fg_layer.at(x, y));
    case Fault::background:
      return colour_words("background", level.bg_layer.at(x, y));
    case Fault::none:
      break;
  }
  return "";
}

// Calls `visit(x, y, fault)` for every cell of level `k` at fault, row by row, while it returns
// true; returns false once it has returned false.
template <class Visit>
bool visit_faulty_cells(const World& world, std::size_t k, Visit visit) {
  const Level& level = world[k];
  const CodeFaults faults_of_codes = code_faults(world, level);
  if (no_cell_at_fault(level, faults_of_codes)) return true;
  for (int y = 0; y < level.collision_layer.height(); ++y) {
    for (int x = 0; x < level.collision_layer.width(); ++x) {
      const Fault fault = cell_fault(level, faults_of_codes, x, y);
      if (fault != Fault::none && !visit(x, y, fault)) return false;
    }
  }
  return true;
}

}  // namespace

std::vector<UnplayableCell> unplayable_cells(const World& world, std::size_t most) {
  std::vector<UnplayableCell> faults;
  for (std::size_t k = 0; k < world.size(); ++k) {
    const bool went_on = visit_faulty_cells(world, k, [&](int x, int y, Fault fault) {
      if (faults.size() == most) return false;
      faults.push_back({static_cast<int>(k), x, y, fault_words(world, world[k], x, y, fault)});
      return true;
    });
    if (!went_on) break;
  }
  return faults;
}

LevelFaults unplayable_cells_of_level(const World& world, std::size_t k, std::size_t most) {
  LevelFaults faults;
  visit_faulty_cells(world, k, [&](int x, int y, Fault fault) {
    if (faults.first.size() < most) {
      faults.first.push_back(
          {static_cast<int>(k), x, y, fault_words(world, world[k], x, y, fault)});
    }
    ++faults.count;
    return true;
  });
  return faults;
}

std::string unplayable_cell_message(const UnplayableCell& cell) {
  return oopsie("Level " + std::to_string(cell.level) + ", " + cell_name(cell.x, cell.y) + ": " +
                cell.what + "!\n");
}

void refuse_unplayable_world(const World& world) {
  const std::vector<UnplayableCell> cells = unplayable_cells(world, 1);
  if (!cells.empty()) {
    throw Failure(unplayable_cell_message(cells.front()), Stream::standard_output);
  }
}

std::string transition_target_fault(const World& world, const RoomTransition& target) {
  const Fault fault = transition_fault(world, target);
  return fault == Fault::none ? "" : transition_words(world, target, fault);
}

}  // namespace quadrivant

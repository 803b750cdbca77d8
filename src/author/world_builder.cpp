#include "author/world_builder.h"

#include <algorithm>
#include <limits>

#include "author/panel_fit.h"
#include "level/cell_codes.h"

namespace quadrivant {

namespace {

// A map fills the viewport at the least.
constexpr int minimum_width = minimum_level_width;
constexpr int minimum_height = minimum_level_height;
// Every information entry pairs with the obstruction of its index, so both tables bound it.
constexpr int most_infos = most_informations;
constexpr long long largest_number = std::numeric_limits<int>::max();  // the tables hold ints

// An unused obstruction entry: an information entry that opens no gate still needs one.
constexpr const char* no_gate_text = "(This entry opens no gate.)";

[[noreturn]] void fail(const std::string& path, int line, const std::string& what) {
  refuse_source(path, line, what);
}

// The table entry number of every marker that has one, by kind, in the order written.
struct Numbering {
  std::map<char32_t, int> entry;  // marker symbol -> its door, problem or info entry number
  int doors = 0, problems = 0, infos = 0;
};

Numbering number_markers(const LevelSource& level) {
  Numbering numbering;
  for (const Marker& marker : level.markers) {
    int* counter = marker.kind == MarkerKind::door      ? &numbering.doors
                   : marker.kind == MarkerKind::problem ? &numbering.problems
                   : marker.kind == MarkerKind::info    ? &numbering.infos
                                                        : nullptr;
    if (counter != nullptr) numbering.entry[marker.symbol] = (*counter)++;
  }
  if (numbering.doors > most_room_transitions || numbering.problems > most_problems ||
      numbering.infos > most_infos) {
    fail(level.path, 1,
         "too many markers: at most " + std::to_string(most_room_transitions) + " doors, " +
             std::to_string(most_problems) + " problems and " + std::to_string(most_infos) +
             " information entries a level");
  }
  return numbering;
}

const Marker* find_marker(const LevelSource& level, char32_t symbol) {
  for (const Marker& marker : level.markers) {
    if (marker.symbol == symbol) return &marker;
  }
  return nullptr;
}

void check_markers(const LevelSource& level, bool first_level) {
  std::map<char32_t, int> seen;
  for (const Marker& marker : level.markers) {
    if (seen.count(marker.symbol)) {
      fail(level.path, marker.line,
           "marker " + quoted(marker.symbol) + " is declared again (first on line " +
               std::to_string(seen[marker.symbol]) + ")");
    }
    seen[marker.symbol] = marker.line;
    if (level.legend.count(marker.symbol)) {
      fail(level.path, marker.line, "marker " + quoted(marker.symbol) + " is a legend character");
    }
    if (!level.legend.count(marker.look)) {
      fail(level.path, marker.line, "look " + quoted(marker.look) + " is not in the legend");
    }
    if (marker.kind == MarkerKind::start && !first_level) {
      fail(level.path, marker.line, "only the first level has the start");
    }
    if ((marker.kind == MarkerKind::problem || marker.kind == MarkerKind::info) &&
        marker.number > largest_number) {
      fail(level.path, marker.line,
           "the number is larger than the game can hold (" + std::to_string(largest_number) + ")");
    }
  }
}

// A gate's key must be an information marker of its level: the gate's code is found through it.
void check_gate_keys(const LevelSource& level) {
  for (const Marker& marker : level.markers) {
    if (marker.kind != MarkerKind::gate) continue;
    const Marker* key = find_marker(level, marker.key);
    if (key == nullptr || key->kind != MarkerKind::info) {
      fail(level.path, marker.line,
           "the key " + quoted(marker.key) + " is not an information marker of this level");
    }
  }
}

int code_of_marker(const Marker& marker, const Numbering& numbering) {
  switch (marker.kind) {
    case MarkerKind::door:
      return room_transition_code(numbering.entry.at(marker.symbol));
    case MarkerKind::problem:
      return problem_code(numbering.entry.at(marker.symbol));
    case MarkerKind::info:
      return information_code(numbering.entry.at(marker.symbol));
    case MarkerKind::gate:
      return obstruction_code(gate_of_information(numbering.entry.at(marker.key)));
    default:
      return free_ground_code;
  }
}

int code_of_terrain(TerrainKind kind) {
  switch (kind) {
    case TerrainKind::obstacle:
      return obstacle_code;
    case TerrainKind::finish:
      return finish_code;
    default:
      return free_ground_code;
  }
}

void check_map_shape(const LevelSource& level) {
  const std::size_t width = level.map[0].size();
  for (std::size_t y = 0; y < level.map.size(); ++y) {
    if (level.map[y].size() != width) {
      fail(level.path, level.map_line + static_cast<int>(y),
           "map row " + std::to_string(y) + " has " + std::to_string(level.map[y].size()) +
               " characters, the first row " + std::to_string(width));
    }
  }
  if (static_cast<int>(width) < minimum_width ||
      static_cast<int>(level.map.size()) < minimum_height) {
    fail(level.path, level.map_line,
         "the map is smaller than " + std::to_string(minimum_width) + " x " +
             std::to_string(minimum_height) + " cells");
  }
}

// Fills the size, image layers, codes and content of one level from its map.
void paint_level(const LevelSource& level, const Numbering& numbering, Level& painted,
                 std::map<char32_t, std::vector<Cell>>& cells_of) {
  const int width = static_cast<int>(level.map[0].size());
  const int height = static_cast<int>(level.map.size());
  painted.width = width;
  painted.height = height;
  painted.fg_layer = painted.bg_layer = painted.collision_layer = Layer(width, height);
  painted.content = MapCharacters();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const char32_t c = level.map[y][x];
      const Marker* marker = find_marker(level, c);
      const auto legend_entry = level.legend.find(marker ? marker->look : c);
      if (legend_entry == level.legend.end()) {
        fail(level.path, level.map_line + y,
             "cell (" + std::to_string(x) + ", " + std::to_string(y) + "): " + quoted(c) +
                 " is neither in the legend nor a marker");
      }
      const LegendEntry& look = legend_entry->second;
      if (!marker && look.kind == TerrainKind::look) {
        fail(level.path, level.map_line + y,
             "cell (" + std::to_string(x) + ", " + std::to_string(y) + "): " + quoted(c) +
                 " is a look for markers only");
      }
      painted.fg_layer.set(x, y, look.foreground);
      painted.bg_layer.set(x, y, look.background);
      painted.collision_layer.set(
          x, y, marker ? code_of_marker(*marker, numbering) : code_of_terrain(look.kind));
      painted.content.push_back(look.shown);
      cells_of[c].push_back({x, y});
    }
  }
}

void check_marker_cells(const LevelSource& level,
                        const std::map<char32_t, std::vector<Cell>>& cells) {
  for (const Marker& marker : level.markers) {
    const auto found = cells.find(marker.symbol);
    if (found == cells.end()) {
      fail(level.path, marker.line, "marker " + quoted(marker.symbol) + " is not on the map");
    }
    const bool single = marker.kind == MarkerKind::start || marker.kind == MarkerKind::spot;
    if (single && found->second.size() != 1) {
      fail(level.path, marker.line,
           "marker " + quoted(marker.symbol) + " must stand on exactly one cell");
    }
    if (marker.kind == MarkerKind::start && found->second[0] != start_cell) {
      fail(level.path, marker.line,
           "the start must stand on cell (" + std::to_string(start_cell.x) + ", " +
               std::to_string(start_cell.y) + ")");
    }
  }
}

std::string panel_text(const LevelSource& level, const PanelText& text) {
  const std::string fault = panel_fit_fault(text.rows);
  if (!fault.empty()) fail(level.path, text.line, fault);
  return join_panel_rows(text.rows);
}

Problem problem_of(const LevelSource& level, const Marker& marker) {
  return {panel_text(level, marker.first_text), panel_text(level, marker.second_text),
          static_cast<int>(marker.number)};
}

Information information_of(const LevelSource& level, const Marker& marker) {
  return {panel_text(level, marker.first_text), panel_text(level, marker.second_text),
          static_cast<int>(marker.number)};
}

// The obstruction table: the gate that information entry k opens is entry
// gate_of_information(k).
std::vector<Obstruction> gate_table(const LevelSource& level, const Numbering& numbering) {
  std::vector<Obstruction> table(numbering.infos, Obstruction{no_gate_text});
  std::vector<int> gate_line(numbering.infos, 0);
  for (const Marker& marker : level.markers) {
    if (marker.kind != MarkerKind::gate) continue;
    const int k = numbering.entry.at(marker.key);  // an information marker (check_gate_keys)
    if (gate_line[k] != 0) {
      fail(level.path, marker.line,
           "information marker " + quoted(marker.key) + " already opens the gate on line " +
               std::to_string(gate_line[k]));
    }
    gate_line[k] = marker.line;
    table[gate_of_information(k)].text = panel_text(level, marker.first_text);
  }
  return table;
}

void add_tables(const LevelSource& level, const Numbering& numbering, Level& built) {
  for (const Marker& marker : level.markers) {
    if (marker.kind == MarkerKind::problem) built.problems.push_back(problem_of(level, marker));
    if (marker.kind == MarkerKind::info) built.infos.push_back(information_of(level, marker));
  }
  built.obstructions = gate_table(level, numbering);
}

// Room transitions need every level's spots, so they come once all maps are painted.
void add_transitions(const WorldSource& source, BuiltWorld& world) {
  for (std::size_t l = 0; l < source.levels.size(); ++l) {
    const LevelSource& level = source.levels[l];
    std::vector<RoomTransition>& transitions = world.levels[l].transitions;
    for (const Marker& marker : level.markers) {
      if (marker.kind != MarkerKind::door) continue;
      const int target = find_level(world, marker.target_level);
      if (target < 0) fail(level.path, marker.line, "no level is named " + marker.target_level);
      const Marker* spot = find_marker(source.levels[target], marker.target_spot);
      if (spot == nullptr || (spot->kind != MarkerKind::spot && spot->kind != MarkerKind::start)) {
        fail(level.path, marker.line,
             quoted(marker.target_spot) + " is not a spot of level " + marker.target_level);
      }
      const Cell cell = world.cells_of[target].at(marker.target_spot).front();
      transitions.push_back({target, cell.x, cell.y});
    }
  }
}

}  // namespace

int find_level(const BuiltWorld& world, const std::string& name) {
  for (std::size_t l = 0; l < world.level_names.size(); ++l) {
    if (world.level_names[l] == name) return static_cast<int>(l);
  }
  return -1;
}

BuiltWorld build_world(const WorldSource& source) {
  BuiltWorld world;
  world.title = source.title;
  for (std::size_t l = 0; l < source.levels.size(); ++l) {
    const LevelSource& level = source.levels[l];
    if (find_level(world, level.name) >= 0) {
      fail(source.world_path, level.world_line, "a second level " + level.name);
    }
    world.level_names.push_back(level.name);
    check_markers(level, l == 0);
    check_gate_keys(level);
    check_map_shape(level);
    const Numbering numbering = number_markers(level);
    world.cells_of.emplace_back();
    Level& built = world.levels.emplace_back();
    paint_level(level, numbering, built, world.cells_of.back());
    check_marker_cells(level, world.cells_of.back());
    add_tables(level, numbering, built);
  }
  add_transitions(source, world);
  return world;
}

}  // namespace quadrivant

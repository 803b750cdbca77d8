#include "author/source_places.h"

namespace quadrivant {

namespace {

std::string at_line(const std::string& file, int line) {
  return file + ":" + std::to_string(line);
}

// The marker kind whose statements make the entries of `group`'s table, in the order written.
MarkerKind marker_kind_of(ManifestGroup group) {
  if (group == group_transitions) return MarkerKind::door;
  if (group == group_problems) return MarkerKind::problem;
  return MarkerKind::info;
}

const char* statement_of(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::door:
      return "door";
    case MarkerKind::problem:
      return "problem";
    case MarkerKind::gate:
      return "gate";
    default:
      return "info";
  }
}

// The k-th marker of `kind` on `level`, in the order written.
const Marker* nth_marker(const LevelSource& level, MarkerKind kind, std::size_t k) {
  for (const Marker& marker : level.markers) {
    if (marker.kind == kind && k-- == 0) return &marker;
  }
  return nullptr;
}

// The marker that makes entry `k` of `group`: for an obstruction, the gate that information entry
// k opens, or that entry itself when it opens none.
const Marker* marker_of_entry(const LevelSource& level, ManifestGroup group, std::size_t k) {
  const Marker* marker = nth_marker(level, marker_kind_of(group), k);
  if (group != group_obstructions || marker == nullptr) return marker;
  for (const Marker& gate : level.markers) {
    if (gate.kind == MarkerKind::gate && gate.key == marker->symbol) return &gate;
  }
  return marker;
}

// The character the author wrote for `cell` in the level's map, quoted.
std::string map_character(const LevelSource& level, Cell cell) {
  const auto y = static_cast<std::size_t>(cell.y), x = static_cast<std::size_t>(cell.x);
  return quoted(y < level.map.size() && x < level.map[y].size() ? level.map[y][x] : U' ');
}

std::string entry_place_name(const Place& place, const LevelSource& level) {
  const Marker* marker = marker_of_entry(level, place.group, place.entry);
  if (marker == nullptr) return level.path;
  const std::string name = std::string(statement_of(marker->kind)) + " " + quoted(marker->symbol);
  if (place.text == EntryText::whole_entry) return at_line(level.path, marker->line) + ": " + name;
  const PanelText& text =
      place.text == EntryText::first_text ? marker->first_text : marker->second_text;
  return at_line(level.path, text.line) + ": " + name + ", " + text_name(place.group, place.text);
}

}  // namespace

std::string source_place(const Place& place, const WorldSource& source) {
  if (place.kind == PlaceKind::world || place.level >= source.levels.size()) {
    return source.world_path;
  }
  const LevelSource& level = source.levels[place.level];
  switch (place.kind) {
    case PlaceKind::entry:
      return entry_place_name(place, level);
    case PlaceKind::cell:
      return at_line(level.path, level.map_line + place.cell.y) + ": cell (" +
             std::to_string(place.cell.x) + ", " + std::to_string(place.cell.y) + ") " +
             map_character(level, place.cell);
    default:
      return level.path;
  }
}

}  // namespace quadrivant

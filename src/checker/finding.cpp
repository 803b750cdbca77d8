#include "checker/finding.h"

#include "base/text.h"

namespace quadrivant {

Place world_place(std::int64_t line) {
  return {.line = line};
}

Place file_place(std::size_t level, ManifestGroup group, std::int64_t line) {
  return {.kind = PlaceKind::file, .level = level, .group = group, .line = line};
}

Place entry_place(std::size_t level, ManifestGroup group, std::size_t entry, EntryText text) {
  return {.kind = PlaceKind::entry, .level = level, .group = group, .entry = entry, .text = text};
}

Place cell_place(std::size_t level, Cell cell, ManifestGroup group) {
  return {.kind = PlaceKind::cell, .level = level, .group = group, .cell = cell};
}

const char* entry_kind(ManifestGroup group) {
  switch (group) {
    case group_transitions:
      return "room transition";
    case group_problems:
      return "problem";
    case group_infos:
      return "information entry";
    default:
      return "obstruction";
  }
}

std::string text_name(ManifestGroup group, EntryText text) {
  const bool first = text == EntryText::first_text;
  if (group == group_problems) return first ? "its question" : "its solved text";
  if (group == group_infos) return first ? "its locked text" : "its unlocked text";
  return "its text";
}

std::string world_file_place(const Place& place, const Manifest& manifest,
                             const std::string& manifest_file) {
  const std::string with_line = place.line > 0 ? ":" + std::to_string(place.line) : "";
  if (place.kind == PlaceKind::world) return manifest_file + with_line;
  const std::string& file = manifest.paths[place.group][place.level];
  switch (place.kind) {
    case PlaceKind::file:
      return file + with_line;
    case PlaceKind::entry: {
      std::string name = file + ": " + entry_kind(place.group) + " " + std::to_string(place.entry);
      if (place.text != EntryText::whole_entry) name += ", " + text_name(place.group, place.text);
      return name;
    }
    default:
      return file + ": cell (" + std::to_string(place.cell.x) + ", " +
             std::to_string(place.cell.y) + ")";
  }
}

std::string finding_line(const Finding& finding, const std::string& where) {
  const char* severity = finding.severity == Severity::error ? "error" : "warning";
  return printable(where) + ": " + severity + ": " + printable(finding.what);
}

FindingCounts count_findings(const Findings& findings) {
  FindingCounts counts;
  for (const Finding& finding : findings) {
    (finding.severity == Severity::error ? counts.errors : counts.warnings) += finding.count;
  }
  return counts;
}

}  // namespace quadrivant

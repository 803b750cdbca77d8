// What the level checker finds: an error (the world is broken or cannot be won as it stands) or
// a warning (the world plays, but not as its author meant), where it is and what is wrong.
// A place is told in the world's own terms (a file of a level, an entry of its tables, a cell of
// its map); each program names it for its reader: the checker by the world's files, the authoring
// tool by the author's sources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "level/manifest.h"
#include "level/world.h"

namespace quadrivant {

enum class Severity { error, warning };

enum class PlaceKind {
  world,  // the world as a whole: its manifest
  file,   // a file of a level
  entry,  // an entry of one of a level's four tables
  cell,   // a cell of a level's map
};

// Which text of a table entry a finding is about.
enum class EntryText { whole_entry, first_text, second_text };

struct Place {
  PlaceKind kind = PlaceKind::world;
  std::size_t level = 0;                    // file, entry, cell
  ManifestGroup group = group_content;      // file, entry: which of the level's files
  std::size_t entry = 0;                    // entry
  EntryText text = EntryText::whole_entry;  // entry
  Cell cell = {};                           // cell
  std::int64_t line = 0;                    // world, file: the line at fault, 0 for none
};

Place world_place(std::int64_t line = 0);
Place file_place(std::size_t level, ManifestGroup group, std::int64_t line = 0);
Place entry_place(std::size_t level, ManifestGroup group, std::size_t entry,
                  EntryText text = EntryText::whole_entry);
// A cell of a level's map, named by its code layer or, for its character, its content file.
Place cell_place(std::size_t level, Cell cell, ManifestGroup group = group_collision_layer);

struct Finding {
  Severity severity = Severity::error;
  Place where;
  std::string what;
  std::size_t count = 1;  // the faults it tells of: more than one for "and N more"
};

using Findings = std::vector<Finding>;

// How the tables' entries are called, by the group of their file: "room transition", "problem",
// "information entry", "obstruction".
const char* entry_kind(ManifestGroup group);

// What a text of an entry is called: "its question", "its solved text", "its locked text", "its
// unlocked text".
std::string text_name(ManifestGroup group, EntryText text);

// The checker's name of `place`: the file as the manifest names it (`manifest_file` for the
// world), with the line, the entry or the cell: "levels/a/content.txt:6",
// "levels/a/problems.txt: problem 2, its question", "levels/a/codes.pgm: cell (4, 7)".
std::string world_file_place(const Place& place, const Manifest& manifest,
                             const std::string& manifest_file);

// "<where>: error: <what>" or "<where>: warning: <what>", printable, without a newline.
std::string finding_line(const Finding& finding, const std::string& where);

// The findings' errors and warnings, every fault counted.
struct FindingCounts {
  std::size_t errors = 0;
  std::size_t warnings = 0;
};
FindingCounts count_findings(const Findings& findings);

}  // namespace quadrivant

// The three small per-level tables: room transitions, dialogues (problems and information
// texts share one format) and obstructions. Each reader prints "Loading <path>\n" to `out` once
// the file is open and throws a Failure on any fault. Relative paths are taken from the
// world's directory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>
#include "level/level_file.h"

#include "level/world.h"

namespace quadrivant {

std::vector<RoomTransition> read_room_transition_file(const WorldFile& world_file, std::FILE* out);

// One entry of a dialogue file: for a problem its question, solved text and answer; for an
// information entry its locked text, unlocked text and the problems it requires.
struct Dialogue {
  std::string first_text;
  std::string second_text;
  int number = 0;
  friend bool operator==(const Dialogue&, const Dialogue&) = default;
};

std::vector<Dialogue> read_dialogue_file(const WorldFile& world_file, std::FILE* out);

std::vector<Obstruction> read_obstruction_file(const WorldFile& world_file, std::FILE* out);

// The three table formats.
enum class TableFormat { room_transitions, dialogues, obstructions };

// What a table holds beyond its counted entries, which the game never reads.
struct TableEnd {
  int count = 0;
  std::int64_t count_line = 0;         // the line of the entry count
  std::int64_t first_unread_line = 0;  // the first line after the entries that holds anything but
                                       // whitespace; 0 if there is none
};

// Reads the table at `world_file` as the game does, without reports, and tells what follows its
// entries: for the level checker. Throws as the table's reader does.
TableEnd read_table_end(const WorldFile& world_file, TableFormat format);

}  // namespace quadrivant

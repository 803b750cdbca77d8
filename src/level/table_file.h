// The pieces the three level table formats (room transitions, dialogues, obstructions) share:
// the header with the entry count, text lines and entry numbers. Each piece throws a Failure on
// standard output when the file does not hold it.
#pragma once

#include <cstdio>
#include <string>

#include "level/level_file.h"
#include "level/level_tables.h"

namespace quadrivant {

// The longest text a dialogue or obstruction line may hold, in characters (base/utf8.h), newline
// not counted.
constexpr std::size_t longest_text_line = 708;

// Prints the file's report, "Loading <path>\n", to `out` and reads its header: an ignored line, the
// entry count (0 or more) after any whitespace, the rest of the count's line and one more ignored
// line, which must be there even for a count of 0. Returns the count; `end`, if given, learns it
// and its line.
int report_and_read_table_header(LevelFile& file, std::FILE* out, TableEnd* end);

// The entries of each format, read from `file` right after it is opened: the header first (with
// the report and `end` as above), then the entries.
std::vector<RoomTransition> read_room_transitions(LevelFile& file, std::FILE* out, TableEnd* end);
std::vector<Dialogue> read_dialogues(LevelFile& file, std::FILE* out, TableEnd* end);
std::vector<Obstruction> read_obstructions(LevelFile& file, std::FILE* out, TableEnd* end);

// The entry readers below read a piece of entry `entry` (from 0) of a file that promises
// `count` entries; if the file has ended, the message says how many entries it holds.

// Reads the next text line, whole and without its newline (or the carriage return and newline
// of a file saved with Windows line endings).
// A last line that ends at the end of the file is taken as it stands.
std::string read_text_line(LevelFile& file, int entry, int count);

// Reads a number after any whitespace, line breaks included.
int read_entry_number(LevelFile& file, int entry, int count);

// Reads a number after any whitespace and skips the rest of its line (a remark, or nothing).
int read_last_entry_number(LevelFile& file, int entry, int count);

}  // namespace quadrivant

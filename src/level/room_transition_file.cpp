#include "level/level_tables.h"
#include "level/table_file.h"

namespace quadrivant {

std::vector<RoomTransition> read_room_transitions(LevelFile& file, std::FILE* out, TableEnd* end) {
  const int count = report_and_read_table_header(file, out, end);

  // Entries are added as they are read: a count the file does not hold reserves nothing.
  std::vector<RoomTransition> transitions;
  for (int entry = 0; entry < count; ++entry) {
    RoomTransition& transition = transitions.emplace_back();
    transition.level = read_entry_number(file, entry, count);
    transition.x = read_entry_number(file, entry, count);
    transition.y = read_last_entry_number(file, entry, count);
  }
  return transitions;
}

std::vector<RoomTransition> read_room_transition_file(const WorldFile& world_file, std::FILE* out) {
  LevelFile file(world_file);
  return read_room_transitions(file, out, nullptr);
}

}  // namespace quadrivant

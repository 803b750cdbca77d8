#include "level/level_tables.h"
#include "level/table_file.h"

namespace quadrivant {

std::vector<Dialogue> read_dialogues(LevelFile& file, std::FILE* out, TableEnd* end) {
  const int count = report_and_read_table_header(file, out, end);

  // Entries are added as they are read: a count the file does not hold reserves nothing.
  std::vector<Dialogue> entries;
  for (int entry = 0; entry < count; ++entry) {
    Dialogue& dialogue = entries.emplace_back();
    dialogue.first_text = read_text_line(file, entry, count);
    dialogue.second_text = read_text_line(file, entry, count);
    dialogue.number = read_last_entry_number(file, entry, count);
  }
  return entries;
}

std::vector<Dialogue> read_dialogue_file(const WorldFile& world_file, std::FILE* out) {
  LevelFile file(world_file);
  return read_dialogues(file, out, nullptr);
}

}  // namespace quadrivant

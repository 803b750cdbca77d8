#include "level/level_tables.h"
#include "level/table_file.h"

DialogueTable read_dialogue_file(const WorldFile& world_file, std::FILE* out) {
  LevelFile file(world_file);
  const int count = report_and_read_table_header(file, out);

  // Entries are added as they are read: a count the file does not hold reserves nothing.
  DialogueTable table;
  for (int entry = 0; entry < count; ++entry) {
    table.first_text.push_back(read_text_line(file, entry, count));
    table.second_text.push_back(read_text_line(file, entry, count));
    table.number.push_back(read_last_entry_number(file, entry, count));
    table.flag.push_back(0);
  }
  return table;
}

#include "level/level_tables.h"
#include "level/table_file.h"

ObstructionTable read_obstruction_file(const WorldFile& world_file, std::FILE* out) {
  LevelFile file(world_file);
  const int count = report_and_read_table_header(file, out);

  // Entries are added as they are read: a count the file does not hold reserves nothing.
  ObstructionTable table;
  for (int entry = 0; entry < count; ++entry) {
    table.text.push_back(read_text_line(file, entry, count));
    table.cleared.push_back(0);
  }
  return table;
}

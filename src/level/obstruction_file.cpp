#include "level/level_tables.h"
#include "level/table_file.h"

namespace quadrivant {

std::vector<Obstruction> read_obstructions(LevelFile& file, std::FILE* out, TableEnd* end) {
  const int count = report_and_read_table_header(file, out, end);

  // Entries are added as they are read: a count the file does not hold reserves nothing.
  std::vector<Obstruction> obstructions;
  for (int entry = 0; entry < count; ++entry) {
    obstructions.push_back({read_text_line(file, entry, count)});
  }
  return obstructions;
}

std::vector<Obstruction> read_obstruction_file(const WorldFile& world_file, std::FILE* out) {
  LevelFile file(world_file);
  return read_obstructions(file, out, nullptr);
}

}  // namespace quadrivant

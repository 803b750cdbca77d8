#include "level/table_file.h"

#include "base/utf8.h"

namespace quadrivant {

namespace {

[[noreturn]] void refuse_missing_header_line(const LevelFile& file) {
  refuse_level_file("A header line is missing from " + file.path() + "!\n");
}

// The file ended inside entry `entry`: only the entries before it are complete.
[[noreturn]] void refuse_missing_entries(const LevelFile& file, int entry, int count) {
  refuse_level_file("The file " + file.path() + " ends after " + std::to_string(entry) +
                    " of its " + std::to_string(count) + " entries!\n");
}

// The first line after the entries that holds anything but whitespace, or 0.
std::int64_t first_unread_line(LevelFile& file) {
  for (int byte; (byte = file.get()) >= 0;) {
    if (byte != ' ' && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\v' &&
        byte != '\f') {
      return file.line();
    }
  }
  return 0;
}

}  // namespace

TableEnd read_table_end(const WorldFile& world_file, TableFormat format) {
  LevelFile file(world_file);
  TableEnd end;
  switch (format) {
    case TableFormat::room_transitions:
      read_room_transitions(file, nullptr, &end);
      break;
    case TableFormat::dialogues:
      read_dialogues(file, nullptr, &end);
      break;
    case TableFormat::obstructions:
      read_obstructions(file, nullptr, &end);
      break;
  }
  end.first_unread_line = first_unread_line(file);
  return end;
}

int report_and_read_table_header(LevelFile& file, std::FILE* out, TableEnd* end) {
  file.report_loading(out);
  file.skip_line();
  int count = 0;
  const NumberRead read = file.read_number(count);
  if (end != nullptr) *end = {count, file.line(), 0};
  if (read == NumberRead::end_of_file) refuse_missing_header_line(file);
  if (read == NumberRead::not_a_number || count < 0) {
    refuse_level_file("The entry count of " + file.path() + " is not a number of 0 or more!\n");
  }
  file.skip_line();  // the rest of the count's line, which may end the file
  if (file.skip_line() == LineEnd::no_line) refuse_missing_header_line(file);
  return count;
}

std::string read_text_line(LevelFile& file, int entry, int count) {
  const std::int64_t line = file.line();
  std::string text;
  // One character past the longest text tells a line too long; the rest of it is passed over.
  const std::size_t kept_bytes = (longest_text_line + 1) * longest_utf8_character;
  const LineEnd end = file.read_line(text, kept_bytes);
  if (end == LineEnd::no_line) refuse_missing_entries(file, entry, count);
  // A file saved with Windows line endings: no text ends with a carriage return on purpose.
  if (end == LineEnd::newline && text.ends_with('\r')) text.pop_back();
  // A longer line would have been cut and spilled its rest into the next piece of the entry.
  if (count_characters(text) > longest_text_line) {
    refuse_level_file("Line " + std::to_string(line) + " of " + file.path() + " holds more than " +
                      std::to_string(longest_text_line) + " characters!\n");
  }
  return text;
}

int read_entry_number(LevelFile& file, int entry, int count) {
  int number = 0;
  const NumberRead read = file.read_number(number);
  if (read == NumberRead::number) return number;
  if (read == NumberRead::end_of_file) refuse_missing_entries(file, entry, count);
  // The byte that is not a number is still unread, so the line is the one it stands on.
  refuse_level_file("The number on line " + std::to_string(file.line()) + " of " + file.path() +
                    " cannot be read!\n");
}

int read_last_entry_number(LevelFile& file, int entry, int count) {
  const int number = read_entry_number(file, entry, count);
  file.skip_line();  // a remark, or nothing; the file may end here
  return number;
}

}  // namespace quadrivant

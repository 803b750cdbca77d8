#include "level/content_file.h"

#include <algorithm>

#include "base/utf8.h"
#include "level/level_file.h"
#include "level/world.h"

namespace quadrivant {

namespace {

// The map must be at least as large as the viewport.
constexpr int minimum_width = minimum_level_width;
constexpr int minimum_height = minimum_level_height;

[[noreturn]] void refuse_short_header(const LevelFile& file) {
  refuse_level_file("The header of the content file " + file.path() +
                    " ends before its map rows!\n");
}

int read_dimension(LevelFile& file, const char* name) {
  int value = 0;
  const NumberRead read = file.read_number(value);
  if (read == NumberRead::number) return value;
  if (read == NumberRead::end_of_file) refuse_short_header(file);
  refuse_level_file("The map " + std::string(name) + " in the content file " + file.path() +
                    " is not a number!\n");
}

// Line 1, the width and the height, the rest of the height's line and one more line.
void read_content_header(LevelFile& file, MapContent& content) {
  if (file.skip_line() != LineEnd::newline) refuse_short_header(file);
  content.width = read_dimension(file, "width");
  content.height = read_dimension(file, "height");
  if (file.skip_line() != LineEnd::newline || file.skip_line() != LineEnd::newline) {
    refuse_short_header(file);
  }
}

// What the game's words for a faulty row leave out: where it stands in the file, and how long it
// is against how long it must be.
// A row read only in part (`cut`) holds more characters than were counted.
std::string row_hint(std::size_t row_length, bool cut, int width, int number, std::int64_t line) {
  return "map row " + std::to_string(number) + " is line " + std::to_string(line) +
         " of the file: it holds " + (cut ? "more than " : "") + std::to_string(row_length) +
         " characters, and every row " + std::to_string(width);
}

// Judges map row `number` (1 for the top row), which stands on line `line` of the file and was
// read with `end` as its ending (and only in part if `cut`); the row is fine when it holds exactly
// `width` characters (a UTF-8 character, or a byte that is not part of one, is one character), and
// the file may end right after the last one.
void check_row(std::size_t row_length, bool cut, LineEnd end, int width, int number,
               std::int64_t line) {
  const std::string row = std::to_string(number);
  const auto length = static_cast<long long>(row_length);
  if (end == LineEnd::no_line) refuse_level_file("A line is missing from the content file!\n");
  if (length == width) return;
  std::string text = "Line " + row + " has too many chars!\n";
  if (length == width - 1 && end == LineEnd::newline) {
    text = "A char is missing on line " + row + " !\n";
  } else if (length < width) {
    text = "Line " + row + " has too few chars!\n";
  } else if (length == width + 1LL && end == LineEnd::end_of_file) {
    text = "Line " + row + " has a char too many!\n";
  }
  refuse_level_file(text, line, row_hint(row_length, cut, width, number, line));
}

}  // namespace

MapContent read_map_content_file(const WorldFile& world_file, std::FILE* out) {
  LevelFile file(world_file);
  file.report_loading(out, "  |  ");

  MapContent content;
  read_content_header(file, content);
  if (content.width < minimum_width || content.height < minimum_height) {
    refuse_level_file("Minimum map dimensions should be " + std::to_string(minimum_width) + "x" +
                      std::to_string(minimum_height) + "\n");
  }
  report(out, "Map dimensions: " + std::to_string(content.width) + "x" +
                  std::to_string(content.height) + "\n");

  // Reserved once for what the file can hold: a size the file does not hold reserves nothing.
  const std::uint64_t cells = static_cast<std::uint64_t>(content.width) * content.height;
  content.cells.reserve(static_cast<std::size_t>(std::min(cells, file.bytes_left())));
  // Enough of a row to tell one too long: width + 2 characters, of up to four bytes each.
  const std::size_t kept_bytes =
      (static_cast<std::size_t>(content.width) + 2) * longest_utf8_character;
  std::string row;
  for (int number = 1; number <= content.height; ++number) {
    const std::int64_t line = file.line();
    const LineEnd end = file.read_line(row, kept_bytes);
    const bool cut = row.size() >= kept_bytes;
    // A file saved with Windows line endings reads like one saved with newlines only: a carriage
    // return before the newline goes with it.
    if (end == LineEnd::newline && row.ends_with('\r')) row.pop_back();
    check_row(content.cells.append(row), cut, end, content.width, number, line);
  }
  return content;
}

}  // namespace quadrivant

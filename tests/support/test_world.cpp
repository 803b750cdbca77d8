#include "support/test_world.h"

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "support/run_program.h"

namespace {

char default_character(int code) {
  if (code == 0) return '.';
  if (code >= 1 && code <= 49) return '=';
  if (code >= 50 && code <= 99) return '>';
  if (code >= 100 && code <= 199) return '?';
  if (code >= 200 && code <= 253) return 'i';
  if (code == 254) return '*';
  return '#';
}

std::vector<std::string> content_of(const TestLevel& level) {
  if (!level.content.empty()) return level.content;
  std::vector<std::string> rows;
  for (const std::vector<int>& codes : level.codes) {
    std::string row;
    for (int code : codes) row += default_character(code);
    rows.push_back(row);
  }
  return rows;
}

Matrix map_codes(const Matrix& codes, int (*colour)(int)) {
  Matrix colours = codes;
  for (std::vector<int>& row : colours)
    for (int& cell : row) cell = colour(cell);
  return colours;
}

DialogueTable dialogue_table(const std::vector<TestDialogue>& entries) {
  DialogueTable table;
  for (const TestDialogue& entry : entries) {
    table.first_text.push_back(entry.first_text);
    table.second_text.push_back(entry.second_text);
    table.number.push_back(entry.number);
    table.flag.push_back(0);
  }
  return table;
}

std::string image_file(const Matrix& cells, TestImageFormat format) {
  const int height = static_cast<int>(cells.size());
  const int width = height == 0 ? 0 : static_cast<int>(cells[0].size());
  std::ostringstream file;
  file << (format == TestImageFormat::plain_pgm ? "P2" : "P5") << "\n# test world\n"
       << width << ' ' << height << "\n255\n";
  for (const std::vector<int>& row : cells) {
    for (int cell : row) {
      if (format == TestImageFormat::raw_pgm) {
        if (cell < 0 || cell > 255) throw std::invalid_argument("a raw image holds only 0..255");
        file << static_cast<char>(cell);
      } else {
        file << cell << ' ';
      }
    }
    if (format == TestImageFormat::plain_pgm) file << '\n';
  }
  return file.str();
}

std::string content_file(const TestLevel& level) {
  const std::vector<std::string> rows = content_of(level);
  std::ostringstream file;
  file << "Map content\n" << rows.at(0).size() << ' ' << rows.size() << "\nrows follow\n";
  for (const std::string& row : rows) file << row << '\n';
  return file.str();
}

// The header every table file shares: a title line, the count, one ignored line.
std::string table_header(const char* title, std::size_t count) {
  return std::string(title) + "\n" + std::to_string(count) + "\n(entries)\n";
}

std::string transition_file(const std::vector<RoomTransition>& transitions) {
  std::string file = table_header("Room transitions", transitions.size());
  for (const RoomTransition& t : transitions)
    file += std::to_string(t.level) + ' ' + std::to_string(t.x) + ' ' + std::to_string(t.y) + '\n';
  return file;
}

std::string dialogue_file(const char* title, const std::vector<TestDialogue>& entries) {
  std::string file = table_header(title, entries.size());
  for (const TestDialogue& entry : entries)
    file +=
        entry.first_text + '\n' + entry.second_text + '\n' + std::to_string(entry.number) + '\n';
  return file;
}

std::string obstruction_file(const std::vector<std::string>& texts) {
  std::string file = table_header("Obstructions", texts.size());
  for (const std::string& text : texts) file += text + '\n';
  return file;
}

// The eight files of a level in manifest group order.
const char* const level_file_names[] = {"fg.pgm",      "bg.pgm",          "collision.pgm",
                                        "content.txt", "transitions.txt", "problems.txt",
                                        "infos.txt",   "obstructions.txt"};

std::vector<std::string> level_files(const TestLevel& level) {
  return {image_file(map_codes(level.codes, test_foreground), level.image_format),
          image_file(map_codes(level.codes, test_background), level.image_format),
          image_file(level.codes, level.image_format),
          content_file(level),
          transition_file(level.transitions),
          dialogue_file("Problems", level.problems),
          dialogue_file("Information", level.infos),
          obstruction_file(level.obstructions)};
}

std::string manifest_file(std::size_t levels) {
  std::string file = "Test world\n" + std::to_string(levels) + "\n";
  for (const char* name : level_file_names) {
    file += std::string("# ") + name + '\n';
    for (std::size_t k = 0; k < levels; ++k)
      file += "level" + std::to_string(k) + '/' + name + '\n';
  }
  return file;
}

}  // namespace

int test_foreground(int code) {
  return code == 0 ? 28 : 230;
}

int test_background(int code) {
  if (code == 0) return 22;
  if (code == 255) return 94;
  return 17 + code % 200;
}

TestLevel walled_level(int width, int height) {
  TestLevel level;
  level.codes.assign(height, std::vector<int>(width, 255));
  for (int y = 1; y < height - 1; ++y)
    for (int x = 1; x < width - 1; ++x) level.codes[y][x] = 0;
  return level;
}

void place_codes(TestLevel& level, int x, int y, const std::vector<std::string>& rows,
                 const std::map<char, int>& legend) {
  std::map<char, int> codes = {{'.', 0}, {'#', 255}, {'*', 254}};
  for (const auto& [symbol, code] : legend) codes[symbol] = code;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const char symbol = rows[r][c];
      if (symbol == ' ') continue;
      if (!codes.count(symbol)) throw std::invalid_argument(std::string("no code for ") + symbol);
      level.codes.at(y + r).at(x + c) = codes[symbol];
    }
  }
}

MapData make_map_data(const std::vector<TestLevel>& levels) {
  MapData map;
  for (const TestLevel& level : levels) {
    map.fg_layer.push_back(map_codes(level.codes, test_foreground));
    map.bg_layer.push_back(map_codes(level.codes, test_background));
    map.collision_layer.push_back(level.codes);
    map.content.push_back(content_of(level));
    map.width.push_back(static_cast<int>(level.codes.at(0).size()));
    map.height.push_back(static_cast<int>(level.codes.size()));
    map.transitions.push_back(level.transitions);
    map.problems.push_back(dialogue_table(level.problems));
    map.infos.push_back(dialogue_table(level.infos));
    map.obstructions.push_back(
        {level.obstructions, std::vector<int>(level.obstructions.size(), 0)});
  }
  return map;
}

void write_world(const std::string& directory, const std::vector<TestLevel>& levels) {
  write_file(directory + "/manifest.txt", manifest_file(levels.size()));
  for (std::size_t k = 0; k < levels.size(); ++k) {
    const std::string level_directory = directory + "/level" + std::to_string(k);
    std::filesystem::create_directories(level_directory);
    const std::vector<std::string> files = level_files(levels[k]);
    for (std::size_t g = 0; g < files.size(); ++g)
      write_file(level_directory + '/' + level_file_names[g], files[g]);
  }
}

#include "author/world_source.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/cell_fit.h"
#include "base/failure.h"
#include "base/text.h"
#include "base/utf8.h"
#include "level/world.h"
#include "level/world_writer.h"

namespace quadrivant {

void refuse_source(const std::string& path, int line, const std::string& what) {
  // Words of the sources are in `what`: nothing of them reaches the terminal as a control byte.
  throw Failure(printable(path) + ":" + std::to_string(line) + ": " + printable(what) + "\n");
}

std::string quoted(char32_t character) {
  std::string bytes;
  append_utf8(bytes, character);
  return "'" + printable(bytes) + "'";
}

namespace {

// A source file read whole, line by line, with its name for messages.
struct SourceFile {
  std::string path;
  std::vector<std::string> lines;

  [[noreturn]] void fail(int line, const std::string& what) const {
    refuse_source(path, line, what);
  }
};

SourceFile read_source_file(const std::string& path) {
  // Only a regular file: a FIFO would keep the tool waiting for a writer.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw Failure(printable(path) + ": " +
                  (std::filesystem::exists(path, error) ? "is not a regular file" : "is missing") +
                  "\n");
  }
  std::ifstream stream(path);
  if (!stream) throw Failure(printable(path) + ": cannot be read\n");
  SourceFile file{path, {}};
  for (std::string line; std::getline(stream, line);) {
    // A source saved with CRLF endings reads like one saved with LF endings.
    if (line.ends_with('\r')) line.pop_back();
    file.lines.push_back(line);
  }
  return file;
}

// A blank line holds only whitespace (blanks, tabs, ...): it has no first word.
bool is_comment_or_blank(const std::string& line) {
  return line.empty() || line[0] == '#' || line.find_first_not_of(" \t\r\v\f") == std::string::npos;
}

std::vector<std::string> split_words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

long long parse_number(const SourceFile& file, int line, const std::string& word) {
  long long value = 0;
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  if (error != std::errc() || stop != end || value < 0) {
    file.fail(line, "'" + word + "' is not a whole number of 0 or more");
  }
  return value;
}

int parse_colour(const SourceFile& file, int line, const std::string& word) {
  const long long value = parse_number(file, line, word);
  if (value > highest_colour)
    file.fail(line, "colour " + word + " is not an xterm colour (0 to 255)");
  return static_cast<int>(value);
}

// A map or look character: one printable UTF-8 character one column wide, or the word "blank"
// for a blank.
char32_t parse_character(const SourceFile& file, int line, const std::string& word) {
  if (word == "blank") return ' ';
  const char32_t character = decode_utf8(word).character;
  const std::string misfit = misfit_words(character);
  if (!misfit.empty()) file.fail(line, misfit);
  if (count_characters(word) != 1 || cell_fit(character) != CellFit::one_column) {
    file.fail(line,
              "'" + printable(word) + "' is not one printable character (write blank for a blank)");
  }
  return character;
}

// The characters of a map row; a byte that is not UTF-8 is refused, naming the cell.
std::u32string map_row(const SourceFile& file, int line, int y, const std::string& row) {
  std::u32string characters;
  for_each_character(row, [&](char32_t character) {
    if (is_stray_byte(character)) {
      file.fail(line, "cell (" + std::to_string(characters.size()) + ", " + std::to_string(y) +
                          "): " + misfit_words(character));
    }
    characters += character;
  });
  return characters;
}

TerrainKind parse_kind(const SourceFile& file, int line, const std::string& word) {
  if (word == "ground") return TerrainKind::ground;
  if (word == "obstacle") return TerrainKind::obstacle;
  if (word == "finish") return TerrainKind::finish;
  if (word == "look") return TerrainKind::look;
  file.fail(line, "kind '" + word + "' is none of ground, obstacle, finish, look");
}

void expect_word_count(const SourceFile& file, int line, const std::vector<std::string>& words,
                       std::size_t count, const char* form) {
  if (words.size() != count) file.fail(line, std::string("expected: ") + form);
}

// legend <char> <shown> <foreground> <background> <kind>
void read_legend_line(const SourceFile& file, int line, const std::vector<std::string>& words,
                      Legend& legend) {
  expect_word_count(file, line, words, 6, "legend <char> <shown> <fg> <bg> <kind>");
  LegendEntry entry{parse_character(file, line, words[2]), parse_colour(file, line, words[3]),
                    parse_colour(file, line, words[4]), parse_kind(file, line, words[5])};
  legend[parse_character(file, line, words[1])] = entry;
}

Legend read_shared_legend(const std::string& path) {
  const SourceFile file = read_source_file(path);
  Legend legend;
  for (int i = 0; i < static_cast<int>(file.lines.size()); ++i) {
    if (is_comment_or_blank(file.lines[i])) continue;
    const std::vector<std::string> words = split_words(file.lines[i]);
    if (words[0] != "legend") file.fail(i + 1, "expected a legend line");
    read_legend_line(file, i + 1, words, legend);
  }
  return legend;
}

struct MarkerForm {
  const char* keyword;
  MarkerKind kind;
  const char* form;  // the whole statement, for messages
  std::size_t words;
  const char* detail;  // the keyword after the look, if the statement goes on
};

constexpr MarkerForm marker_forms[] = {
    {"start", MarkerKind::start, "start <char> look <char>", 4, nullptr},
    {"spot", MarkerKind::spot, "spot <char> look <char>", 4, nullptr},
    {"door", MarkerKind::door, "door <char> look <char> to <level> <spot>", 7, "to"},
    {"problem", MarkerKind::problem, "problem <char> look <char> answer <number>", 6, "answer"},
    {"info", MarkerKind::info, "info <char> look <char> needs <number>", 6, "needs"},
    {"gate", MarkerKind::gate, "gate <char> look <char> key <info char>", 6, "key"},
};

const MarkerForm* find_marker_form(const std::string& keyword) {
  for (const MarkerForm& form : marker_forms) {
    if (keyword == form.keyword) return &form;
  }
  return nullptr;
}

void expect_keyword(const SourceFile& file, int line, const std::string& word, const char* keyword,
                    const char* form) {
  if (word != keyword) file.fail(line, std::string("expected: ") + form);
}

Marker read_marker_line(const SourceFile& file, int line, const std::vector<std::string>& words,
                        const MarkerForm& form) {
  expect_word_count(file, line, words, form.words, form.form);
  expect_keyword(file, line, words[2], "look", form.form);
  if (form.detail != nullptr) expect_keyword(file, line, words[4], form.detail, form.form);
  Marker marker;
  marker.kind = form.kind;
  marker.symbol = parse_character(file, line, words[1]);
  marker.look = parse_character(file, line, words[3]);
  marker.line = line;
  if (form.kind == MarkerKind::door) {
    marker.target_level = words[5];
    marker.target_spot = parse_character(file, line, words[6]);
  } else if (form.kind == MarkerKind::gate) {
    marker.key = parse_character(file, line, words[5]);
  } else if (form.detail != nullptr) {
    marker.number = parse_number(file, line, words[5]);  // an answer or a count of problems
  }
  return marker;
}

// The text blocks a marker kind takes, in order: the first and the second text.
std::vector<std::string> text_blocks_of(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::problem:
      return {"ask", "solved"};
    case MarkerKind::info:
      return {"locked", "open"};
    case MarkerKind::gate:
      return {"text"};
    default:
      return {};
  }
}

// Reads the "| row" lines from `index` on into `text`; returns the index of the first other line.
int read_text_rows(const SourceFile& file, int index, PanelText& text) {
  text.line = index + 1;
  for (; index < static_cast<int>(file.lines.size()); ++index) {
    const std::string& line = file.lines[index];
    if (line.empty() || line[0] != '|') break;
    if (line.size() > 1 && line[1] != ' ') file.fail(index + 1, "a text row starts with \"| \"");
    text.rows.push_back(line.size() > 2 ? line.substr(2) : "");
  }
  if (text.rows.empty()) file.fail(text.line, "the text has no rows (write them as \"| row\")");
  return index;
}

// Reads the named text blocks that follow a marker statement; returns the next line's index.
int read_marker_texts(const SourceFile& file, int index, Marker& marker) {
  const std::vector<std::string> blocks = text_blocks_of(marker.kind);
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    while (index < static_cast<int>(file.lines.size()) && is_comment_or_blank(file.lines[index])) {
      ++index;
    }
    if (index >= static_cast<int>(file.lines.size()) ||
        split_words(file.lines[index]) != std::vector<std::string>{blocks[b]}) {
      file.fail(std::min(index + 1, static_cast<int>(file.lines.size())),
                "expected the text block '" + blocks[b] + "' of the marker on line " +
                    std::to_string(marker.line));
    }
    index = read_text_rows(file, index + 1, b == 0 ? marker.first_text : marker.second_text);
  }
  return index;
}

// Reads the map rows after a "map" line; returns the index of the line after "end".
int read_map_rows(const SourceFile& file, int index, LevelSource& level) {
  if (!level.map.empty()) file.fail(index, "the level has a second map");
  level.map_line = index + 1;
  for (; index < static_cast<int>(file.lines.size()); ++index) {
    if (file.lines[index] == "end") return index + 1;
    level.map.push_back(
        map_row(file, index + 1, static_cast<int>(level.map.size()), file.lines[index]));
  }
  file.fail(level.map_line - 1, "the map has no \"end\" line");
}

LevelSource read_level_source(const std::string& path, const std::string& name,
                              const Legend& shared_legend) {
  const SourceFile file = read_source_file(path);
  LevelSource level{name, path, 0, shared_legend, {}, 0, {}};
  int index = 0;
  while (index < static_cast<int>(file.lines.size())) {
    const std::string& line = file.lines[index];
    if (is_comment_or_blank(line)) {
      ++index;
      continue;
    }
    const std::vector<std::string> words = split_words(line);
    if (words[0] == "map" && words.size() == 1) {
      index = read_map_rows(file, index + 1, level);
    } else if (words[0] == "legend") {
      read_legend_line(file, index + 1, words, level.legend);
      ++index;
    } else if (const MarkerForm* form = find_marker_form(words[0])) {
      level.markers.push_back(read_marker_line(file, index + 1, words, *form));
      index = read_marker_texts(file, index + 1, level.markers.back());
    } else {
      file.fail(index + 1, "'" + words[0] +
                               "' is not a statement (legend, map, start, spot, door, problem, "
                               "info, gate)");
    }
  }
  if (level.map.empty()) file.fail(1, "the level has no map");
  return level;
}

std::vector<RouteGoal> read_route(const std::string& path) {
  const SourceFile file = read_source_file(path);
  std::vector<RouteGoal> route;
  for (int i = 0; i < static_cast<int>(file.lines.size()); ++i) {
    if (is_comment_or_blank(file.lines[i])) continue;
    const std::vector<std::string> words = split_words(file.lines[i]);
    if (words.size() != 3 || words[0] != "touch") {
      file.fail(i + 1, "expected: touch <level> <marker char>");
    }
    route.push_back({words[1], parse_character(file, i + 1, words[2]), i + 1});
  }
  return route;
}

}  // namespace

// A level name becomes a folder of the output and part of the paths of its files: a plain name,
// so that nothing is written outside the output directory, and short enough for every path.
void check_level_name(const SourceFile& world, int line, const std::string& name) {
  const auto is_plain = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
  };
  if (!std::all_of(name.begin(), name.end(), is_plain)) {
    world.fail(line, "the level name '" + name + "' may hold only letters, digits, '-' and '_'");
  }
  if (name.size() > longest_level_name()) {
    world.fail(line, "the level name '" + name + "' is longer than " +
                         std::to_string(longest_level_name()) +
                         " characters, too long for the paths of its files");
  }
}

WorldSource read_world_source(const std::string& directory) {
  WorldSource source;
  source.world_path = directory + "/" + world_source_name;
  const SourceFile world = read_source_file(source.world_path);
  const Legend shared_legend = read_shared_legend(directory + "/" + legend_source_name);
  for (int i = 0; i < static_cast<int>(world.lines.size()); ++i) {
    const std::string& line = world.lines[i];
    if (is_comment_or_blank(line)) continue;
    const std::vector<std::string> words = split_words(line);
    if (words[0] == "title" && words.size() > 1) {
      source.title = line.substr(line.find("title") + 6);
    } else if (words[0] == "level" && words.size() == 2) {
      check_level_name(world, i + 1, words[1]);
      source.levels.push_back(read_level_source(directory + "/" + words[1] + level_source_extension,
                                                words[1], shared_legend));
      source.levels.back().world_line = i + 1;
    } else {
      world.fail(i + 1, "expected: title <text>, or level <name>");
    }
  }
  if (source.levels.empty()) world.fail(1, "the world has no level");
  // Without a route the world is judged by where a player can get to alone.
  source.route_path = directory + "/" + route_source_name;
  std::error_code error;
  source.has_route = std::filesystem::exists(source.route_path, error);
  if (source.has_route) source.route = read_route(source.route_path);
  return source;
}

}  // namespace quadrivant

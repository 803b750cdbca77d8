#include "support/test_world.h"

#include <filesystem>

#include "support/run_program.h"

namespace {

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

std::string image_file(const Matrix& cells) {
  std::string file = "P2\n# test world\n" + std::to_string(cells[0].size()) + ' ' +
                     std::to_string(cells.size()) + "\n255\n";
  for (const std::vector<int>& row : cells) {
    for (int cell : row) file += std::to_string(cell) + ' ';
    file += '\n';
  }
  return file;
}

// The content file and the tables: a title line, the size or count, an ignored line, then the
// rows or the entries' lines.
std::string text_file(const char* title, const std::string& count,
                      const std::vector<std::string>& lines) {
  std::string file = std::string(title) + '\n' + count + "\n(entries follow)\n";
  for (const std::string& line : lines) file += line + '\n';
  return file;
}

std::string dialogue_file(const char* title, const std::vector<TestDialogue>& entries) {
  std::vector<std::string> lines;
  for (const auto& [first, second, number] : entries)
    lines.insert(lines.end(), {first, second, std::to_string(number)});
  return text_file(title, std::to_string(entries.size()), lines);
}

}  // namespace

TestLevel walled_level(int width, int height) {
  TestLevel level;
  level.codes.assign(height, std::vector<int>(width, 255));
  for (int y = 1; y < height - 1; ++y)
    for (int x = 1; x < width - 1; ++x) level.codes[y][x] = 0;
  return level;
}

MapData make_map_data(const std::vector<TestLevel>& levels) {
  static const char ground[] = "abcdefghijklmnopqrstuvwyzABCDEFGHIJKLMNOPQRSTUVWYZ0123456789";
  MapData map;
  for (const TestLevel& level : levels) {
    std::vector<std::string> content(level.codes.size());
    for (std::size_t y = 0; y < level.codes.size(); ++y)
      for (std::size_t x = 0; x < level.codes[y].size(); ++x)
        content[y] += level.codes[y][x] == 0 ? ground[(x * 7 + y * 3) % (sizeof ground - 1)] : '#';
    for (std::vector<Matrix>* layer : {&map.fg_layer, &map.bg_layer, &map.collision_layer})
      layer->push_back(level.codes);
    map.content.push_back(content);
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
  static const char* const names[] = {"fg.pgm",      "bg.pgm",          "collision.pgm",
                                      "content.txt", "transitions.txt", "problems.txt",
                                      "infos.txt",   "obstructions.txt"};
  const MapData map = make_map_data(levels);
  std::string manifest = "Test world\n" + std::to_string(levels.size()) + "\n";
  for (const char* name : names) {
    manifest += std::string("# ") + name + '\n';
    for (std::size_t k = 0; k < levels.size(); ++k)
      manifest += "level" + std::to_string(k) + '/' + name + '\n';
  }
  write_file(directory + "/manifest.txt", manifest);
  for (std::size_t k = 0; k < levels.size(); ++k) {
    const TestLevel& level = levels[k];
    std::vector<std::string> transitions;
    for (const auto& [to, x, y] : level.transitions)
      transitions.push_back(std::to_string(to) + ' ' + std::to_string(x) + ' ' + std::to_string(y));
    const std::string image = image_file(level.codes);
    const std::string files[] = {
        image,
        image,
        image,
        text_file("Map content", std::to_string(map.width[k]) + ' ' + std::to_string(map.height[k]),
                  map.content[k]),
        text_file("Room transitions", std::to_string(transitions.size()), transitions),
        dialogue_file("Problems", level.problems),
        dialogue_file("Information", level.infos),
        text_file("Obstructions", std::to_string(level.obstructions.size()), level.obstructions)};
    const std::string level_directory = directory + "/level" + std::to_string(k) + '/';
    std::filesystem::create_directories(level_directory);
    for (int g = 0; g < 8; ++g) write_file(level_directory + names[g], files[g]);
  }
}

#include "support/test_world.h"

#include <filesystem>

#include "support/run_program.h"

namespace {

std::string image_file(const Layer& cells) {
  std::string file = "P2\n# test world\n" + std::to_string(cells.width()) + ' ' +
                     std::to_string(cells.height()) + "\n255\n";
  for (int y = 0; y < cells.height(); ++y) {
    for (int x = 0; x < cells.width(); ++x) file += std::to_string(cells.at(x, y)) + ' ';
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

// Dialogue files hold three lines an entry: two texts and a number.
template <class Entry>
std::string dialogue_file(const char* title, const std::vector<Entry>& entries) {
  std::vector<std::string> lines;
  for (const auto& [first, second, number] : entries)
    lines.insert(lines.end(), {first, second, std::to_string(number)});
  return text_file(title, std::to_string(entries.size()), lines);
}

std::vector<std::string> map_rows(const Level& level) {
  std::vector<std::string> rows;
  for (int y = 0; y < level.height; ++y)
    rows.push_back(level.content.substr(static_cast<std::size_t>(y) * level.width, level.width));
  return rows;
}

}  // namespace

Layer layer_of(const CodeGrid& rows) {
  std::vector<int> cells;
  for (const std::vector<int>& row : rows) cells.insert(cells.end(), row.begin(), row.end());
  return Layer(rows.empty() ? 0 : static_cast<int>(rows[0].size()), std::move(cells));
}

TestLevel walled_level(int width, int height) {
  TestLevel level;
  level.codes.assign(height, std::vector<int>(width, 255));
  for (int y = 1; y < height - 1; ++y)
    for (int x = 1; x < width - 1; ++x) level.codes[y][x] = 0;
  return level;
}

TestLevel level_with_every_entry() {
  TestLevel level = walled_level();
  for (int k = 0; k < 100; ++k) {
    const std::string n = std::to_string(k);
    level.problems.push_back({"problem " + n, "solved " + n, 1});
    if (k < 50) level.transitions.push_back({k % 2, 10 + k, 5});
    if (k < 54) level.obstructions.push_back({"obstruction " + n});
    if (k < 54) level.infos.push_back({"locked " + n, "info " + n, k % 2});
  }
  return level;
}

World make_world(const std::vector<TestLevel>& levels) {
  static const char ground[] = "abcdefghijklmnopqrstuvwyzABCDEFGHIJKLMNOPQRSTUVWYZ0123456789";
  World world;
  for (const TestLevel& test_level : levels) {
    Level level;
    level.width = static_cast<int>(test_level.codes.at(0).size());
    level.height = static_cast<int>(test_level.codes.size());
    level.fg_layer = level.bg_layer = level.collision_layer = layer_of(test_level.codes);
    for (int y = 0; y < level.height; ++y)
      for (int x = 0; x < level.width; ++x)
        level.content +=
            test_level.codes[y][x] == 0 ? ground[(x * 7 + y * 3) % (sizeof ground - 1)] : '#';
    level.transitions = test_level.transitions;
    level.problems = test_level.problems;
    level.infos = test_level.infos;
    level.obstructions = test_level.obstructions;
    world.push_back(std::move(level));
  }
  return world;
}

void write_world(const std::string& directory, const std::vector<TestLevel>& levels) {
  static const char* const names[] = {"fg.pgm",      "bg.pgm",          "collision.pgm",
                                      "content.txt", "transitions.txt", "problems.txt",
                                      "infos.txt",   "obstructions.txt"};
  const World world = make_world(levels);
  std::filesystem::create_directories(directory);
  std::string manifest = "Test world\n" + std::to_string(levels.size()) + "\n";
  for (const char* name : names) {
    manifest += std::string("# ") + name + '\n';
    for (std::size_t k = 0; k < levels.size(); ++k)
      manifest += "level" + std::to_string(k) + '/' + name + '\n';
  }
  write_file(directory + "/manifest.txt", manifest);
  for (std::size_t k = 0; k < world.size(); ++k) {
    const Level& level = world[k];
    std::vector<std::string> transitions, obstructions;
    for (const auto& [to, x, y] : level.transitions)
      transitions.push_back(std::to_string(to) + ' ' + std::to_string(x) + ' ' + std::to_string(y));
    for (const Obstruction& obstruction : level.obstructions)
      obstructions.push_back(obstruction.text);
    const std::string image = image_file(level.collision_layer);
    const std::string files[] = {
        image,
        image,
        image,
        text_file("Map content", std::to_string(level.width) + ' ' + std::to_string(level.height),
                  map_rows(level)),
        text_file("Room transitions", std::to_string(transitions.size()), transitions),
        dialogue_file("Problems", level.problems),
        dialogue_file("Information", level.infos),
        text_file("Obstructions", std::to_string(obstructions.size()), obstructions)};
    const std::string level_directory = directory + "/level" + std::to_string(k) + '/';
    std::filesystem::create_directories(level_directory);
    for (int g = 0; g < 8; ++g) write_file(level_directory + names[g], files[g]);
  }
}

#include "support/test_world.h"

#include "level/world_writer.h"

namespace quadrivant {

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
    for (int y = 0; y < level.height && test_level.characters.empty(); ++y)
      for (int x = 0; x < level.width; ++x)
        level.content.push_back(
            test_level.codes[y][x] == 0 ? ground[(x * 7 + y * 3) % (sizeof ground - 1)] : '#');
    if (!test_level.characters.empty()) level.content = MapCharacters(test_level.characters);
    level.transitions = test_level.transitions;
    level.problems = test_level.problems;
    level.infos = test_level.infos;
    level.obstructions = test_level.obstructions;
    world.push_back(std::move(level));
  }
  return world;
}

void write_world(const std::string& directory, const std::vector<TestLevel>& levels) {
  WorldLayout layout;
  layout.title = "Test world";
  for (std::size_t k = 0; k < levels.size(); ++k) {
    layout.level_folders.push_back("level" + std::to_string(k));
    layout.level_names.push_back("level" + std::to_string(k));
  }
  quadrivant::write_world(make_world(levels), layout, directory);
}

}  // namespace quadrivant

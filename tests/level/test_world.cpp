#include "level/test_world.h"

#include "support/run_program.h"

namespace {

constexpr std::array<const char*, group_count> file_suffixes = {
    "_fg.pgm",    "_bg.ppm",       "_collision.pgm", "_map.txt",
    "_rooms.txt", "_problems.txt", "_infos.txt",     "_obstructions.txt"};

constexpr std::array<const char*, group_count> group_comments = {
    "# foreground colours", "# background colours", "# cell codes",        "# map contents",
    "# room transitions",   "# problems",           "# information texts", "# obstructions"};

std::string header(const char* magic, int width, int height) {
  return std::string(magic) + "\n" + std::to_string(width) + " " + std::to_string(height) +
         "\n255\n";
}

std::string foreground_layer(int width, int height, int level) {
  std::string image = header("P2", width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image += std::to_string(100 + level) + " ";
    image += "\n";
  }
  return image;
}

std::string background_layer(int width, int height, int level) {
  constexpr int cube_intensities[] = {0, 95, 135, 175, 215, 255};
  const char blue = static_cast<char>(cube_intensities[level % 6]);
  std::string image = header("P6", width, height);
  for (int cell = 0; cell < width * height; ++cell) image += std::string{'\0', '\0', blue};
  return image;
}

std::string collision_layer(int width, int height) {
  std::string image = header("P5", width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      image += border ? '\xff' : '\0';
    }
  }
  return image;
}

std::string map_content(int width, int height, int level) {
  std::string text = "Level " + std::to_string(level) + "\n" + std::to_string(width) + " " +
                     std::to_string(height) + "\n\n";
  for (int y = 0; y < height; ++y) text += std::string(width, 'a' + level) + "\n";
  return text;
}

std::array<std::string, group_count> level_files(int level, int levels, int width, int height) {
  const std::string k = std::to_string(level);
  return {
      foreground_layer(width, height, level),
      background_layer(width, height, level),
      collision_layer(width, height),
      map_content(width, height, level),
      "Rooms\n1\nlevel x y\n" + std::to_string((level + 1) % levels) + " 34 11\n",
      "Problems\n1\n\nQuestion " + k + "?\nSolved " + k + ".\n" + std::to_string(10 + level) + "\n",
      "Information\n1\n\nLocked " + k + ".\nOpen " + k + ".\n" + k + "\n",
      "Obstructions\n1\n\nWall " + k + ".\n",
  };
}

}  // namespace

TestWorld write_test_world(const std::string& directory, int levels, const std::string& prefix) {
  TestWorld world;
  world.manifest = prefix + "manifest.txt";
  for (int level = 0; level < levels; ++level) {
    const std::array<std::string, group_count> contents =
        level_files(level, levels, 69 + level, 23 + level);
    std::array<std::string, group_count>& names = world.files.emplace_back();
    for (int group = 0; group < group_count; ++group) {
      const std::string name = "level" + std::to_string(level) + file_suffixes[group];
      write_file(directory + "/" + name, contents[group]);
      names[group] = prefix + name;
    }
  }

  std::string manifest = "Test world\n" + std::to_string(levels) + " levels\n";
  for (int group = 0; group < group_count; ++group) {
    manifest += std::string(group_comments[group]) + "\n";
    for (int level = 0; level < levels; ++level) {
      if (level > 0) manifest += "# level " + std::to_string(level) + "\n";
      manifest += world.files[level][group] + "\n";
    }
  }
  write_file(directory + "/manifest.txt", manifest);
  return world;
}

std::string loading_reports_through(const TestWorld& world, int level, int group) {
  std::string reports = "Loading " + world.manifest + "\n";
  for (int k = 0; k <= level; ++k) {
    for (int g = 0; g < (k == level ? group + 1 : group_count); ++g) {
      reports += "Loading " + world.files[k][g];
      reports += g == group_content ? "  |  Map dimensions: " + std::to_string(69 + k) + "x" +
                                          std::to_string(23 + k) + "\n"
                                    : "\n";
    }
  }
  return reports;
}

std::string loading_reports(const TestWorld& world) {
  return loading_reports_through(world, static_cast<int>(world.files.size()) - 1,
                                 group_obstructions);
}

#include "shipped_game.h"

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "level/manifest.h"
#include "support/run_program.h"

std::string game_directory() {
  return std::string(QUADRIVANT_SOURCE_DIR) + "/game";
}

MapData load_shipped_world() {
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(game_directory());
  std::FILE* reports = std::tmpfile();
  MapData map = generate_map_data(reports);
  std::fclose(reports);
  std::filesystem::current_path(here);
  return map;
}

int problem_count(const MapData& map) {
  int total = 0;
  for (const DialogueTable& table : map.problems) total += static_cast<int>(table.number.size());
  return total;
}

std::vector<std::string> walkthrough_lines() {
  std::istringstream text(read_file(game_directory() + "/walkthrough.txt"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

std::string as_input(const std::vector<std::string>& lines) {
  std::string input;
  for (const std::string& line : lines) input += line + "\n";
  return input;
}

#include "checker/level_texts.h"

namespace quadrivant {

namespace {

std::string entry_text(const char* kind, std::size_t k, const char* which) {
  return std::string(kind) + " " + std::to_string(k) + which;
}

}  // namespace

std::vector<LevelText> level_texts(const Level& level) {
  std::vector<LevelText> texts;
  for (std::size_t k = 0; k < level.problems.size(); ++k) {
    const Problem& problem = level.problems[k];
    texts.push_back({group_problems, entry_text("problem", k, ", its question"), problem.question});
    texts.push_back(
        {group_problems, entry_text("problem", k, ", its solved text"), problem.solved_text});
  }
  for (std::size_t k = 0; k < level.infos.size(); ++k) {
    const Information& info = level.infos[k];
    texts.push_back(
        {group_infos, entry_text("information entry", k, ", its locked text"), info.locked_text});
    texts.push_back({group_infos, entry_text("information entry", k, ", its unlocked text"),
                     info.unlocked_text});
  }
  for (std::size_t k = 0; k < level.obstructions.size(); ++k) {
    texts.push_back(
        {group_obstructions, entry_text("obstruction", k, ""), level.obstructions[k].text});
  }
  return texts;
}

}  // namespace quadrivant

#include "checker/level_texts.h"

namespace quadrivant {

std::vector<LevelText> level_texts(const Level& level) {
  constexpr EntryText first = EntryText::first_text, second = EntryText::second_text;
  std::vector<LevelText> texts;
  for (std::size_t k = 0; k < level.problems.size(); ++k) {
    texts.push_back({group_problems, k, first, level.problems[k].question});
    texts.push_back({group_problems, k, second, level.problems[k].solved_text});
  }
  for (std::size_t k = 0; k < level.infos.size(); ++k) {
    texts.push_back({group_infos, k, first, level.infos[k].locked_text});
    texts.push_back({group_infos, k, second, level.infos[k].unlocked_text});
  }
  for (std::size_t k = 0; k < level.obstructions.size(); ++k) {
    texts.push_back({group_obstructions, k, EntryText::whole_entry, level.obstructions[k].text});
  }
  return texts;
}

}  // namespace quadrivant

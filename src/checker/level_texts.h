// Every text of a level that a panel shows, with the file that holds it and its name in findings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "level/manifest.h"
#include "level/world.h"

namespace quadrivant {

struct LevelText {
  ManifestGroup group;  // the table file that holds it
  std::string name;     // e.g. "problem 0, its question"
  std::string_view text;
};

// The texts of `level`, table by table (problems, information entries, obstructions), entry by
// entry. They point into `level`.
std::vector<LevelText> level_texts(const Level& level);

}  // namespace quadrivant

// Every text of a level that a panel shows, with the entry and the text of it that it is.
#pragma once

#include <string_view>
#include <vector>

#include "checker/finding.h"
#include "level/manifest.h"
#include "level/world.h"

namespace quadrivant {

struct LevelText {
  ManifestGroup group;  // the table that holds it
  std::size_t entry;    // its entry there
  EntryText which;      // which text of the entry
  std::string_view text;
};

// The texts of `level`, table by table (problems, information entries, obstructions), entry by
// entry. They point into `level`.
std::vector<LevelText> level_texts(const Level& level);

}  // namespace quadrivant

// The level checker's whole run on a world's directory.
#pragma once

#include <string>

#include "checker/finding.h"

namespace quadrivant {

struct WorldCheck {
  Findings findings;
  Manifest manifest;          // as far as it was read: the names of the world's files
  std::string manifest_file;  // the manifest's path, for findings about the whole world
};

// Reads the world in `directory` (the working directory if empty) with the game's readers and
// checks everything the game refuses and everything a player would meet as a fault: every file
// is read even after another was refused; the world's play is checked once it loads whole.
WorldCheck check_world(const std::string& directory);

// The line the checker prints for `finding` of `check`, naming the world's files.
std::string checker_line(const Finding& finding, const WorldCheck& check);

// The most faulty cells named on a level: a level wrong everywhere is told by its first ones, and
// the others are counted.
inline constexpr std::size_t most_cell_findings = 100;

}  // namespace quadrivant

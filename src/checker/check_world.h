// The level checker's whole run on a world's directory.
#pragma once

#include <string>

#include "checker/finding.h"

namespace quadrivant {

// Reads the world in `directory` (the working directory if empty) with the game's readers and
// checks everything the game refuses and everything a player would meet as a fault: every file
// is read even after another was refused; the world's play is checked once it loads whole.
Findings check_world(const std::string& directory);

// The most faulty cells named: a level wrong everywhere is told by its first ones.
inline constexpr std::size_t most_cell_findings = 100;

}  // namespace quadrivant

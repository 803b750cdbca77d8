// The starter world that `quadrivant-author new DIR` writes: the commented sources of a small
// world of two levels (a problem, an information entry and the gate it opens, doors both ways,
// the finish and a route), which builds, passes the checker without a finding and is won by its
// walkthrough, for a new author to change into a world of their own.
#pragma once

#include <string>
#include <vector>

#include "level/world_writer.h"

namespace quadrivant {

// The source files, by name, as `new` writes them.
std::vector<WorldFileText> starter_world_sources();

// Writes the starter world's sources into DIRECTORY/source (made if missing) and returns what to
// tell the author: where they are and the commands that build, check and play the world. Refuses,
// before writing anything, when one of the files is already there: the tool never replaces a file
// it did not write.
std::string write_starter_world(const std::string& directory);

}  // namespace quadrivant

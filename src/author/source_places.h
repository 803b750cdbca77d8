// The places of the checker's findings, named in the author's sources: the level file and line of
// the statement or map row that made the cell or table entry, so that an author never has to look
// into the files the tool wrote.
#pragma once

#include <string>

#include "author/world_source.h"
#include "checker/finding.h"

namespace quadrivant {

// "hall.level:27: cell (89, 14) '%'" for a cell (the line of its map row, and the character the
// author wrote there), "hall.level:40: problem 'P'" for a table entry (the line of its marker's
// statement; of its text for a text), the level file for one of its files, world.txt for the world
// as a whole.
std::string source_place(const Place& place, const WorldSource& source);

}  // namespace quadrivant

// A whole world in one fuzz input: manifest.txt and the files it names, packed as text so seeds
// can be written by hand and mutations stay meaningful.
//
//   --- manifest.txt
//   <the bytes of manifest.txt>
//   --- fg.pgm
//   <the bytes of fg.pgm>
//
// A line "--- NAME" starts a file; its bytes run up to the next such line (the newline before
// it belongs to the file), so only the last file can end without a newline. Bytes before the
// first such line are ignored. A name is a path of plain names separated by '/' (a level's folder
// and its file: levels/hall/fg.pgm), each of letters, digits, '.', '_' and '-', not starting with
// '.', at most 64 bytes in all: a file with any other name is skipped, so an archive never writes
// outside its directory. Folders are made as needed; a later file of the same name replaces an
// earlier one, and a name that a folder already has is skipped.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quadrivant {

// Writes the files of `archive` into the existing directory `directory`.
void unpack_world_archive(std::string_view archive, const std::string& directory);

// The archive of `files` (path, bytes), each ended by a newline if it has none: a byte after the
// file's own, which its reader never reaches (a raw raster ends where its size says).
std::string pack_world_archive(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace quadrivant

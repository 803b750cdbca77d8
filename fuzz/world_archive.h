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
// first such line are ignored. Names are plain file names of letters, digits, '.', '_' and '-',
// not starting with '.', at most 64 bytes: a file with any other name is skipped, so an archive
// never writes outside its directory. A later file of the same name replaces an earlier one.
#pragma once

#include <string>
#include <string_view>

// Writes the files of `archive` into the existing directory `directory`.
void unpack_world_archive(std::string_view archive, const std::string& directory);

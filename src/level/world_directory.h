// Which directory a world is played or checked from: the one named on the command line, else the
// working directory when it holds manifest.txt, else the installed adventure.
#pragma once

#include <string>

namespace quadrivant {

// The world to use when none is named: the working directory when it holds manifest.txt (""),
// else `installed` when it holds one, else the working directory again, whose missing manifest
// is then refused as usual.
std::string default_world_directory(const std::string& installed);

// Throws a Failure (standard error) unless `directory` may hold a world: it does not exist, cannot
// be looked at (a path too long for the system, a folder that may not be read), is no directory,
// or holds nothing named manifest.txt. A manifest.txt that is no regular file is the loader's to
// refuse.
void refuse_unless_world_directory(const std::string& directory);

}  // namespace quadrivant

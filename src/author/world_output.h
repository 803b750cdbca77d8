// How the tool puts a built world into its output directory: whole or not at all, and never at
// the cost of a file it did not write.
//
// The output directory may hold other things (the world's sources, notes); the tool writes only
// manifest.txt, the level folders it names and walkthrough.txt, and knows its own earlier build by
// its manifest, which is exactly what the tool writes: the files it names and walkthrough.txt are
// the tool's. Every check runs before anything is
// written: a manifest.txt the tool did not write, or a file or folder in the way of one it is to
// write, refuses the build. The new files are written into a fresh folder inside the output
// directory and proven there; only then is each moved into place (the manifest last), the files
// of the earlier build that the new one does not write are removed, and so are the level folders
// they leave empty. A refused build leaves the last good output exactly as it was.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "level/world_writer.h"

namespace quadrivant {

// The walkthrough, beside the manifest: in an output directory of the tool, it is the tool's.
inline constexpr const char* walkthrough_name = "walkthrough.txt";

// Puts `files` (paths relative to the world's directory) into `directory`, made if missing, as
// described above. `prove` is run on the folder the new world is first written into, and may
// throw a Failure to refuse it. Throws a Failure naming what is in the way, or a file that cannot
// be written.
void replace_world(const std::string& directory, const std::vector<WorldFileText>& files,
                   const std::function<void(const std::string& written)>& prove);

}  // namespace quadrivant

// A whole world as the game loads it at start: the manifest, every file it names and the
// load-time check, from an archive (world_archive.h) unpacked into a fresh directory, which the
// loader is given as the world's directory.
#include <cstddef>
#include <cstdint>

#include "base/failure.h"
#include "fuzz_support.h"
#include "level/manifest.h"
#include "level/unplayable_cells.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& directory = quadrivant::unpack_input_as_world(data, size);
  try {
    quadrivant::refuse_unplayable_world(
        quadrivant::load_world(quadrivant::null_output(), directory));
  } catch (const quadrivant::Failure&) {
  }
  return 0;
}

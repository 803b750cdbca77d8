// The level checker's whole run on a world from an archive (world_archive.h): every file read,
// every refusal and unplayable cell named, and every finding of play on a world that loads; then
// the map preview of its first level. The checker names faults; it must never crash, abort or
// hang on any world.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "base/failure.h"
#include "checker/check_world.h"
#include "checker/map_preview.h"
#include "checker/world_reading.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quadrivant;
  const std::string& directory = unpack_input_as_world(data, size);
  const WorldCheck check = check_world(directory);
  for (const Finding& finding : check.findings) {
    // Every finding can be printed: its line is built, as the checker prints it.
    static_cast<void>(checker_line(finding, check));
  }
  static std::FILE* const nowhere = std::fopen("/dev/null", "w");
  try {
    const LevelPicture picture = read_level_picture(directory, 0);
    print_map_preview(nowhere, picture.level, picture.content_file);
  } catch (const Failure&) {
  }
  return 0;
}

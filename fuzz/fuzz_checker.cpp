// The level checker's whole run on a world from an archive (world_archive.h): every file read,
// every refusal and unplayable cell named, and every finding of play on a world that loads. The
// checker names faults; it must never crash, abort or hang on any world.
#include <cstddef>
#include <cstdint>

#include "checker/check_world.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& directory = quadrivant::unpack_input_as_world(data, size);
  const quadrivant::WorldCheck check = quadrivant::check_world(directory);
  for (const quadrivant::Finding& finding : check.findings) {
    // Every finding can be printed: its line is built, as the checker prints it.
    static_cast<void>(quadrivant::checker_line(finding, check));
  }
  return 0;
}

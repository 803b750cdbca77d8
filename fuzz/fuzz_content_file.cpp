// A map content file: the level's size and the character of every cell.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "level/content_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quadrivant::read_input_with(data, size, quadrivant::read_map_content_file);
  return 0;
}

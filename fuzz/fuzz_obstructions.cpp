// An obstruction table.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "level/level_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quadrivant::read_input_with(data, size, quadrivant::read_obstruction_file);
  return 0;
}

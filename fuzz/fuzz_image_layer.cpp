// An image layer (PGM or PPM, plain or raw) as the game reads it for any of its three layers.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "level/image_layer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quadrivant::read_input_with(data, size, quadrivant::read_image_layer);
  return 0;
}

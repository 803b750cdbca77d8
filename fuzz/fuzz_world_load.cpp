// A whole world as the game loads it at start: the manifest, every file it names and the
// load-time check, from an archive (world_archive.h) unpacked into a fresh directory, which the
// loader is given as the world's directory.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "fuzz_support.h"
#include "level/level_check.h"
#include "level/load_error.h"
#include "level/manifest.h"
#include "world_archive.h"

namespace {

// A fresh empty directory for each load, so no file of an earlier input is read.
const std::string& fresh_world_directory() {
  static const std::string world = scratch_directory() + "/world";
  std::filesystem::remove_all(world);
  std::filesystem::create_directory(world);
  return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& directory = fresh_world_directory();
  unpack_world_archive(std::string_view(reinterpret_cast<const char*>(data), size), directory);
  try {
    check_level_data(load_world(null_output(), directory));
  } catch (const LoadError&) {
  }
  return 0;
}

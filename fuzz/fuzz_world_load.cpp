// A whole world as the game loads it at start: the manifest, every file it names and the
// load-time check, from an archive (world_archive.h) unpacked into a fresh directory.
#include <unistd.h>

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

// The working directory of one load: the game takes a manifest's paths from there. Holds a fresh
// empty directory while it lives and then returns to where the fuzzer was started, whose
// relative corpus paths it goes on reading.
class FreshWorldDirectory {
 public:
  FreshWorldDirectory() : started_in_(std::filesystem::current_path()) {
    std::filesystem::remove_all(world_);
    std::filesystem::create_directory(world_);
    std::filesystem::current_path(world_);
  }
  ~FreshWorldDirectory() { std::filesystem::current_path(started_in_); }
  FreshWorldDirectory(const FreshWorldDirectory&) = delete;
  FreshWorldDirectory& operator=(const FreshWorldDirectory&) = delete;

 private:
  const std::filesystem::path started_in_;
  const std::filesystem::path world_ = std::filesystem::path(scratch_directory()) / "world";
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FreshWorldDirectory directory;
  unpack_world_archive(std::string_view(reinterpret_cast<const char*>(data), size), ".");
  try {
    check_level_data(generate_map_data(null_output()));
  } catch (const LoadError&) {
  }
  return 0;
}

#include "fuzz_support.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "world_archive.h"

namespace quadrivant {

namespace {

void remove_scratch_directory() {
  std::error_code ignored;
  std::filesystem::remove_all(scratch_directory(), ignored);
}

std::string make_scratch_directory() {
  std::string name = (std::filesystem::temp_directory_path() / "quadrivant-fuzz-XXXXXX").string();
  if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("no scratch directory: " + name);
  return name;
}

}  // namespace

std::FILE* null_output() {
  static std::FILE* const stream = std::fopen("/dev/null", "w");
  return stream;
}

const std::string& scratch_directory() {
  static const std::string directory = make_scratch_directory();
  // Registered after the name exists, so it runs before the name is destroyed at exit.
  static const bool removed_at_exit = std::atexit(remove_scratch_directory) == 0;
  (void)removed_at_exit;
  return directory;
}

void write_bytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!file) throw std::runtime_error("cannot write " + path);
}

const std::string& unpack_input_as_world(const std::uint8_t* data, std::size_t size) {
  static const std::string world = scratch_directory() + "/world";
  std::filesystem::remove_all(world);
  std::filesystem::create_directory(world);
  unpack_world_archive(std::string_view(reinterpret_cast<const char*>(data), size), world);
  return world;
}

std::string input_as_file(const std::uint8_t* data, std::size_t size) {
  const std::string path = scratch_directory() + "/input";
  write_bytes(path, data, size);
  return path;
}

}  // namespace quadrivant

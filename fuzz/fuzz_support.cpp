#include "fuzz_support.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

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

std::string input_as_file(const std::uint8_t* data, std::size_t size) {
  const std::string path = scratch_directory() + "/input";
  write_bytes(path, data, size);
  return path;
}

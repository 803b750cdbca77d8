#include "world_archive.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "fuzz_support.h"

namespace quadrivant {

namespace {

constexpr std::string_view file_marker = "--- ";
constexpr std::size_t longest_name = 64;

bool is_plain_name(std::string_view name) {
  const auto allowed = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
  };
  return !name.empty() && name.front() != '.' && std::all_of(name.begin(), name.end(), allowed);
}

// Plain names separated by single '/': nothing can lead out of the world's directory.
bool is_plain_path(std::string_view path) {
  if (path.size() > longest_name) return false;
  for (std::size_t start = 0;;) {
    const std::size_t slash = path.find('/', start);
    if (!is_plain_name(path.substr(start, slash - start))) return false;
    if (slash == std::string_view::npos) return true;
    start = slash + 1;
  }
}

void write_archived_file(const std::string& directory, std::string_view name,
                         std::string_view body) {
  const std::filesystem::path path = std::filesystem::path(directory) / std::string(name);
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error || std::filesystem::is_directory(path, error)) return;
  write_bytes(path.string(), reinterpret_cast<const std::uint8_t*>(body.data()), body.size());
}

// Where the next "--- " line starts at or after `from`, or npos.
std::size_t next_marker(std::string_view archive, std::size_t from) {
  if (from == 0 && archive.starts_with(file_marker)) return 0;
  const std::size_t found =
      archive.find(std::string("\n").append(file_marker), from ? from - 1 : 0);
  return found == std::string_view::npos ? found : found + 1;
}

}  // namespace

void unpack_world_archive(std::string_view archive, const std::string& directory) {
  std::size_t marker = next_marker(archive, 0);
  while (marker != std::string_view::npos) {
    const std::size_t name_start = marker + file_marker.size();
    const std::size_t name_end = std::min(archive.find('\n', name_start), archive.size());
    const std::size_t body_start = std::min(name_end + 1, archive.size());
    const std::size_t following = next_marker(archive, body_start);
    const std::string_view name = archive.substr(name_start, name_end - name_start);
    const std::string_view body = archive.substr(body_start, following - body_start);
    if (is_plain_path(name)) write_archived_file(directory, name, body);
    marker = following;
  }
}

std::string pack_world_archive(const std::vector<std::pair<std::string, std::string>>& files) {
  std::string packed;
  for (const auto& [name, bytes] : files) {
    packed += std::string(file_marker) + name + "\n" + bytes;
    if (!bytes.ends_with('\n')) packed += '\n';
  }
  return packed;
}

}  // namespace quadrivant

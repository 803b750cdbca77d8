#include "world_archive.h"

#include <algorithm>
#include <cstdint>

#include "fuzz_support.h"

namespace {

constexpr std::string_view file_marker = "--- ";
constexpr std::size_t longest_name = 64;

bool is_plain_file_name(std::string_view name) {
  const auto allowed = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
  };
  return !name.empty() && name.size() <= longest_name && name.front() != '.' &&
         std::all_of(name.begin(), name.end(), allowed);
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
    if (is_plain_file_name(name))
      write_bytes(directory + "/" + std::string(name),
                  reinterpret_cast<const std::uint8_t*>(body.data()), body.size());
    marker = following;
  }
}

#include "level/map_characters.h"

#include <algorithm>

namespace quadrivant {

std::size_t MapCharacters::append(std::string_view utf8) {
  if (!wide_) {
    // A row of single bytes (the usual ASCII map) is kept as it stands.
    const std::size_t count = count_characters(utf8);
    if (count == utf8.size()) {
      byte_cells_.append(utf8);
      return count;
    }
    widen();
  }
  const std::size_t before = wide_cells_.size();
  for_each_character(utf8, [this](char32_t character) { wide_cells_.push_back(character); });
  return wide_cells_.size() - before;
}

void MapCharacters::push_back(char32_t character) {
  if (!wide_ && character < 0x80) {
    byte_cells_.push_back(static_cast<char>(character));
  } else if (!wide_ && is_stray_byte(character)) {
    byte_cells_.push_back(static_cast<char>(stray_byte(character)));
  } else {
    if (!wide_) widen();
    wide_cells_.push_back(character);
  }
}

void MapCharacters::reserve(std::size_t cells) {
  reserved_ = cells;
  if (wide_) {
    wide_cells_.reserve(cells);
  } else {
    byte_cells_.reserve(cells);
  }
}

void MapCharacters::widen() {
  wide_cells_.reserve(std::max(reserved_, byte_cells_.size()));
  for (std::size_t i = 0; i < byte_cells_.size(); ++i) wide_cells_.push_back((*this)[i]);
  wide_ = true;
  std::string().swap(byte_cells_);
}

void MapCharacters::append_bytes(std::string& text, std::size_t first, std::size_t count) const {
  if (!wide_) {
    text.append(byte_cells_, first, count);
    return;
  }
  for (std::size_t i = first; i < first + count; ++i) append_utf8(text, wide_cells_[i]);
}

bool operator==(const MapCharacters& a, const MapCharacters& b) {
  if (a.is_narrow() && b.is_narrow()) return a.byte_cells_ == b.byte_cells_;
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace quadrivant

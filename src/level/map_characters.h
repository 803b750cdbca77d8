// The character of every cell of a level's map, row by row from the top. A map whose every cell
// is one byte (ASCII, or a byte that is not UTF-8) keeps one byte a cell; from the first cell
// that holds a character of several bytes on, every cell takes a char32_t.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/utf8.h"

namespace quadrivant {

class MapCharacters {
 public:
  MapCharacters() = default;
  // The characters of `utf8`, one a cell.
  explicit MapCharacters(std::string_view utf8) { append(utf8); }

  std::size_t size() const { return wide_ ? wide_cells_.size() : byte_cells_.size(); }

  // Cell `i`: a character, or a stray byte (base/utf8.h).
  char32_t operator[](std::size_t i) const {
    if (wide_) return wide_cells_[i];
    const auto byte = static_cast<unsigned char>(byte_cells_[i]);
    return byte < 0x80 ? byte : stray_byte_character(byte);
  }

  // Appends a cell for every character of `utf8`; returns how many cells that is.
  std::size_t append(std::string_view utf8);
  void push_back(char32_t character);

  // Room for `cells` cells, kept in mind should the map need a char32_t a cell later.
  void reserve(std::size_t cells);

  bool is_narrow() const { return !wide_; }

  // Appends the bytes of cells `first`..`first + count - 1` to `text`, as a file holds them.
  void append_bytes(std::string& text, std::size_t first, std::size_t count) const;

  friend bool operator==(const MapCharacters& a, const MapCharacters& b);

 private:
  void widen();

  bool wide_ = false;
  std::size_t reserved_ = 0;
  std::string byte_cells_;     // while every cell is one byte
  std::u32string wide_cells_;  // once one is not
};

}  // namespace quadrivant

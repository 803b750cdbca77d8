// UTF-8 as level files hold it: one character (of one to four bytes) is one map cell and one
// place in a panel line. A byte that is not part of a well-formed character still takes a place
// of its own, so a file in another encoding keeps its count of characters and is shown, and
// named, byte by byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quadrivant {

// A stray byte (0x80..0xFF, not part of a well-formed character) is kept as a character of its
// own in the range of the low surrogates, U+DC80..U+DCFF, which no well-formed UTF-8 decodes to.
inline constexpr char32_t stray_byte_base = 0xDC00;

constexpr char32_t stray_byte_character(unsigned char byte) {
  return stray_byte_base + byte;
}
constexpr bool is_stray_byte(char32_t character) {
  return character >= stray_byte_base + 0x80 && character <= stray_byte_base + 0xFF;
}
constexpr unsigned char stray_byte(char32_t character) {
  return static_cast<unsigned char>(character - stray_byte_base);
}

// The character that starts at the front of `bytes` (not empty), and how many bytes it takes: a
// well-formed character (no overlong form, no surrogate, nothing above U+10FFFF), or else the
// first byte alone as a stray byte (or as itself below 0x80).
struct Utf8Piece {
  char32_t character = 0;
  std::size_t length = 1;
};
Utf8Piece decode_utf8(std::string_view bytes);

// Calls `take(character)` for every character of `text` in order.
template <class Take>
void for_each_character(std::string_view text, Take take) {
  while (!text.empty()) {
    const Utf8Piece piece = decode_utf8(text);
    take(piece.character);
    text.remove_prefix(piece.length);
  }
}

// How many characters `text` holds (each stray byte counts as one).
std::size_t count_characters(std::string_view text);

// The bytes of `text` that make up its first `count` characters (all of it if it holds fewer).
std::size_t bytes_of_characters(std::string_view text, std::size_t count);

// Appends the bytes of `character`: its UTF-8, or the stray byte itself.
void append_utf8(std::string& text, char32_t character);

// Whether every byte of `text` is ASCII (below 0x80).
bool is_ascii(std::string_view text);

// The character as an author reads it in a message: "U+4E2D" (at least four hex digits), or
// "the byte \xE9" for a stray byte.
std::string character_name(char32_t character);

// The most bytes one character takes: a line of n characters holds at most n times as many.
inline constexpr std::size_t longest_utf8_character = 4;

}  // namespace quadrivant

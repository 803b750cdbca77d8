#include "screen/picture/shown_character.h"

#include <string>

#include "base/cell_fit.h"
#include "base/utf8.h"

namespace quadrivant {

char32_t shown_character(char32_t character) {
  if (character < 0x80) return character < 0x20 || character == 0x7f ? U' ' : character;
  const CellFit fit = cell_fit(character);
  if (fit == CellFit::control) return U' ';
  return is_misfit(fit) ? replacement_character : character;
}

void write_shown_character(std::FILE* out, char32_t character) {
  if (character < 0x80) {
    // The map's own ASCII goes out a byte at a time, as it always has.
    std::fputc(static_cast<int>(shown_character(character)), out);
    return;
  }
  std::string bytes;
  append_shown_character(bytes, character);
  std::fwrite(bytes.data(), 1, bytes.size(), out);
}

void append_shown_character(std::string& text, char32_t character) {
  append_utf8(text, shown_character(character));
}

}  // namespace quadrivant

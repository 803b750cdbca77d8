#include "screen/picture/shown_character.h"

#include <string>

#include "base/cell_fit.h"
#include "base/utf8.h"

namespace quadrivant {

void write_shown_character(std::FILE* out, char32_t character) {
  if (character < 0x80) {
    // The map's own ASCII goes out a byte at a time, as it always has.
    const bool control = character < 0x20 || character == 0x7f;
    std::fputc(control ? ' ' : static_cast<int>(character), out);
    return;
  }
  const CellFit fit = cell_fit(character);
  if (fit == CellFit::control) {
    std::fputc(' ', out);
    return;
  }
  std::string bytes;
  append_utf8(bytes, is_misfit(fit) ? replacement_character : character);
  std::fwrite(bytes.data(), 1, bytes.size(), out);
}

}  // namespace quadrivant

#include "base/text.h"

#include "base/cell_fit.h"
#include "base/utf8.h"

namespace quadrivant {

namespace {

void append_escaped(std::string& shown, unsigned char byte) {
  static constexpr char hex[] = "0123456789abcdef";
  if (byte == '\n') {
    shown += "\\n";
  } else if (byte == '\r') {
    shown += "\\r";
  } else if (byte == '\t') {
    shown += "\\t";
  } else {
    shown += {'\\', 'x', hex[byte >> 4], hex[byte & 0xf]};
  }
}

}  // namespace

std::string printable(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    const Utf8Piece piece = decode_utf8(text);
    const CellFit fit = cell_fit(piece.character);
    if (fit == CellFit::control || fit == CellFit::stray_byte) {
      for (std::size_t i = 0; i < piece.length; ++i) {
        append_escaped(shown, static_cast<unsigned char>(text[i]));
      }
    } else {
      shown.append(text.substr(0, piece.length));
    }
    text.remove_prefix(piece.length);
  }
  return shown;
}

std::string counted(std::size_t count, std::string_view singular, std::string_view plural) {
  return std::to_string(count) + " " + std::string(count == 1 ? singular : plural);
}

}  // namespace quadrivant

#include "base/cell_fit.h"

#include <utf8proc.h>

#include "base/utf8.h"

namespace quadrivant {

namespace {

bool is_control(char32_t character) {
  return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

}  // namespace

CellFit cell_fit(char32_t character) {
  if (character < 0x7F && character >= 0x20) return CellFit::one_column;  // printable ASCII
  if (is_control(character)) return CellFit::control;
  if (is_stray_byte(character)) return CellFit::stray_byte;
  switch (utf8proc_charwidth(static_cast<utf8proc_int32_t>(character))) {
    case 1:
      return CellFit::one_column;
    case 0:
      return CellFit::zero_width;
    default:
      return CellFit::wide;
  }
}

std::string misfit_words(char32_t character) {
  const std::string instead =
      ", so the game shows " + character_name(replacement_character) + " in its place: ";
  const std::string one_column = "use characters one column wide";
  switch (cell_fit(character)) {
    case CellFit::wide:
      return character_name(character) + " is two columns wide on a terminal" + instead +
             one_column;
    case CellFit::zero_width:
      return character_name(character) +
             " takes no column of its own on a terminal (a combining mark, joiner or format "
             "character)" +
             instead + one_column;
    case CellFit::stray_byte:
      return character_name(character) + " is not part of a UTF-8 character" + instead +
             "re-save the file as UTF-8";
    default:
      return "";
  }
}

}  // namespace quadrivant

// Whether a character of level data fits one cell of the terminal's grid. A map cell and a place
// in a panel line are one column each: a character the terminal draws two columns wide, or none,
// would shift everything after it on the line, and a byte that is not UTF-8 is no character at
// all. Widths come from utf8proc's Unicode tables, the same whatever the player's locale.
#pragma once

#include <string>

namespace quadrivant {

enum class CellFit {
  one_column,  // drawn as itself
  control,     // C0 controls, DEL and the C1 controls U+0080..U+009F: drawn as a blank
  wide,        // two columns wide (East Asian wide characters, most emoji)
  zero_width,  // no column of its own (combining marks, joiners, format characters)
  stray_byte,  // a byte that is not part of well-formed UTF-8 (base/utf8.h)
};

CellFit cell_fit(char32_t character);

// True for what the game cannot draw as itself in one cell, and so shows as U+FFFD.
inline bool is_misfit(CellFit fit) {
  return fit == CellFit::wide || fit == CellFit::zero_width || fit == CellFit::stray_byte;
}

// The character shown in place of a misfit.
inline constexpr char32_t replacement_character = 0xFFFD;

// What is wrong with a misfit and what to do, in words, for the checker and the authoring tool:
// "U+4E2D is two columns wide on a terminal, so the game shows U+FFFD in its place: use
// characters one column wide"; "" for a character that fits.
std::string misfit_words(char32_t character);

}  // namespace quadrivant

// Small pieces of wording shared by every program: texts made safe for a terminal, and counts
// of things in words.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quadrivant {

// `text` as it may be shown on a terminal: every control byte (below 0x20, and 0x7F) written
// visibly as \n, \r, \t or \xHH, and so every byte that is not part of a well-formed UTF-8
// character (0x9B, which a terminal in 8-bit mode takes for CSI, as \x9b) and both bytes of a C1
// control written in UTF-8 (U+009B as \xc2\x9b); every other character as it is. Paths and texts
// from level files are shown through this, so none reaches the terminal as a control sequence.
std::string printable(std::string_view text);

// "1 problem", "2 problems", "0 problems".
std::string counted(std::size_t count, std::string_view singular, std::string_view plural);

}  // namespace quadrivant

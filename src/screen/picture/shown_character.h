// What a character of level data looks like on screen. Map characters and panel texts come from
// level files written by strangers, and every one of them must take exactly one cell of the
// grid: a control character (C0, DEL and the C1 controls) sent as it is would ring the bell, move
// the cursor or start an escape sequence, so it is drawn as a blank; a character the terminal
// draws two columns wide or none, and a byte that is not UTF-8, would shift the rest of the line,
// so it is drawn as U+FFFD. Every other character is sent as its UTF-8.
#pragma once

#include <cstdio>
#include <string>

namespace quadrivant {

// What `character` (base/utf8.h: a character or a stray byte) shows as: itself, a blank, or
// U+FFFD.
char32_t shown_character(char32_t character);

// Writes what `character` shows as to `out`, as UTF-8.
void write_shown_character(std::FILE* out, char32_t character);

// Appends what `character` shows as to `text`, as UTF-8.
void append_shown_character(std::string& text, char32_t character);

}  // namespace quadrivant

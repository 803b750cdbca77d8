// What a byte of level data looks like on screen. Map characters and panel texts come from level
// files written by strangers: a control byte sent as it is would ring the bell, move the cursor
// or start an escape sequence, so every byte below 0x20 and DEL (0x7F) is drawn as a blank.
// Bytes from 0x80 up are sent as they are, so UTF-8 texts show.
#pragma once

namespace quadrivant {

constexpr char shown_character(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7f ? ' ' : c;
}

}  // namespace quadrivant

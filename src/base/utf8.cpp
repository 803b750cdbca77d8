#include "base/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quadrivant {

namespace {

bool is_continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The bytes a character that starts with `lead` takes, and the range its second byte must lie
// in (which rules out overlong forms, surrogates and code points above U+10FFFF); a length of 0
// for a byte that starts no character.
struct LeadByte {
  std::size_t length;
  unsigned char second_low;
  unsigned char second_high;
};

LeadByte lead_byte(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

constexpr std::array<unsigned char, 5> lead_payload_mask = {0, 0, 0x1F, 0x0F, 0x07};

}  // namespace

Utf8Piece decode_utf8(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return {lead, 1};
  const LeadByte form = lead_byte(lead);
  if (form.length == 0 || bytes.size() < form.length) return {stray_byte_character(lead), 1};
  const auto second = static_cast<unsigned char>(bytes[1]);
  if (second < form.second_low || second > form.second_high) {
    return {stray_byte_character(lead), 1};
  }
  char32_t character = lead & lead_payload_mask[form.length];
  for (std::size_t i = 1; i < form.length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (!is_continuation(byte)) return {stray_byte_character(lead), 1};
    character = (character << 6) | (byte & 0x3F);
  }
  return {character, form.length};
}

std::size_t count_characters(std::string_view text) {
  // ASCII runs are counted a byte a character without decoding.
  std::size_t count = 0;
  while (!text.empty()) {
    const auto high = std::find_if(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    const auto ascii = static_cast<std::size_t>(high - text.begin());
    count += ascii;
    text.remove_prefix(ascii);
    if (text.empty()) break;
    text.remove_prefix(decode_utf8(text).length);
    ++count;
  }
  return count;
}

std::size_t bytes_of_characters(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (; count > 0 && at < text.size(); --count) at += decode_utf8(text.substr(at)).length;
  return at;
}

void append_utf8(std::string& text, char32_t character) {
  const auto byte = [&text](std::uint32_t value) { text += static_cast<char>(value); };
  if (character < 0x80) {
    byte(character);
  } else if (is_stray_byte(character)) {
    byte(stray_byte(character));
  } else if (character < 0x800) {
    byte(0xC0 | (character >> 6));
    byte(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    byte(0xE0 | (character >> 12));
    byte(0x80 | ((character >> 6) & 0x3F));
    byte(0x80 | (character & 0x3F));
  } else {
    byte(0xF0 | (character >> 18));
    byte(0x80 | ((character >> 12) & 0x3F));
    byte(0x80 | ((character >> 6) & 0x3F));
    byte(0x80 | (character & 0x3F));
  }
}

bool is_ascii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string character_name(char32_t character) {
  static constexpr char hex[] = "0123456789ABCDEF";
  if (is_stray_byte(character)) {
    const unsigned char byte = stray_byte(character);
    return std::string("the byte \\x") + hex[byte >> 4] + hex[byte & 0xF];
  }
  std::string digits;
  for (char32_t rest = character; rest != 0 || digits.size() < 4; rest >>= 4) {
    digits.insert(digits.begin(), hex[rest & 0xF]);
  }
  return "U+" + digits;
}

}  // namespace quadrivant

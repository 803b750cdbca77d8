// Command lines and the small text utilities the game judges lines with. Every line the game
// reads holds at most 11 characters (the rest of a longer line is read as the next line); a
// command line splits into at most two words at single blanks.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quadrivant {

// How many characters one read takes at the most; the 12th byte of the buffer holds the NUL.
inline constexpr int line_capacity = 11;

struct InputData {
  // 1 or 2: the words found, empty words included; 3: a second blank, so the line is unusable.
  int token_count = 0;
  // Token 0 is the command word, token 1 the step count. Only the first token_count are valid.
  std::array<std::string, 2> tokens;
};

// Splits `line` at blanks (only the blank, code 32, separates words).
void make_input_data(InputData& input, std::string_view line);

// 1 if both strings hold the same characters (case counts), else 0.
int str_compare(std::string_view a, std::string_view b);

// 1 if `text` is non-empty and every character is a decimal digit, else 0.
int str_is_int(std::string_view text);

// The exact value of a string of decimal digits (callers check str_is_int first), wide enough for
// the 11 digits a full line can hold; nothing when the digits are too many for a long long.
std::optional<long long> str_to_int(std::string_view digits);

}  // namespace quadrivant

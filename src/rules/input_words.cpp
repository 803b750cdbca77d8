#include "rules/input_words.h"

#include <algorithm>
#include <charconv>

namespace quadrivant {

void make_input_data(InputData& input, std::string_view line) {
  const std::size_t first_blank = line.find(' ');
  if (first_blank == std::string_view::npos) {
    input.token_count = 1;
    input.tokens[0] = line;
    return;
  }
  const std::string_view rest = line.substr(first_blank + 1);
  if (rest.find(' ') != std::string_view::npos) {
    input.token_count = 3;
    return;
  }
  input.token_count = 2;
  input.tokens[0] = line.substr(0, first_blank);
  input.tokens[1] = rest;
}

int str_compare(std::string_view a, std::string_view b) {
  return a == b ? 1 : 0;
}

int str_is_int(std::string_view text) {
  const bool all_digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  return !text.empty() && all_digits ? 1 : 0;
}

std::optional<long long> str_to_int(std::string_view digits) {
  long long value = 0;
  const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || stop != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace quadrivant

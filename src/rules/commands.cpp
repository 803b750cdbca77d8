#include "rules/commands.h"

#include "rules/input_words.h"

namespace quadrivant {

namespace {

const Direction* find_direction(std::string_view word) {
  for (const Direction& direction : directions) {
    if (str_compare(word, direction.word) || str_compare(word, direction.short_word)) {
      return &direction;
    }
  }
  return nullptr;
}

// The steps a count asks for, or -1 unless it is all digits and not above the maximum (a count
// above it is refused, never cut down).
int step_count(const Direction& direction, std::string_view count) {
  if (!str_is_int(count)) return -1;
  const std::optional<long long> steps = str_to_int(count);
  return steps && *steps <= direction.maximum ? static_cast<int>(*steps) : -1;
}

Command one_word(const std::string& word) {
  if (str_compare(word, "quit")) return {CommandKind::quit, nullptr, 0};
  if (str_compare(word, "help")) return {CommandKind::help, nullptr, 0};
  return {};
}

Command two_words(const std::string& word, const std::string& count) {
  const Direction* direction = find_direction(word);
  if (direction == nullptr) return {};
  const int steps = step_count(*direction, count);
  if (steps < 0) return {};
  return {CommandKind::move, direction, steps};
}

}  // namespace

Command parse_command(std::string_view line) {
  InputData input;
  make_input_data(input, line);
  if (input.token_count == 1) return one_word(input.tokens[0]);
  if (input.token_count == 2) return two_words(input.tokens[0], input.tokens[1]);
  return {};
}

}  // namespace quadrivant

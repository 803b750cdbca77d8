#include "rules/answers.h"

#include "rules/input_words.h"

namespace quadrivant {

bool is_right_answer(std::string_view typed, int answer) {
  if (!str_is_int(typed)) return false;
  const std::optional<long long> value = str_to_int(typed);
  return value && *value == answer;
}

}  // namespace quadrivant

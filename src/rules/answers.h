// Problem answers: what a player can type, and when a typed line is the right answer.
#pragma once

#include <string_view>

namespace quadrivant {

// Whether a problem's answer can be typed at all: a player types digits only.
constexpr bool answer_can_be_typed(int answer) {
  return answer >= 0;
}

// Whether `typed` answers a problem whose answer is `answer`: digits only, leading zeros
// allowed, of exactly that value. A line of digits too large for any answer is never right.
bool is_right_answer(std::string_view typed, int answer);

}  // namespace quadrivant

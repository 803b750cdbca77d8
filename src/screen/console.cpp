#include "screen/console.h"

#include "rules/input_words.h"

bool get_input(Console& console, std::string& line) {
  char buffer[line_capacity + 1];
  line.clear();
  if (std::fgets(buffer, sizeof buffer, console.in) == nullptr) return false;
  line = buffer;
  if (!line.empty() && line.back() == '\n') line.pop_back();
  return true;
}

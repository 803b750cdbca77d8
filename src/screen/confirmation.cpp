#include <string>

#include "rules/input_words.h"
#include "screen/frame.h"
#include "screen/pages.h"

void wait_for_ok(Console& console) {
  std::string line;
  // A closed input can never confirm, so its end counts as the confirmation.
  while (get_input(console, line)) {
    if (str_compare(line, "") || str_compare(line, "ok")) return;
    bad_input(console);
  }
}

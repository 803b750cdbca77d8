#include "game/player_lines.h"

#include "rules/input_words.h"
#include "screen/picture/frame.h"

namespace quadrivant {

LineRead read_line_on_clean_screen(Console& console, std::string& line) {
  const LineRead read = read_line(console, line);
  if (read == LineRead::disturbed) start_clean(console);
  if (read == LineRead::line) start_clean_if_disturbed(console);
  return read;
}

bool read_player_line(Console& console, std::string& line) {
  for (;;) {
    switch (read_line_on_clean_screen(console, line)) {
      case LineRead::line:
        return true;
      case LineRead::ended:
        return false;
      case LineRead::disturbed:
        draw_prompt(console);
        break;
    }
  }
}

void wait_for_ok(Console& console) {
  std::string line;
  while (read_player_line(console, line)) {
    if (str_compare(line, "") || str_compare(line, "ok")) return;
    bad_input(console);
  }
}

}  // namespace quadrivant

// What a command line asks for: quit, help, a move, or nothing the game can use.
#pragma once

#include <array>
#include <string_view>

namespace quadrivant {

// The most steps one command may take: the walking marker stays inside the viewport, at most 30
// columns left or right of the centre and 10 rows above or below it. The help page shows them.
inline constexpr int max_horizontal_steps = 30;
inline constexpr int max_vertical_steps = 10;

// A move command: its two words, the cell a step leads to, and the most steps it may take.
struct Direction {
  std::string_view word;
  std::string_view short_word;
  int step_x;
  int step_y;
  int maximum;
};

inline constexpr std::array<Direction, 4> directions = {{
    {"right", "r", 1, 0, max_horizontal_steps},
    {"left", "l", -1, 0, max_horizontal_steps},
    {"down", "d", 0, 1, max_vertical_steps},
    {"up", "u", 0, -1, max_vertical_steps},
}};

enum class CommandKind { quit, help, move, unusable };

struct Command {
  CommandKind kind = CommandKind::unusable;
  const Direction* direction = nullptr;  // for a move
  int steps = 0;                         // for a move: 0 up to the direction's maximum
};

// Judges one command line (without its newline), words compared exactly, case included:
// "quit" and "help" alone; a direction word and a count of digits only, not above the
// direction's maximum (leading zeros allowed); anything else is unusable.
Command parse_command(std::string_view line);

}  // namespace quadrivant

// Command input: every line the game reads goes through a 12-byte buffer (at most 11
// characters, the newline removed; the rest of a longer line is read as the next line), and a
// command line splits into at most two words at single blanks. Also the small text utilities
// that the loop, the pages and the panels judge lines with.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "screen/console.h"

// How many characters one read takes at the most; the 12th byte of the buffer holds the NUL.
inline constexpr int line_capacity = 11;

struct InputData {
  // 1 or 2: the words found, empty words included; 3: a second blank, so the line is unusable.
  int token_count = 0;
  // Token 0 is the command word, token 1 the step count. Only the first token_count are valid.
  std::array<std::string, 2> tokens;
};

// What one read brought.
enum class LineRead {
  line,       // a line (or the next 11 characters of a longer one)
  ended,      // the input has ended or cannot be read
  disturbed,  // the terminal was resized or brought back from the background meanwhile
};

// Reads the next line, or the next 11 characters of a longer one, into `line` without its
// newline. When the wait for a line typed at the terminal is cut short by a disturbed screen,
// nothing is read: a clear-screen and the frame are written (not flushed) and `disturbed`
// returned, so the caller can redraw its picture and read again. A disturbance noticed after a
// line came in leaves the same clear-screen and frame for the drawing that follows.
LineRead read_line(Console& console, std::string& line);

// read_line until a line comes or the input ends; a disturbed screen gets the frame and the
// prompt again meanwhile. Returns false, leaving `line` empty, once the input has ended or
// cannot be read.
bool get_input(Console& console, std::string& line);

// Splits `line` at blanks (only the blank, code 32, separates words).
void make_input_data(InputData& input, std::string_view line);

// Number of characters in `text`.
int stringlen(std::string_view text);

// 1 if both strings hold the same characters (case counts), else 0.
int str_compare(std::string_view a, std::string_view b);

// 1 if `text` is non-empty and every character is a decimal digit, else 0.
int str_is_int(std::string_view text);

// The exact value of a string of decimal digits (callers check str_is_int first). Wide enough
// for the 11 digits a full line can hold.
long long str_to_int(std::string_view digits);

// The few terminal sequences the picture is drawn with, written into the console's buffer: the
// cursor-position sequence, the xterm 256-colour sequences, and the clear-screen a disturbed
// screen starts with. Positions are 1-based (row, column); nothing here flushes.
#pragma once

#include <string_view>

#include "screen/terminal/console.h"

namespace quadrivant {

// "\e[<row>;<column>H"
void move_cursor(Console& console, int row, int column);

// "\e[48;5;<background>m\e[38;5;<foreground>m"
void set_colours(Console& console, int background, int foreground);

// "\e[38;5;<foreground>m": the background stays what it was.
void set_foreground(Console& console, int foreground);

// "\e[48;5;<background>m": the foreground stays what it was.
void set_background(Console& console, int background);

// "\e[2J": the whole terminal blank, for a screen that a resize or the shell has disturbed.
void clear_screen(Console& console);

void write_text(Console& console, std::string_view text);
void write_repeated(Console& console, char c, int count);

}  // namespace quadrivant

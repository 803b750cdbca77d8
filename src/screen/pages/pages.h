// Full-screen pages: the title, help, goodbye and winning pages, drawn over the viewport inside
// the frame. The pages only draw and hold: where one waits for the player's confirmation, the
// game waits (game/player_lines.h).
#pragma once

#include "screen/terminal/console.h"

namespace quadrivant {

// The title page with the block-letter title, held for 7 x 500 ms; reads no input. A screen
// disturbed meanwhile gets the page again.
void show_title_page(Console& console);

// The help page, then the prompt over its top rows. Drawn again whole on a disturbed screen.
void show_help_page(Console& console);

// The goodbye page, held for 3 x 500 ms (drawn again on a screen disturbed meanwhile), then the
// terminal left to the shell (leave_terminal).
void show_goodbye_page(Console& console);

// The winning page, then the prompt over its top rows. Drawn again whole on a disturbed screen.
void show_winning_page(Console& console);

// The cursor below the picture, attributes reset, on a fresh line: the shell takes over from
// here. Ends the drawing step.
void leave_terminal(Console& console);

}  // namespace quadrivant

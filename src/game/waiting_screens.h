// The screens that wait for the player's confirmation: the help page, the winning page and the
// information panel, each drawn by the screen and held until an empty line or "ok" comes.
#pragma once

#include <string_view>

#include "level/world.h"
#include "screen/picture/viewport.h"
#include "screen/terminal/console.h"

namespace quadrivant {

// The help page until confirmed.
void help(Console& console);

// The winning page until confirmed, then the terminal left to the shell.
void finish(Console& console);

// An information panel showing `text` until confirmed, then closing over `level` at `view`.
void info_panel(Console& console, const Level& level, View view, std::string_view text);

}  // namespace quadrivant

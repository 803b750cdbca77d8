// The game's options for level authors trying a world: --instant skips every wait of the game
// (the screens stay the same), --start LEVEL:X,Y puts the player on a cell of any level, and
// --solved N counts N problems as solved from the start, so late gates can be tried. Without
// them the game is a player's game, byte for byte.
#pragma once

#include <optional>
#include <string>

#include "base/command_line.h"
#include "level/world.h"
#include "rules/game_state.h"

namespace quadrivant {

inline constexpr const char* instant_option = "--instant";
inline constexpr const char* start_option = "--start";
inline constexpr const char* solved_option = "--solved";

struct StartPlace {
  int level = 0;
  Cell cell;
};

struct AuthorAids {
  bool instant = false;
  std::optional<StartPlace> start;
  int solved = 0;
};

// The aids of `line`. A value that is not of its option's form is a wrong command line
// (refuse_command_line with `form`).
AuthorAids read_author_aids(const CommandLine& line, const CommandLineForm& form);

// Where the game on `world` starts with `aids`. Throws a Failure (standard error, status 2)
// naming the option when the start is not free ground of a level the world holds, or when more
// problems are counted as solved than the world holds.
GameStart game_start_of(const AuthorAids& aids, const World& world, const std::string& program);

}  // namespace quadrivant

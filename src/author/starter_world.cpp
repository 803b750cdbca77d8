#include "author/starter_world.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/failure.h"
#include "base/text.h"

namespace quadrivant {

namespace {

namespace fs = std::filesystem;

struct StarterFile {
  const char* name;
  const char* text;
};

// The sources, each as the author will read it.
const StarterFile starter_files[] = {
    {"world.txt",
     R"source(# A starter world, written by "quadrivant-author new": two levels to change into your own.
# From the directory that holds this source folder, build it, check it and play it:
#
#   quadrivant-author build source .
#   quadrivant-check .
#   quadrivant .
#
# This file names the world and lists its levels in order. The player starts on the first
# level, on cell (19, 13): x counts columns from 0 at the left, y rows from 0 at the top.
# Each level <name> is written in <name>.level beside this file; a name is made of letters,
# digits, '-' and '_'.
title A starter world: the hall and the garden
level hall
level garden
)source"},
    {"legend.txt",
     R"source(# The map characters every level shares. Each line gives the character you type in a map,
# the character the game shows (blank for a blank), its foreground and background colours
# (xterm colours, 0 to 255) and its kind: ground (walked on), obstacle (stops a walk), finish
# (walking into it wins the game) or look (only lends its appearance to markers, see
# hall.level). A level file may add legend lines of its own.
#
#      char  shown  fg   bg   kind
legend #     #      244  239  obstacle
legend .     .      240  236  ground
legend ~     ~      117  25   obstacle
legend o     O      252  236  obstacle
legend %     Q      16   231  finish
#
# Looks, for markers only.
legend +     +      16   78   look
legend ?     ?      16   220  look
legend i     i      16   159  look
legend =     =      223  94   look
)source"},
    {"hall.level", R"source(# THE HALL (level 0)
#
# The map goes between "map" and "end": every row as wide as the first, at least 69 x 23
# cells. Characters that are not in the legend are markers, declared below the map: the
# special cells of the level. Every cell of a marker is the same thing, so a door may be
# several cells wide.

map
#####################################################################
#.......................................#...........................#
#.......................................#...........................#
#.......................................#...........................#
#.......o.....................o.........#...........................#
#.......................................#...........................#
#..................P....................#...........................#
#.......................................#...........................#
#.......................................#...........................#
#.......o.....................o.........#...........................#
#.......................................#...........................#
#.......................................g...........................#
#.......................................g...........................D
#..................@................K...g.......................b...D
#.......................................g...........................D
#.......................................g...........................#
#.......................................#...........................#
#....~~~~~~.............................#...........................#
#....~~~~~~.............................#...........................#
#....~~~~~~.............................#...........................#
#.......................................#...........................#
#.......................................#...........................#
#####################################################################
end

# The start: level 0 only, on cell (19, 13). It looks like the legend's ground '.'.
start @ look .

# A spot: a cell where a door of any level can put the player.
spot b look .

# A problem: its question ("ask") until the player types the answer, then its "solved" text.
# Every "| " line of a text is one line of the panel: at most 63 characters, at most 9 lines.
problem P look ? answer 12
ask
| THE RIDDLE OF THE HALL
|
| Three cats sit on the floor of the hall.
| How many legs do they have in all?
|
| (Type the number and press ENTER.)
solved
| Right: 3 x 4 = 12 legs.
|
| The keeper by the gate to the east will want to hear of it.

# An information entry: its "locked" text until the player has solved the number of
# problems it needs (counted over the whole world); then it shows its "open" text and opens
# its gate.
info K look i needs 1
locked
| THE KEEPER OF THE GATE
|
| "Nobody passes before solving a problem. The riddle
| of the hall waits to the north-west."
open
| THE KEEPER OF THE GATE
|
| "One problem solved: that is enough for me.
| The gate is open. The garden lies beyond the door."

# A gate: blocks the way and shows its text until its key, the information entry K, opens it.
gate g look = key K
text
| A gate of green bronze. The keeper beside it holds the key.

# A door: walking into it takes the player to spot a of the level garden.
door D look + to garden a
)source"},
    {"garden.level", R"source(# THE GARDEN (level 1)
#
# The seat of the Quadrivant stands in a pond; the way in is from the west. Walking into
# the seat (the legend's finish, %) wins the game.

map
#####################################################################
#...................................................................#
#...................................................................#
#...................................................................#
#...................................................................#
#...................o...............................................#
#...........................................~~~~~~~~~~~~~...........#
#...........................................~~~~~~~~~~~~~...........#
#........................o..................~~~~~~~~~~~~~...........#
#...........................................~~~.......~~~...........#
H...........................................~~~.......~~~...........#
H..a..............................................%...~~~...........#
H...........................................~~~.......~~~...........#
#...........................................~~~.......~~~...........#
#..................................o........~~~~~~~~~~~~~...........#
#...........................................~~~~~~~~~~~~~...........#
#...........................................~~~~~~~~~~~~~...........#
#.............................o.....................................#
#...................................................................#
#...................................................................#
#...................................................................#
#...................................................................#
#####################################################################
end

# Where the hall's door puts the player.
spot a look .

# The door back to the hall, to spot b beside the hall's door.
door H look + to hall b
)source"},
    {"route.txt",
     R"source(# The winning route: each line names a level and a marker (or any map character, such as the
# finish) to walk into next. The tool finds the moves, answers the problems, confirms every
# panel and writes walkthrough.txt, the lines that win the game. A route may leave problems
# unsolved; without a route.txt the tool writes no walkthrough and only checks that the
# finish can be reached.
touch hall P
touch hall K
touch hall D
touch garden %
)source"},
};

// `word` as the shell takes it as one word: in single quotes unless it is plain.
std::string shell_word(const std::string& word) {
  const bool plain = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("/._-+,:@%").find(c) != std::string_view::npos;
  });
  if (plain) return word;
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::vector<WorldFileText> starter_world_sources() {
  std::vector<WorldFileText> sources;
  for (const StarterFile& file : starter_files) sources.push_back({file.name, file.text});
  return sources;
}

std::string write_starter_world(const std::string& directory) {
  const std::string folder = directory + "/source";
  std::error_code error;
  for (const StarterFile& file : starter_files) {
    const std::string path = folder + "/" + file.name;
    if (fs::exists(fs::symlink_status(path, error))) {
      throw Failure(printable(path) +
                    ": is already there, and quadrivant-author never replaces a file it did not "
                    "write: name a new directory\n");
    }
  }
  fs::create_directories(folder, error);
  if (error) throw Failure(printable(folder) + ": cannot be made (" + error.message() + ")\n");
  for (const StarterFile& file : starter_files)
    write_text_file(folder + "/" + file.name, file.text);

  const std::string dir = printable(shell_word(directory));
  const std::string sources = printable(shell_word(folder));
  return "Wrote the sources of a starter world into " + printable(folder) +
         ":\n  world.txt, legend.txt, hall.level, garden.level and route.txt\n"
         "Build it, check it and play it:\n  quadrivant-author build " +
         sources + " " + dir + "\n  quadrivant-check " + dir + "\n  quadrivant " + dir + "\n";
}

}  // namespace quadrivant

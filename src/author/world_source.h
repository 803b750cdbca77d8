// The editable sources of a world, as a level author writes them in game/source/:
//   world.txt    the manifest title and the levels in order (level 0 first);
//   legend.txt   the map characters every level shares: what each shows, its colours, its kind;
//   <name>.level one per level: its own legend lines, its map, and its markers (the special
//                cells: start, landing spots, doors, problems, information entries, gates) with
//                their texts;
//   route.txt    the winning route, one marker to walk into per line.
// docs/levels.md describes every statement.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace quadrivant {

// A fault in a source file is a Failure whose message is "<file>:<line>: <what is wrong>\n";
// the tool's entry says it in the tool's name.
[[noreturn]] void refuse_source(const std::string& path, int line, const std::string& what);

// A map or legend character in a message: "'#'", "'─'", "'\x1b'" (made printable).
std::string quoted(char32_t character);

// What a legend character is when it stands in a map. A `look` only lends its appearance to
// markers and may not stand in a map itself.
enum class TerrainKind { ground, obstacle, finish, look };

struct LegendEntry {
  char32_t shown = ' ';  // the character the game draws
  int foreground = 0;
  int background = 0;
  TerrainKind kind = TerrainKind::ground;
};

using Legend = std::map<char32_t, LegendEntry>;

// A text as the author laid it out: one string per panel row.
struct PanelText {
  std::vector<std::string> rows;
  int line = 0;  // where the text starts in its file, for messages
};

enum class MarkerKind { start, spot, door, problem, info, gate };

// A map character that stands for special cells of one level. Its cells look like the legend
// entry `look` and carry the code of their kind.
struct Marker {
  MarkerKind kind = MarkerKind::spot;
  char32_t symbol = 0;
  char32_t look = 0;
  int line = 0;              // the statement's line, for messages
  std::string target_level;  // door: the level it leads to...
  char32_t target_spot = 0;  // ...and the spot (or start) there on which the player lands
  long long number = 0;      // problem: the answer; info: the problems to solve first
  char32_t key = 0;          // gate: the information marker that opens it
  PanelText first_text;      // problem: the question; info: the locked text; gate: its text
  PanelText second_text;     // problem: the solved text; info: the unlocked text
};

struct LevelSource {
  std::string name;
  std::string path;
  int world_line = 0;               // the line of world.txt that lists it
  Legend legend;                    // the shared legend with this level's own lines applied
  std::vector<std::u32string> map;  // the rows' characters (UTF-8 in the file)
  int map_line = 0;                 // line of the first map row
  std::vector<Marker> markers;      // in the order written: it fixes every table's entry order
};

// One step of the winning route: walk into a cell of `marker` on `level`.
struct RouteGoal {
  std::string level;
  char32_t marker = 0;
  int line = 0;
};

struct WorldSource {
  std::string title;
  std::string world_path;  // world.txt, for messages about the world as a whole
  std::vector<LevelSource> levels;
  bool has_route = false;  // whether there is a route.txt
  std::vector<RouteGoal> route;
  std::string route_path;
};

// The file names of a world's sources in their directory.
inline constexpr const char* world_source_name = "world.txt";
inline constexpr const char* legend_source_name = "legend.txt";
inline constexpr const char* route_source_name = "route.txt";
inline constexpr const char* level_source_extension = ".level";

// Reads world.txt, legend.txt, every level named in world.txt and route.txt (if there is one)
// from `directory`; messages name them as "<directory>/<file>". Throws a Failure at the first
// fault of form (the world's rules are checked later, when the world is built). A level name is
// a plain name (letters, digits, '-' and '_'), short enough for every path the tool writes for
// it.
WorldSource read_world_source(const std::string& directory);

}  // namespace quadrivant

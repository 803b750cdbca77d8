#include "game/author_aids.h"

#include <charconv>
#include <string_view>

#include "base/failure.h"
#include "base/text.h"
#include "level/cell_codes.h"

namespace quadrivant {

namespace {

// A whole number of digits only, within an int.
std::optional<int> whole_number(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// "LEVEL:X,Y", e.g. "1:20,13".
std::optional<StartPlace> start_place(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::size_t comma = text.find(',', colon == std::string_view::npos ? 0 : colon);
  if (colon == std::string_view::npos || comma == std::string_view::npos) return std::nullopt;
  const auto level = whole_number(text.substr(0, colon));
  const auto x = whole_number(text.substr(colon + 1, comma - colon - 1));
  const auto y = whole_number(text.substr(comma + 1));
  if (!level || !x || !y) return std::nullopt;
  return StartPlace{*level, {*x, *y}};
}

std::string cell_words(Cell cell) {
  return "cell (" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
}

// What keeps the player from starting on `place` of `world`, or "".
std::string start_fault(const StartPlace& place, const World& world) {
  if (static_cast<std::size_t>(place.level) >= world.size()) {
    return "the world has only " + level_numbers(world.size());
  }
  const Level& level = world[static_cast<std::size_t>(place.level)];
  const std::string where = cell_words(place.cell) + " of level " + std::to_string(place.level);
  if (!level.contains(place.cell)) {
    return where + " is outside its " + std::to_string(level.width) + "x" +
           std::to_string(level.height) + " map";
  }
  const int code = level.collision_layer.at(place.cell.x, place.cell.y);
  if (code == free_ground_code) return "";
  return where + " holds code " + std::to_string(code) + ", not free ground (code 0)";
}

[[noreturn]] void refuse_aid(const std::string& program, const std::string& option,
                             const std::string& value, const std::string& fault) {
  throw Failure(program + ": " + option + " " + printable(value) + ": " + fault + "\n",
                Stream::standard_error, 2);
}

}  // namespace

AuthorAids read_author_aids(const CommandLine& line, const CommandLineForm& form) {
  AuthorAids aids;
  aids.instant = line.has_flag(instant_option);
  if (const auto value = line.value_of(start_option)) {
    aids.start = start_place(*value);
    if (!aids.start) {
      refuse_command_line(form, std::string(start_option) +
                                    " wants LEVEL:X,Y, a level number and a cell (e.g. 0:19,13), "
                                    "not " +
                                    printable(*value));
    }
  }
  if (const auto value = line.value_of(solved_option)) {
    const std::optional<int> solved = whole_number(*value);
    if (!solved) {
      refuse_command_line(form, std::string(solved_option) + " wants a number of problems, not " +
                                    printable(*value));
    }
    aids.solved = *solved;
  }
  return aids;
}

GameStart game_start_of(const AuthorAids& aids, const World& world, const std::string& program) {
  GameStart start;
  if (aids.start) {
    const std::string fault = start_fault(*aids.start, world);
    const std::string value = std::to_string(aids.start->level) + ":" +
                              std::to_string(aids.start->cell.x) + "," +
                              std::to_string(aids.start->cell.y);
    if (!fault.empty()) refuse_aid(program, start_option, value, fault);
    start.level = aids.start->level;
    start.player = aids.start->cell;
  }
  const int problems = problem_count(world);
  if (aids.solved > problems) {
    refuse_aid(program, solved_option, std::to_string(aids.solved),
               "the world holds only " +
                   counted(static_cast<std::size_t>(problems), "problem", "problems"));
  }
  start.solved = aids.solved;
  return start;
}

}  // namespace quadrivant

#include "checker/world_checks.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "base/text.h"
#include "checker/level_texts.h"
#include "checker/reach.h"
#include "level/cell_codes.h"
#include "level/unplayable_cells.h"
#include "rules/answers.h"
#include "rules/game_state.h"
#include "rules/panel_text.h"

namespace quadrivant {

namespace {

// Where the findings go, and the names of the world's files for them.
class Report {
 public:
  Report(const Manifest& manifest, Findings& findings) : manifest_(manifest), findings_(findings) {}

  const std::string& file(ManifestGroup group, std::size_t level) const {
    return manifest_.paths[group][level];
  }
  void add(Severity severity, const std::string& where, const std::string& what) {
    findings_.push_back({severity, where, what});
  }
  // A cell of `level`, named by its code layer.
  void cell(Severity severity, std::size_t level, Cell cell, const std::string& what) {
    add(severity,
        file(group_collision_layer, level) + ": cell (" + std::to_string(cell.x) + ", " +
            std::to_string(cell.y) + ")",
        what);
  }

 private:
  const Manifest& manifest_;
  Findings& findings_;
};

std::string problems(int count) {
  return counted(static_cast<std::size_t>(count), "problem", "problems");
}

std::string entry(const char* kind, std::size_t k) {
  return std::string(kind) + " " + std::to_string(k);
}

// The first cell, row by row, that holds each code of a level: one pass over its code layer.
using FirstCells = std::array<std::optional<Cell>, highest_code + 1>;

std::vector<FirstCells> first_cells(const World& world) {
  std::vector<FirstCells> firsts(world.size());
  for (std::size_t level = 0; level < world.size(); ++level) {
    const Layer& codes = world[level].collision_layer;
    for (int y = 0; y < codes.height(); ++y) {
      for (int x = 0; x < codes.width(); ++x) {
        std::optional<Cell>& first = firsts[level][static_cast<std::size_t>(codes.at(x, y))];
        if (!first) first = Cell{x, y};
      }
    }
  }
  return firsts;
}

// The tables whose entries cell codes name, and how many entries the codes can name.
struct TableKind {
  ManifestGroup group;
  const char* name;
  const char* plural;
  int named_by_codes;
  int (*code)(int);
  std::size_t (*count)(const Level&);
};

constexpr TableKind transitions_kind{
    group_transitions,    "room transition",
    "room transitions",   most_room_transitions,
    room_transition_code, [](const Level& l) { return l.transitions.size(); }};
constexpr TableKind problems_kind{group_problems, "problem",
                                  "problems",     most_problems,
                                  problem_code,   [](const Level& l) { return l.problems.size(); }};
constexpr TableKind infos_kind{
    group_infos,           "information entry",
    "information entries", most_information_codes,
    information_code,      [](const Level& l) { return l.infos.size(); }};
constexpr TableKind obstructions_kind{
    group_obstructions, "obstruction",    "obstructions",
    most_obstructions,  obstruction_code, [](const Level& l) { return l.obstructions.size(); }};

// The entries of `kind` on `level` that some cell code can name.
std::size_t named_entries(const TableKind& kind, const Level& level) {
  return std::min(kind.count(level), static_cast<std::size_t>(kind.named_by_codes));
}

void check_answers(const World& world, Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (std::size_t k = 0; k < world[level].problems.size(); ++k) {
      const Problem& problem = world[level].problems[k];
      if (answer_can_be_typed(problem.answer)) continue;
      report.add(Severity::error, report.file(group_problems, level) + ": " + entry("problem", k),
                 "its answer " + std::to_string(problem.answer) +
                     " cannot be typed: a player types digits only");
    }
  }
}

// Every room transition, used or not: where it puts the player must be free ground of a level
// the world holds. (One that a cell uses and that leads nowhere is refused at load time.)
void check_landings(const World& world, Report& report) {
  const int start = world[0].collision_layer.at(start_cell.x, start_cell.y);
  if (start != free_ground_code) {
    report.cell(Severity::error, 0, start_cell,
                "the player starts here, so it must be free ground (code 0), not code " +
                    std::to_string(start));
  }
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (std::size_t k = 0; k < world[level].transitions.size(); ++k) {
      const RoomTransition& target = world[level].transitions[k];
      const std::string where =
          report.file(group_transitions, level) + ": " + entry("room transition", k);
      if (const std::string fault = transition_target_fault(world, target); !fault.empty()) {
        report.add(Severity::warning, where, fault);
        continue;
      }
      const Level& to = world[static_cast<std::size_t>(target.level)];
      const int code = to.collision_layer.at(target.x, target.y);
      if (code == free_ground_code) continue;
      report.add(Severity::error, where,
                 "lands the player on cell (" + std::to_string(target.x) + ", " +
                     std::to_string(target.y) + ") of level " + std::to_string(target.level) +
                     ", which holds code " + std::to_string(code) + ", not free ground");
    }
  }
}

// Reached ground on the map's edge: a move from it would look past the map.
void check_enclosure(const World& world, const Reach& reach, Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    const Level& map = world[level];
    for (int y = 0; y < map.height; ++y) {
      for (int x = 0; x < map.width; ++x) {
        const bool edge = x == 0 || y == 0 || x == map.width - 1 || y == map.height - 1;
        if (!edge || !reach.ground[level][static_cast<std::size_t>(y) * map.width + x]) continue;
        report.cell(Severity::error, level, {x, y},
                    "the player can walk here, on the map's edge, and a move from here would "
                    "look past the map: enclose the ground with cells that always block");
        y = map.height;  // one finding a level
        break;
      }
    }
  }
}

void check_finish(const World& world, const Reach& reach, const std::vector<FirstCells>& firsts,
                  const std::string& manifest_file, Report& report) {
  std::optional<std::pair<std::size_t, Cell>> finish;
  for (std::size_t level = 0; level < world.size(); ++level) {
    if (reach.touched[level].count(finish_code)) return;
    if (const auto& cell = firsts[level][finish_code]; cell && !finish) finish = {level, *cell};
  }
  if (!finish) {
    report.add(Severity::error, manifest_file,
               "no level holds the finish (code 254): the game cannot be won");
    return;
  }
  report.cell(Severity::error, finish->first, finish->second,
              "the finish can never be walked into, given every gate that can be opened");
}

// Entries whose cells are on the map but can never be walked into.
void check_unreached(const World& world, const Opening& opening,
                     const std::vector<FirstCells>& firsts, Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (const TableKind* kind : {&transitions_kind, &problems_kind, &infos_kind}) {
      for (std::size_t k = 0; k < named_entries(*kind, world[level]); ++k) {
        const int code = kind->code(static_cast<int>(k));
        if (opening.reach.touched[level].count(code)) continue;
        if (const auto& cell = firsts[level][static_cast<std::size_t>(code)]) {
          report.cell(Severity::warning, level, *cell,
                      entry(kind->name, k) +
                          " can never be walked into, given every gate that can be opened");
        }
      }
    }
  }
}

std::string why_gate_stays_shut(const World& world, const Opening& opening, std::size_t level,
                                std::size_t k) {
  const std::size_t info = k;  // the information entry of the same index opens the gate
  if (info >= world[level].infos.size())
    return "no information entry " + std::to_string(k) + " opens it";
  const int required = world[level].infos[info].required;
  const int total = problem_count(world);
  if (required > total) {
    return "its information entry needs " + problems(required) + ", but the world holds only " +
           std::to_string(total);
  }
  if (!opening.reach.touched[level].count(information_code(static_cast<int>(info)))) {
    return "its information entry " + std::to_string(k) + " can never be walked into";
  }
  return "its information entry needs " + problems(required) + ", but only " +
         std::to_string(opening.solvable) + " can be solved";
}

void check_gates(const World& world, const Opening& opening, const std::vector<FirstCells>& firsts,
                 Report& report) {
  const int total = problem_count(world);
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (std::size_t k = 0; k < world[level].infos.size(); ++k) {
      const int required = world[level].infos[k].required;
      if (required <= total) continue;
      report.add(Severity::warning,
                 report.file(group_infos, level) + ": " + entry("information entry", k),
                 "needs " + problems(required) + " solved, but the world holds only " +
                     std::to_string(total));
    }
    for (std::size_t k = 0; k < named_entries(obstructions_kind, world[level]); ++k) {
      if (opening.open[level][k]) continue;
      const auto& cell =
          firsts[level][static_cast<std::size_t>(obstruction_code(static_cast<int>(k)))];
      if (!cell) continue;
      report.cell(Severity::warning, level, *cell,
                  "the gate of obstruction " + std::to_string(k) +
                      " never opens: " + why_gate_stays_shut(world, opening, level, k));
    }
  }
}

void check_text(Report& report, ManifestGroup group, std::size_t level, const std::string& which,
                std::string_view text) {
  const std::string fault = panel_text_fault(text);
  if (!fault.empty())
    report.add(Severity::warning, report.file(group, level) + ": " + which, fault);
}

void check_texts(const World& world, Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (const LevelText& text : level_texts(world[level])) {
      check_text(report, text.group, level, text.name, text.text);
    }
  }
}

// Table entries no cell names. An obstruction entry is also used by the information entry of the
// same index, whose unlocking clears it. An entry past what the cell codes can name is never used.
void check_unused_entries(const World& world, const std::vector<FirstCells>& firsts,
                          Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    const Level& map = world[level];
    for (const TableKind* kind :
         {&transitions_kind, &problems_kind, &infos_kind, &obstructions_kind}) {
      for (std::size_t k = 0; k < kind->count(map); ++k) {
        const bool paired_with_info =
            kind == &obstructions_kind &&
            k < std::min(map.infos.size(), named_entries(infos_kind, map));
        if (paired_with_info) continue;
        const std::string where = report.file(kind->group, level) + ": " + entry(kind->name, k);
        if (k >= static_cast<std::size_t>(kind->named_by_codes)) {
          report.add(Severity::warning, where,
                     "no cell can use it: the cell codes name at most " +
                         counted(static_cast<std::size_t>(kind->named_by_codes), kind->name,
                                 kind->plural));
          continue;
        }
        const int code = kind->code(static_cast<int>(k));
        if (firsts[level][static_cast<std::size_t>(code)]) continue;
        report.add(Severity::warning, where, "no cell uses it (code " + std::to_string(code) + ")");
      }
    }
  }
}

}  // namespace

Findings unplayable_cell_findings(const World& world, const Manifest& manifest, std::size_t most) {
  Findings findings;
  Report report(manifest, findings);
  for (const UnplayableCell& cell : unplayable_cells(world, most)) {
    report.cell(Severity::error, static_cast<std::size_t>(cell.level), {cell.x, cell.y}, cell.what);
  }
  return findings;
}

Findings play_findings(const World& world, const Manifest& manifest,
                       const std::string& manifest_file) {
  Findings findings;
  Report report(manifest, findings);
  const std::vector<FirstCells> firsts = first_cells(world);
  check_answers(world, report);
  check_landings(world, report);
  const Opening opening = open_what_can_be_opened(world);
  check_enclosure(world, opening.reach, report);
  check_finish(world, opening.reach, firsts, manifest_file, report);
  check_unreached(world, opening, firsts, report);
  check_gates(world, opening, firsts, report);
  check_texts(world, report);
  check_unused_entries(world, firsts, report);
  return findings;
}

}  // namespace quadrivant

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

// Where the findings go.
class Report {
 public:
  explicit Report(Findings& findings) : findings_(findings) {}

  void add(Severity severity, const Place& where, const std::string& what) {
    findings_.push_back({severity, where, what});
  }
  // An entry of a level's table, or one of its texts.
  void entry(Severity severity, std::size_t level, ManifestGroup group, std::size_t k,
             const std::string& what, EntryText text = EntryText::whole_entry) {
    add(severity, entry_place(level, group, k, text), what);
  }
  // A cell of `level`.
  void cell(Severity severity, std::size_t level, Cell cell, const std::string& what) {
    add(severity, cell_place(level, cell), what);
  }

 private:
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
      report.entry(Severity::error, level, group_problems, k,
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
      if (const std::string fault = transition_target_fault(world, target); !fault.empty()) {
        report.entry(Severity::warning, level, group_transitions, k, fault);
        continue;
      }
      const Level& to = world[static_cast<std::size_t>(target.level)];
      const int code = to.collision_layer.at(target.x, target.y);
      if (code == free_ground_code) continue;
      report.entry(Severity::error, level, group_transitions, k,
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

// The level and the first cell of the finish that `reach` walks into, if any.
std::optional<std::pair<std::size_t, Cell>> finish_reached(const Reach& reach) {
  for (std::size_t level = 0; level < reach.touched.size(); ++level) {
    if (const auto found = reach.touched[level].find(finish_code);
        found != reach.touched[level].end()) {
      return std::pair{level, found->second};
    }
  }
  return std::nullopt;
}

void check_finish(const World& world, const Reach& reach, const std::vector<FirstCells>& firsts,
                  Report& report) {
  if (finish_reached(reach)) return;
  std::optional<std::pair<std::size_t, Cell>> finish;
  for (std::size_t level = 0; level < world.size() && !finish; ++level) {
    if (const auto& cell = firsts[level][finish_code]) finish = {level, *cell};
  }
  if (!finish) {
    report.add(Severity::error, world_place(),
               "no level holds the finish (code 254): the game cannot be won");
    return;
  }
  report.cell(Severity::error, finish->first, finish->second,
              "the finish can never be walked into, given every gate that can be opened");
}

// A game won without solving a single problem is hardly a puzzle: most likely a gate was
// forgotten.
void check_finish_needs_problems(const World& world, Report& report) {
  const auto finish = finish_reached(open_what_can_be_opened(world, 0).reach);
  if (!finish) return;
  report.cell(Severity::warning, finish->first, finish->second,
              "the finish can be walked into with no problem solved: guard it with a gate whose "
              "information entry needs some");
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
      report.entry(Severity::warning, level, group_infos, k,
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

void check_text(Report& report, std::size_t level, ManifestGroup group, std::size_t k,
                EntryText which, std::string_view text) {
  const std::string fault = panel_text_fault(text);
  if (!fault.empty()) report.entry(Severity::warning, level, group, k, fault, which);
}

void check_texts(const World& world, Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (const LevelText& text : level_texts(world[level])) {
      check_text(report, level, text.group, text.entry, text.which, text.text);
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
        if (k >= static_cast<std::size_t>(kind->named_by_codes)) {
          report.entry(Severity::warning, level, kind->group, k,
                       "no cell can use it: the cell codes name at most " +
                           counted(static_cast<std::size_t>(kind->named_by_codes), kind->name,
                                   kind->plural));
          continue;
        }
        const int code = kind->code(static_cast<int>(k));
        if (firsts[level][static_cast<std::size_t>(code)]) continue;
        report.entry(Severity::warning, level, kind->group, k,
                     "no cell uses it (code " + std::to_string(code) + ")");
      }
    }
  }
}

}  // namespace

Findings unplayable_cell_findings(const World& world, std::size_t most) {
  Findings findings;
  Report report(findings);
  for (std::size_t level = 0; level < world.size(); ++level) {
    const LevelFaults faults = unplayable_cells_of_level(world, level, most);
    for (const UnplayableCell& cell : faults.first) {
      report.cell(Severity::error, level, {cell.x, cell.y}, cell.what);
    }
    if (faults.count <= faults.first.size()) continue;
    // The cells not named are still counted, each as an error.
    const std::size_t more = faults.count - faults.first.size();
    findings.push_back({Severity::error, file_place(level, group_collision_layer),
                        "and " + std::to_string(more) + " more " + (more == 1 ? "cell" : "cells") +
                            " of this level at fault, not listed",
                        more});
  }
  return findings;
}

Findings play_findings(const World& world) {
  Findings findings;
  Report report(findings);
  const std::vector<FirstCells> firsts = first_cells(world);
  check_answers(world, report);
  check_landings(world, report);
  const Opening opening = open_what_can_be_opened(world);
  check_enclosure(world, opening.reach, report);
  check_finish(world, opening.reach, firsts, report);
  check_finish_needs_problems(world, report);
  check_unreached(world, opening, firsts, report);
  check_gates(world, opening, firsts, report);
  check_texts(world, report);
  check_unused_entries(world, firsts, report);
  return findings;
}

}  // namespace quadrivant

#include "check/world_checks.h"

#include <optional>
#include <string>

#include "check/panel_text_check.h"
#include "check/reach.h"
#include "level/cell_codes.h"
#include "level/level_check.h"
#include "rules/game_state.h"

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

// "1 problem", "2 problems".
std::string problems(int count) {
  return std::to_string(count) + (count == 1 ? " problem" : " problems");
}

std::string entry(const char* kind, std::size_t k) {
  return std::string(kind) + " " + std::to_string(k);
}

int total_problems(const World& world) {
  int total = 0;
  for (const Level& level : world) total += static_cast<int>(level.problems.size());
  return total;
}

// The first cell, row by row, that holds `code`.
std::optional<Cell> first_cell_of(const Level& level, int code) {
  const Layer& codes = level.collision_layer;
  for (int y = 0; y < codes.height(); ++y) {
    for (int x = 0; x < codes.width(); ++x) {
      if (codes.at(x, y) == code) return Cell{x, y};
    }
  }
  return std::nullopt;
}

void check_answers(const World& world, Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (std::size_t k = 0; k < world[level].problems.size(); ++k) {
      const Problem& problem = world[level].problems[k];
      if (answer_can_be_typed(problem)) continue;
      report.add(Severity::error, report.file(group_problems, level) + ": " + entry("problem", k),
                 "its answer " + std::to_string(problem.answer) +
                     " cannot be typed: a player types digits only");
    }
  }
}

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
      const Level& to = world[static_cast<std::size_t>(target.level)];
      const int code = to.collision_layer.at(target.x, target.y);
      if (code == free_ground_code) continue;
      report.add(Severity::error,
                 report.file(group_transitions, level) + ": " + entry("room transition", k),
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

void check_finish(const World& world, const Reach& reach, const std::string& manifest_file,
                  Report& report) {
  std::optional<std::pair<std::size_t, Cell>> finish;
  for (std::size_t level = 0; level < world.size(); ++level) {
    if (reach.touched[level].count(finish_code)) return;
    if (const auto cell = first_cell_of(world[level], finish_code); cell && !finish) {
      finish = {level, *cell};
    }
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
void check_unreached(const World& world, const Opening& opening, Report& report) {
  struct Kind {
    const char* name;
    int (*code)(int);
    std::size_t (*count)(const Level&);
  };
  static const Kind kinds[] = {
      {"room transition", room_transition_code,
       [](const Level& l) { return l.transitions.size(); }},
      {"problem", problem_code, [](const Level& l) { return l.problems.size(); }},
      {"information entry", information_code, [](const Level& l) { return l.infos.size(); }},
  };
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (const Kind& kind : kinds) {
      for (std::size_t k = 0; k < kind.count(world[level]); ++k) {
        const int code = kind.code(static_cast<int>(k));
        if (opening.reach.touched[level].count(code)) continue;
        if (const auto cell = first_cell_of(world[level], code)) {
          report.cell(Severity::warning, level, *cell,
                      entry(kind.name, k) +
                          " can never be walked into, given every gate that "
                          "can be opened");
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
  const int total = total_problems(world);
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

void check_gates(const World& world, const Opening& opening, Report& report) {
  const int total = total_problems(world);
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (std::size_t k = 0; k < world[level].infos.size(); ++k) {
      const int required = world[level].infos[k].required;
      if (required <= total) continue;
      report.add(Severity::warning,
                 report.file(group_infos, level) + ": " + entry("information entry", k),
                 "needs " + problems(required) + " solved, but the world holds only " +
                     std::to_string(total));
    }
    for (std::size_t k = 0; k < world[level].obstructions.size(); ++k) {
      if (opening.open[level][k]) continue;
      const auto cell = first_cell_of(world[level], obstruction_code(static_cast<int>(k)));
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
    const Level& map = world[level];
    for (std::size_t k = 0; k < map.problems.size(); ++k) {
      check_text(report, group_problems, level, entry("problem", k) + ", its question",
                 map.problems[k].question);
      check_text(report, group_problems, level, entry("problem", k) + ", its solved text",
                 map.problems[k].solved_text);
    }
    for (std::size_t k = 0; k < map.infos.size(); ++k) {
      check_text(report, group_infos, level, entry("information entry", k) + ", its locked text",
                 map.infos[k].locked_text);
      check_text(report, group_infos, level, entry("information entry", k) + ", its unlocked text",
                 map.infos[k].unlocked_text);
    }
    for (std::size_t k = 0; k < map.obstructions.size(); ++k) {
      check_text(report, group_obstructions, level, entry("obstruction", k),
                 map.obstructions[k].text);
    }
  }
}

// Table entries no cell names. An obstruction entry is also used by the information entry of the
// same index, whose unlocking clears it.
void check_unused_entries(const World& world, Report& report) {
  for (std::size_t level = 0; level < world.size(); ++level) {
    const Level& map = world[level];
    std::vector<bool> used(highest_code + 1, false);
    for (const int code : map.collision_layer.values()) used[static_cast<std::size_t>(code)] = true;
    auto unused = [&](ManifestGroup group, const char* kind, std::size_t count, int (*code)(int)) {
      for (std::size_t k = 0; k < count; ++k) {
        const int c = code(static_cast<int>(k));
        if (used[static_cast<std::size_t>(c)]) continue;
        if (group == group_obstructions && k < map.infos.size()) continue;
        report.add(Severity::warning, report.file(group, level) + ": " + entry(kind, k),
                   "no cell uses it (code " + std::to_string(c) + ")");
      }
    };
    unused(group_transitions, "room transition", map.transitions.size(), room_transition_code);
    unused(group_problems, "problem", map.problems.size(), problem_code);
    unused(group_infos, "information entry", map.infos.size(), information_code);
    unused(group_obstructions, "obstruction", map.obstructions.size(), obstruction_code);
  }
}

}  // namespace

Findings level_data_findings(const World& world, const Manifest& manifest, std::size_t most) {
  Findings findings;
  Report report(manifest, findings);
  for (const LevelDataFault& fault : level_data_faults(world, most)) {
    report.cell(Severity::error, static_cast<std::size_t>(fault.level), {fault.x, fault.y},
                fault.what);
  }
  return findings;
}

Findings play_findings(const World& world, const Manifest& manifest,
                       const std::string& manifest_file) {
  Findings findings;
  Report report(manifest, findings);
  check_answers(world, report);
  check_landings(world, report);
  const Opening opening = open_what_can_be_opened(world);
  check_enclosure(world, opening.reach, report);
  check_finish(world, opening.reach, manifest_file, report);
  check_unreached(world, opening, report);
  check_gates(world, opening, report);
  check_texts(world, report);
  check_unused_entries(world, report);
  return findings;
}

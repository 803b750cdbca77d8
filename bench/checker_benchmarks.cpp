// The level checker on chain worlds: level k's gate opens once k + 1 problems are solved, one
// problem to a level, so the gates open one after the other, each only when every level before
// it has been reached. The checker's work must grow with the levels, not with their square.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "bench_files.h"
#include "checker/check_world.h"
#include "checker/world_checks.h"
#include "level/cell_codes.h"
#include "level/world_writer.h"

namespace quadrivant {

namespace {

constexpr int chain_width = minimum_level_width;
constexpr int chain_height = minimum_level_height;
constexpr int gate_column = 30;

// Level k of a chain of `levels`: the player arrives on (19, 13); a problem above, the
// information entry below that opens the gate column once k + 1 problems are solved, and beyond
// the gate the door to level k + 1, or on the last level the finish.
Level chain_level(int k, int levels) {
  Level level;
  level.width = chain_width;
  level.height = chain_height;
  level.fg_layer = Layer(chain_width, chain_height, 250);
  level.bg_layer = Layer(chain_width, chain_height, 234);
  level.collision_layer = Layer(chain_width, chain_height, obstacle_code);
  Layer& codes = level.collision_layer;
  for (int y = 1; y < chain_height - 1; ++y) {
    for (int x = 1; x < chain_width - 1; ++x) codes.set(x, y, free_ground_code);
    codes.set(gate_column, y, obstruction_code(0));
  }
  codes.set(19, 11, problem_code(0));
  codes.set(19, 15, information_code(0));
  const bool last = k == levels - 1;
  codes.set(40, 13, last ? finish_code : room_transition_code(0));
  level.content.append(std::string(static_cast<std::size_t>(chain_width) * chain_height, '.'));
  level.problems = {{"What is 1 + 1?", "Two.", 2}};
  level.infos = {{"Solve more problems first.", "The gate opens.", k + 1}};
  level.obstructions = {{"A gate."}};
  if (!last) level.transitions = {{k + 1, 19, 13}};
  return level;
}

World chain_world(int levels) {
  World world;
  for (int k = 0; k < levels; ++k) world.push_back(chain_level(k, levels));
  return world;
}

WorldLayout chain_layout(int levels) {
  WorldLayout layout;
  layout.title = "A chain of " + std::to_string(levels) + " levels";
  for (int k = 0; k < levels; ++k) {
    // Appended piece by piece: `"l" + std::to_string(k)` leads g++ 12 into a false -Wrestrict
    // report on the inlined string insert.
    std::string name = "l";
    name += std::to_string(k);
    layout.level_folders.push_back("levels/" + name);
    layout.level_names.push_back(name);
  }
  layout.image_forms = {ImageForm::raw_grey, ImageForm::raw_grey, ImageForm::raw_grey};
  return layout;
}

// The chain world of `levels` written once under the benchmarks' files.
const std::string& written_chain(int levels) {
  static std::map<int, std::string> written;
  auto [at, made] = written.try_emplace(levels);
  if (made) {
    at->second = bench_files() + "/chain" + std::to_string(levels);
    write_world(chain_world(levels), chain_layout(levels), at->second);
  }
  return at->second;
}

// The whole run of quadrivant-check but the printing: every file read, every finding made.
void check_chain_world(benchmark::State& state) {
  const auto levels = static_cast<int>(state.range(0));
  const std::string& directory = written_chain(levels);
  for (auto _ : state) {
    const WorldCheck check = check_world(directory);
    if (!check.findings.empty()) state.SkipWithError("the chain world has findings");
  }
  state.SetItemsProcessed(state.iterations() * levels);
}

// The findings of play alone on the loaded world: reach, gates, texts, unused entries.
void play_findings_of_chain(benchmark::State& state) {
  const auto levels = static_cast<int>(state.range(0));
  const World world = chain_world(levels);
  for (auto _ : state) {
    const Findings findings = play_findings(world);
    if (!findings.empty()) state.SkipWithError("the chain world has findings");
  }
  state.SetItemsProcessed(state.iterations() * levels);
}

BENCHMARK(check_chain_world)
    ->Name("CheckChainWorld")
    ->Arg(200)
    ->Arg(1600)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(play_findings_of_chain)
    ->Name("PlayFindingsOfChain")
    ->Arg(200)
    ->Arg(1600)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace quadrivant

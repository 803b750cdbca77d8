// The level readers on the generated worlds: each image format, the content file, the tables,
// and whole world loads. Nothing is reported (a null report stream), as a loader's cost is what
// is measured, not the terminal's.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_files.h"
#include "generated_world.h"
#include "level/content_file.h"
#include "level/image_layer.h"
#include "level/level_tables.h"
#include "level/manifest.h"
#include "level/unplayable_cells.h"

namespace quadrivant {

namespace {

constexpr std::int64_t cells_per_level = std::int64_t{generated_width} * generated_height;

void count_bytes(benchmark::State& state, const std::string& path) {
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void read_image(benchmark::State& state, const ImageFormat& format) {
  const std::string world = world_directory(bench_files(), format.name);
  const std::string name = image_name("fg", format);
  for (auto _ : state) benchmark::DoNotOptimize(read_image_layer({name, world}, nullptr));
  state.SetItemsProcessed(state.iterations() * cells_per_level);
  count_bytes(state, world + "/" + name);
}

void read_content(benchmark::State& state) {
  const std::string world = world_directory(bench_files(), "P5");
  for (auto _ : state) {
    benchmark::DoNotOptimize(read_map_content_file({"content.txt", world}, nullptr));
  }
  state.SetItemsProcessed(state.iterations() * cells_per_level);
  count_bytes(state, world + "/content.txt");
}

void read_tables(benchmark::State& state) {
  const std::string world = world_directory(bench_files(), "P5");
  for (auto _ : state) {
    benchmark::DoNotOptimize(read_room_transition_file({"transitions.txt", world}, nullptr));
    benchmark::DoNotOptimize(read_dialogue_file({"problems.txt", world}, nullptr));
    benchmark::DoNotOptimize(read_dialogue_file({"infos.txt", world}, nullptr));
    benchmark::DoNotOptimize(read_obstruction_file({"obstructions.txt", world}, nullptr));
  }
}

void load_generated_world(benchmark::State& state, const std::string& name) {
  const std::string world = world_directory(bench_files(), name);
  for (auto _ : state) benchmark::DoNotOptimize(load_world(nullptr, world));
  state.SetItemsProcessed(state.iterations() * cells_per_level);
}

// The load-time check the game runs on every loaded world, before the title page.
void check_generated_world(benchmark::State& state, const std::string& name) {
  const World world = load_world(nullptr, world_directory(bench_files(), name));
  for (auto _ : state) refuse_unplayable_world(world);
  state.SetItemsProcessed(state.iterations() * cells_per_level);
}

// Registered by hand so each format's name reads as it does in the files: ReadImage/P5.
[[maybe_unused]] const bool registered = [] {
  for (const ImageFormat& format : image_formats) {
    benchmark::RegisterBenchmark((std::string("ReadImage/") + format.name).c_str(),
                                 [&format](benchmark::State& state) { read_image(state, format); })
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("ReadContent", read_content)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("ReadTables", read_tables)->Unit(benchmark::kMicrosecond);
  // Each format with full tables (LoadWorld/P5) and one entry a table (LoadWorld/P5-one-entry).
  for (const ImageFormat& format : image_formats) {
    for (const TableFill tables : table_fills) {
      const std::string name = world_name(format, tables);
      benchmark::RegisterBenchmark(("LoadWorld/" + name).c_str(), [name](benchmark::State& state) {
        load_generated_world(state, name);
      })->Unit(benchmark::kMillisecond);
    }
  }
  for (const TableFill tables : table_fills) {
    const std::string name = world_name(image_formats[2], tables);
    benchmark::RegisterBenchmark(("CheckWorld/" + name).c_str(), [name](benchmark::State& state) {
      check_generated_world(state, name);
    })->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace

}  // namespace quadrivant

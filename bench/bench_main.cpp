// quadrivant_bench: Google Benchmark runs of the level readers, a whole world load and the map
// drawing, on generated 2000x2000 worlds.
//
//   quadrivant_bench [benchmark flags]   runs the benchmarks (e.g. --benchmark_filter=P5)
//   quadrivant_bench --write-files DIR   only writes the generated worlds under DIR, for timing
//                                        the game against other tools on the same files
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "bench_files.h"
#include "generated_world.h"

namespace quadrivant {

namespace {

std::optional<std::string>& temporary_directory() {
  static std::optional<std::string> directory;
  return directory;
}

void remove_temporary_directory() {
  if (temporary_directory()) std::filesystem::remove_all(*temporary_directory());
}

int write_files_only(const char* directory) {
  std::filesystem::create_directories(directory);
  write_generated_worlds(directory);
  std::printf("Generated worlds written under %s\n", directory);
  return 0;
}

}  // namespace

const std::string& bench_files() {
  if (!temporary_directory()) {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::string name = (base / "quadrivant-bench-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) {
      std::perror("quadrivant_bench: cannot make a temporary directory");
      std::exit(1);
    }
    temporary_directory() = name;
    write_generated_worlds(name);
  }
  return *temporary_directory();
}

}  // namespace quadrivant

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-files") == 0) {
    return quadrivant::write_files_only(argv[2]);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quadrivant::remove_temporary_directory();
  return 0;
}

// The generated worlds the benchmarks read (generated_world.h): written on first use into a
// temporary directory, which the benchmark program removes when it ends.
#pragma once

#include <string>

namespace quadrivant {

const std::string& bench_files();

}  // namespace quadrivant

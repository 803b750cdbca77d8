// One full map frame, and one frame of the walking animation, drawn on a generated level into
// an in-memory stream (POSIX fmemopen) buffered like the game's standard output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "bench_files.h"
#include "generated_world.h"
#include "level/manifest.h"
#include "screen/picture/frame.h"
#include "screen/picture/viewport.h"

namespace quadrivant {

namespace {

// Far more than a frame writes, so a frame never fills it.
constexpr std::size_t sink_size = std::size_t{1} << 20;
// As the game buffers standard output.
constexpr std::size_t stream_buffer_size = std::size_t{1} << 17;

// A view in the middle of the map: every viewport cell shows a map cell.
constexpr View middle_view{generated_width / 2, generated_height / 2};

const Level& generated_level() {
  static const World world = load_world(nullptr, world_directory(bench_files(), "P5"));
  return world.front();
}

class MemorySink {
 public:
  MemorySink() : bytes_(sink_size), stream_(fmemopen(bytes_.data(), bytes_.size(), "w")) {
    std::setvbuf(stream_, nullptr, _IOFBF, stream_buffer_size);
  }
  ~MemorySink() { std::fclose(stream_); }
  MemorySink(const MemorySink&) = delete;
  MemorySink& operator=(const MemorySink&) = delete;

  std::FILE* stream() { return stream_; }
  void rewind() { std::rewind(stream_); }
  long written() { return std::ftell(stream_); }

 private:
  std::vector<char> bytes_;
  std::FILE* stream_;
};

template <class Draw>
void draw_frames(benchmark::State& state, Draw draw) {
  const Level& level = generated_level();
  MemorySink sink;
  InstantClock clock;
  Console console{nullptr, sink.stream(), clock};
  long frame_bytes = 0;
  for (auto _ : state) {
    sink.rewind();
    draw(console, level);
    frame_bytes = sink.written();
  }
  state.SetBytesProcessed(state.iterations() * frame_bytes);
  state.counters["frame_bytes"] = static_cast<double>(frame_bytes);
}

void draw_map_frame(benchmark::State& state) {
  draw_frames(state,
              [](Console& console, const Level& level) { draw_map(console, level, middle_view); });
}

// What each step of a walk draws (screen/picture/walking.cpp).
void walking_frame(benchmark::State& state) {
  draw_frames(state, [](Console& console, const Level& level) {
    draw_map(console, level, middle_view);
    draw_player(console, 1, 0);
    draw_prompt(console);
  });
}

BENCHMARK(draw_map_frame)->Name("DrawMapFrame")->Unit(benchmark::kMicrosecond);
BENCHMARK(walking_frame)->Name("WalkingFrame")->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace quadrivant

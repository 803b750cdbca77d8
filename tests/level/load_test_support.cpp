#include "level/load_test_support.h"

#include <tuple>

#include "level/load_error.h"

bool operator==(const RoomTransition& a, const RoomTransition& b) {
  return std::tie(a.level, a.x, a.y) == std::tie(b.level, b.x, b.y);
}

bool operator==(const DialogueTable& a, const DialogueTable& b) {
  return std::tie(a.first_text, a.second_text, a.number, a.flag) ==
         std::tie(b.first_text, b.second_text, b.number, b.flag);
}

bool operator==(const ObstructionTable& a, const ObstructionTable& b) {
  return a.text == b.text && a.cleared == b.cleared;
}

bool operator==(const MapData& a, const MapData& b) {
  const auto members = [](const MapData& m) {
    return std::tie(m.fg_layer, m.bg_layer, m.collision_layer, m.content, m.width, m.height,
                    m.transitions, m.problems, m.infos, m.obstructions);
  };
  return members(a) == members(b);
}

std::string LoadTest::shown(const std::function<void(std::FILE*)>& load) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  std::string refusal;
  try {
    load(out);
  } catch (const LoadError& error) {
    refusal = error.stream() == MessageStream::standard_error ? "stderr: " : "";
    refusal += error.what();
  }
  std::fclose(out);
  std::string seen(buffer, size);
  std::free(buffer);
  return seen + refusal;
}

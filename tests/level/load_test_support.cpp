#include "level/load_test_support.h"

#include <ostream>

#include "base/failure.h"

namespace quadrivant {

void PrintTo(const Layer& layer, std::ostream* out) {
  *out << layer.width() << 'x' << layer.height() << " {";
  for (int y = 0; y < layer.height(); ++y) {
    *out << (y ? "}, {" : "{");
    for (int x = 0; x < layer.width(); ++x) *out << (x ? ", " : "") << layer.at(x, y);
  }
  *out << (layer.height() ? "}}" : "}");
}

std::string LoadTest::shown(const std::function<void(std::FILE*)>& load) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  std::string refusal;
  try {
    load(out);
  } catch (const Failure& error) {
    refusal = error.stream() == Stream::standard_error ? "stderr: " : "";
    refusal += error.what();
  }
  std::fclose(out);
  std::string seen(buffer, size);
  std::free(buffer);
  return seen + refusal;
}

}  // namespace quadrivant

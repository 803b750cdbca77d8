#include "level/world.h"

#include <algorithm>

namespace quadrivant {

namespace {

bool fits_in_a_byte(int value) {
  return value >= 0 && value <= 255;
}

}  // namespace

Layer::Layer(int width, int height, int fill)
    : width_(width), height_(height), wide_(!fits_in_a_byte(fill)) {
  if (wide_) {
    wide_cells_.assign(size(), fill);
  } else {
    byte_cells_.assign(size(), static_cast<std::uint8_t>(fill));
  }
}

Layer::Layer(int width, std::vector<int> cells)
    : width_(width), height_(width > 0 ? static_cast<int>(cells.size() / width) : 0) {
  cells.resize(size());
  wide_ = !std::all_of(cells.begin(), cells.end(), fits_in_a_byte);
  if (wide_) {
    wide_cells_ = std::move(cells);
  } else {
    byte_cells_.assign(cells.begin(), cells.end());
  }
}

Layer::Layer(int width, LayerBytes cells)
    : width_(width),
      height_(width > 0 ? static_cast<int>(cells.size() / width) : 0),
      byte_cells_(std::move(cells)) {
  byte_cells_.resize(size());
}

void Layer::widen() {
  wide_cells_.assign(byte_cells_.begin(), byte_cells_.end());
  byte_cells_ = {};
  wide_ = true;
}

void Layer::set(int x, int y, int value) {
  if (!wide_ && !fits_in_a_byte(value)) widen();
  if (wide_) {
    wide_cells_[index(x, y)] = value;
  } else {
    byte_cells_[index(x, y)] = static_cast<std::uint8_t>(value);
  }
}

std::vector<int> Layer::values() const {
  if (wide_) return wide_cells_;
  return std::vector<int>(byte_cells_.begin(), byte_cells_.end());
}

bool operator==(const Layer& a, const Layer& b) {
  if (a.width_ != b.width_ || a.height_ != b.height_) return false;
  if (a.wide_ == b.wide_)
    return a.wide_ ? a.wide_cells_ == b.wide_cells_ : a.byte_cells_ == b.byte_cells_;
  return a.values() == b.values();
}

int problem_count(const World& world) {
  int total = 0;
  for (const Level& level : world) total += static_cast<int>(level.problems.size());
  return total;
}

std::string level_numbers(std::size_t count) {
  return count == 1 ? "level 0" : "levels 0 to " + std::to_string(count - 1);
}

}  // namespace quadrivant

// The loaded world: one record per level, as the level's eight files give it. The world is built
// once, before anything is drawn, and never changes during play: what the player has done lives
// in the game state (rules/game_state.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "level/map_characters.h"

namespace quadrivant {

// Storage for cells that are written once before they are read, so nothing zeroes them first
// (a large world would otherwise be written twice).
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
  using value_type = T;
  template <class U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <class U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
  template <class U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <class U, class... Arguments>
  void construct(U* place, Arguments&&... arguments) {
    ::new (static_cast<void*>(place)) U(std::forward<Arguments>(arguments)...);
  }
};

using LayerBytes = std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>>;

// One image layer of a level: one value per map cell, width x height cells in one block, row by
// row from the top. Cells are addressed (x, y): x from 0 at the left, y from 0 at the top.
// Every value a sound level uses (a colour or a cell code) fits in a byte, and so a layer keeps
// its cells: only a layer holding a value outside 0..255 (which the load-time check refuses, naming
// the value) keeps ints.
class Layer {
 public:
  Layer() = default;
  // `width` x `height` cells, all `fill`.
  Layer(int width, int height, int fill = 0);
  // The cells of `cells`, `width` to a row; a last row that is not full is dropped.
  Layer(int width, std::vector<int> cells);
  Layer(int width, LayerBytes cells);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Cell (x, y), which must lie inside the layer.
  int at(int x, int y) const {
    const std::size_t i = index(x, y);
    return wide_ ? wide_cells_[i] : byte_cells_[i];
  }
  void set(int x, int y, int value);

  // Every cell, row by row.
  std::vector<int> values() const;

  // Whether every cell fits in a byte (0..255), and then the cells, row by row; empty otherwise.
  bool is_narrow() const { return !wide_; }
  std::span<const std::uint8_t> byte_cells() const {
    return wide_ ? std::span<const std::uint8_t>() : std::span<const std::uint8_t>(byte_cells_);
  }

  friend bool operator==(const Layer& a, const Layer& b);

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  std::size_t size() const { return static_cast<std::size_t>(width_) * height_; }
  void widen();

  int width_ = 0;
  int height_ = 0;
  bool wide_ = false;
  LayerBytes byte_cells_;        // while every value fits in a byte
  std::vector<int> wide_cells_;  // once one does not
};

// A map cell: x from 0 at the left, y from 0 at the top.
struct Cell {
  int x = 0;
  int y = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// Where a room transition leads: the player then stands on cell (x, y) of `level`.
struct RoomTransition {
  int level = 0;
  int x = 0;
  int y = 0;
  friend bool operator==(const RoomTransition&, const RoomTransition&) = default;
};

// A problem: asked until its answer is given, then its solved text is shown.
struct Problem {
  std::string question;
  std::string solved_text;
  int answer = 0;
  friend bool operator==(const Problem&, const Problem&) = default;
};

// An information entry: its locked text until `required` problems (over all levels) have been
// solved when the player walks into it; then it unlocks, opens its gate and shows its unlocked
// text.
struct Information {
  std::string locked_text;
  std::string unlocked_text;
  int required = 0;
  friend bool operator==(const Information&, const Information&) = default;
};

// An obstruction: a gate that blocks and shows its text until the information entry of the same
// index on the same level unlocks.
struct Obstruction {
  std::string text;
  friend bool operator==(const Obstruction&, const Obstruction&) = default;
};

struct Level {
  int width = 0;          // at least minimum_level_width
  int height = 0;         // at least minimum_level_height
  Layer fg_layer;         // xterm colour index of each cell's character
  Layer bg_layer;         // xterm colour index of each cell's background
  Layer collision_layer;  // cell code of each cell (level/cell_codes.h)
  MapCharacters content;  // the character of each cell, width x height, row by row
  std::vector<RoomTransition> transitions;  // entry k: cell code 50 + k
  std::vector<Problem> problems;            // entry k: cell code 100 + k
  std::vector<Information> infos;           // entry k: cell code 200 + k
  std::vector<Obstruction> obstructions;    // entry k: cell code 49 - k

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  bool contains(Cell cell) const { return contains(cell.x, cell.y); }
  // The character of cell (x, y), which must lie inside the map.
  char32_t character(int x, int y) const {
    return content[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)];
  }

  friend bool operator==(const Level&, const Level&) = default;
};

// The smallest map: the size of the viewport, so a level always fills it.
inline constexpr int minimum_level_width = 69;
inline constexpr int minimum_level_height = 23;

// Colours are xterm 256-colour palette indices, 0 up to this.
inline constexpr int highest_colour = 255;

// Whether `value` is an xterm colour.
constexpr bool is_colour(int value) {
  return value >= 0 && value <= highest_colour;
}

// The levels in manifest order; the game starts on level 0.
using World = std::vector<Level>;

// The problems of every level together: what the gates' counts are measured against.
int problem_count(const World& world);

// The numbers of the levels of a world of `count` levels, in words: "level 0", "levels 0 to 4".
std::string level_numbers(std::size_t count);

}  // namespace quadrivant

#include "play_checks.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

ScriptedPlay::ScriptedPlay(std::string input)
    : input_(std::move(input)), unused_input_(fake_.console().in) {
  fake_.console().in =
      fopencookie(this, "r", {&ScriptedPlay::read_input, nullptr, nullptr, nullptr});
  if (fake_.console().in == nullptr) throw std::runtime_error("cannot open the scripted input");
  // Unbuffered: every read asks for what it needs, so the start of each line is seen.
  std::setvbuf(fake_.console().in, nullptr, _IONBF, 0);
}

ScriptedPlay::~ScriptedPlay() {
  std::fclose(fake_.console().in);
  fake_.console().in = unused_input_;
}

ssize_t ScriptedPlay::read_input(void* self, char* buffer, size_t size) {
  auto* play = static_cast<ScriptedPlay*>(self);
  const bool line_start = play->position_ == 0 || play->input_[play->position_ - 1] == '\n';
  const bool already_noted = !play->flushes_at_read_.empty() && play->position_ == play->noted_;
  if (line_start && !already_noted) {
    play->flushes_at_read_.push_back(play->fake_.flushes().size());
    play->noted_ = play->position_;
    if (play->hook_) play->hook_();
  }
  const std::size_t count = std::min(size, play->input_.size() - play->position_);
  std::memcpy(buffer, play->input_.data() + play->position_, count);
  play->position_ += count;
  return static_cast<ssize_t>(count);
}

void ScriptedPlay::show_screen_at_read(TerminalScreen& screen, int index) const {
  const std::size_t flushes = flushes_at_read_.at(index);
  for (std::size_t i = 0; i < flushes; ++i) screen.feed(fake_.flushes()[i]);
}

void ScriptedPlay::show_screen(TerminalScreen& screen) const {
  for (const std::string& flush : fake_.flushes()) screen.feed(flush);
}

namespace {

bool in_prompt_box(int row, int column) {
  return (row == 2 && column >= 26 && column <= 46) || (row == 3 && column >= 27 && column <= 45);
}

}  // namespace

testing::AssertionResult viewport_shows(const TerminalScreen& screen, const MapData& map, int level,
                                        View view, ViewportArea area) {
  for (int row = area.first_row; row <= area.last_row; ++row) {
    for (int column = 2; column <= 70; ++column) {
      const bool under_marker = row == area.marker_row && column == area.marker_column;
      if (in_prompt_box(row, column) || under_marker) continue;
      const int x = view.x + column - 2, y = view.y + row - 2;
      const bool on_map = x >= 0 && x < map.width[level] && y >= 0 && y < map.height[level];
      const char character = on_map ? map.content[level][y][x] : ' ';
      const int foreground = on_map ? map.fg_layer[level][y][x] : 16;
      const int background = on_map ? map.bg_layer[level][y][x] : 16;
      if (screen.character(row, column) != character ||
          screen.foreground(row, column) != foreground ||
          screen.background(row, column) != background) {
        return testing::AssertionFailure()
               << "screen cell (" << row << ", " << column << ") shows '"
               << screen.character(row, column) << "' " << screen.foreground(row, column) << " on "
               << screen.background(row, column) << ", map cell (" << x << ", " << y
               << ") of level " << level << " is '" << character << "' " << foreground << " on "
               << background;
      }
    }
  }
  return testing::AssertionSuccess();
}

testing::AssertionResult marker_only_at(const TerminalScreen& screen, int row, int column) {
  for (int r = 2; r <= 24; ++r) {
    for (int c = 2; c <= 70; ++c) {
      const bool marker = screen.character(r, c) == 'X' && screen.foreground(r, c) == 255 &&
                          screen.background(r, c) == 160;
      if (marker != (r == row && c == column)) {
        return testing::AssertionFailure()
               << "cell (" << r << ", " << c << ") " << (marker ? "shows" : "lacks")
               << " the marker; expected it only at (" << row << ", " << column << ")";
      }
    }
  }
  return testing::AssertionSuccess();
}

void give_distinct_characters(TestLevel& level) {
  static const char symbols[] = "abcdefghijklmnopqrstuvwyzABCDEFGHIJKLMNOPQRSTUVWYZ0123456789";
  level.content.clear();
  for (std::size_t y = 0; y < level.codes.size(); ++y) {
    std::string row;
    for (std::size_t x = 0; x < level.codes[y].size(); ++x)
      row += level.codes[y][x] == 0 ? symbols[(x * 7 + y * 3) % (sizeof symbols - 1)] : '#';
    level.content.push_back(row);
  }
}

std::vector<int> waits(std::initializer_list<std::pair<int, int>> runs) {
  std::vector<int> list;
  for (const auto& [count, ms] : runs) list.insert(list.end(), count, ms);
  return list;
}

void add_waits(std::vector<int>& list, const std::vector<int>& more) {
  list.insert(list.end(), more.begin(), more.end());
}

// Helpers for playing the game in tests: a console that keeps what the terminal showed whenever
// the game began to read a line, checks of the viewport against a level's map, and recorded
// waits written as runs.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "screen/console.h"
#include "screen/viewport.h"
#include "support/fake_console.h"
#include "support/terminal_screen.h"
#include "support/test_world.h"

// A FakeConsole whose input also notes, for every line the game begins to read (an attempt at
// the end of input included), how many flushes the terminal had received by then.
class ScriptedPlay {
 public:
  explicit ScriptedPlay(std::string input);
  ~ScriptedPlay();
  ScriptedPlay(const ScriptedPlay&) = delete;
  ScriptedPlay& operator=(const ScriptedPlay&) = delete;

  Console& console() { return fake_.console(); }
  const FakeConsole& fake() const { return fake_; }

  // Called whenever the game begins to read a line, before it gets any of it.
  void on_line_read(std::function<void()> hook) { hook_ = std::move(hook); }

  // The input not yet read.
  std::string remaining_input() const { return input_.substr(position_); }

  // Lines the game began to read so far.
  int line_reads() const { return static_cast<int>(flushes_at_read_.size()); }

  // Feeds `screen` everything the terminal showed when the game began to read line `index`.
  void show_screen_at_read(TerminalScreen& screen, int index) const;

  // Feeds `screen` everything flushed so far.
  void show_screen(TerminalScreen& screen) const;

 private:
  static ssize_t read_input(void* self, char* buffer, size_t size);

  FakeConsole fake_;
  std::string input_;
  std::size_t position_ = 0;
  std::size_t noted_ = 0;  // the input position of the last line start noted
  std::FILE* unused_input_;
  std::vector<std::size_t> flushes_at_read_;
  std::function<void()> hook_;
};

// The goodbye and winning pages end with a newline on row 26, which scrolls a terminal of 26
// rows: screens that look at them after it are this tall.
inline constexpr int tall_terminal_rows = 30;

// Which part of the viewport a check looks at: rows first_row..last_row, all but the prompt box
// cells and the cell under the marker.
struct ViewportArea {
  int first_row = 2;
  int last_row = 24;
  int marker_row = 13;
  int marker_column = 36;
};

// Checks that the viewport shows `level` at `view`: every map cell's character and colours where
// the view puts it, black blanks beyond the map.
testing::AssertionResult viewport_shows(const TerminalScreen& screen, const MapData& map, int level,
                                        View view, ViewportArea area = {});

// Whether the player marker (a white X on red) stands at (row, column), and nowhere else in the
// viewport.
testing::AssertionResult marker_only_at(const TerminalScreen& screen, int row, int column);

// Gives every free ground cell a character of its own, so a shifted map shows at once.
void give_distinct_characters(TestLevel& level);

// Recorded waits written as runs: waits({{7, 500}, {4, 100}}) is seven waits of 500 ms, then four
// of 100 ms.
std::vector<int> waits(std::initializer_list<std::pair<int, int>> runs);

// Appends the waits `more` to `list`.
void add_waits(std::vector<int>& list, const std::vector<int>& more);

inline const std::vector<int> title_waits = waits({{7, 500}});
inline const std::vector<int> goodbye_waits = waits({{3, 500}});
inline const std::vector<int> blink_waits = waits({{4, 100}});
inline const std::vector<int> info_panel_waits = waits({{22, 100}});  // rise, then fall
inline const std::vector<int> fade_and_reveal_waits = waits({{35, 20}, {12, 70}});

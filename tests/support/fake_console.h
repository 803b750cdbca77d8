// An in-memory console: the game reads its lines from a string and draws into a record of what
// reached the terminal, one chunk per drawing step, and its waits go to a recording clock. Built
// on standard streams only (a temporary file for the input, a memory stream for the output), so
// it works wherever POSIX does.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "screen/terminal/console.h"
#include "support/recording_clock.h"

namespace quadrivant {

class FakeConsole : private ConsoleWatcher {
 public:
  explicit FakeConsole(std::string input = "");
  ~FakeConsole();
  FakeConsole(const FakeConsole&) = delete;
  FakeConsole& operator=(const FakeConsole&) = delete;

  Console& console() { return console_; }

  // Everything flushed so far, in order. Bytes written but not yet flushed are not included:
  // the terminal has not seen them.
  std::string output() const;

  // One entry per drawing step, or other flush, that carried bytes.
  const std::vector<std::string>& flushes() const;

  // Forgets the output so far (the input position is kept).
  void clear_output();

  // The input not yet read.
  std::string remaining_input() const;

  // For every line the game began to read (an attempt at the end of input included), the number
  // of flushes the terminal had received by then: what the player saw while typing that line.
  // Counts flushes since the last clear_output().
  const std::vector<std::size_t>& flushes_at_line_reads() const { return flushes_at_line_reads_; }

 private:
  void step_shown() override;
  void reading() override;
  // Records what was flushed since the last record as one chunk.
  void collect() const;

  std::string input_;
  std::size_t last_line_start_noted_ = std::string::npos;
  std::vector<std::size_t> flushes_at_line_reads_;
  char* written_ = nullptr;  // the memory stream's bytes, as far as flushed
  std::size_t written_size_ = 0;
  mutable std::size_t recorded_ = 0;  // bytes of written_ already in flushes_
  mutable std::vector<std::string> flushes_;
  RecordingClock clock_;
  Console console_{nullptr, nullptr, clock_};
};

}  // namespace quadrivant

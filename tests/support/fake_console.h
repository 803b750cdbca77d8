// An in-memory console: the game reads its lines from a string and draws into a record of what
// reached the terminal, one chunk per flush.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "screen/console.h"

class FakeConsole {
 public:
  explicit FakeConsole(std::string input = "");
  ~FakeConsole();
  FakeConsole(const FakeConsole&) = delete;
  FakeConsole& operator=(const FakeConsole&) = delete;

  Console& console() { return console_; }

  // Everything flushed so far, in order. Bytes written but not yet flushed are not included:
  // the terminal has not seen them.
  std::string output() const;

  // One entry per flush that carried bytes.
  const std::vector<std::string>& flushes() const { return flushes_; }

  // Forgets the output so far (the input position is kept).
  void clear_output() { flushes_.clear(); }

  // The input not yet read.
  std::string remaining_input() const { return input_.substr(read_position_); }

  // For every line the game began to read (an attempt at the end of input included), the number
  // of flushes the terminal had received by then: what the player saw while typing that line.
  // Counts flushes since the last clear_output().
  const std::vector<std::size_t>& flushes_at_line_reads() const { return flushes_at_line_reads_; }

 private:
  static ssize_t read_input(void* self, char* buffer, size_t size);
  static ssize_t write_output(void* self, const char* buffer, size_t size);

  std::string input_;
  std::size_t read_position_ = 0;
  std::size_t last_line_start_noted_ = std::string::npos;
  std::vector<std::size_t> flushes_at_line_reads_;
  std::vector<std::string> flushes_;
  std::vector<char> output_buffer_;
  Console console_{};
};

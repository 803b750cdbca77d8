#include "support/fake_console.h"

#include <algorithm>
#include <cstring>
#include <numeric>

FakeConsole::FakeConsole(std::string input)
    : input_(std::move(input)), output_buffer_(std::size_t{1} << 20) {
  console_.in = fopencookie(this, "r", {&FakeConsole::read_input, nullptr, nullptr, nullptr});
  console_.out = fopencookie(this, "w", {nullptr, &FakeConsole::write_output, nullptr, nullptr});
  // Unbuffered input, so remaining_input() is exactly what the game has not read yet and every
  // line start is seen.
  std::setvbuf(console_.in, nullptr, _IONBF, 0);
  // Like the game's standard output: one write per flush.
  std::setvbuf(console_.out, output_buffer_.data(), _IOFBF, output_buffer_.size());
}

FakeConsole::~FakeConsole() {
  std::fclose(console_.in);
  std::fclose(console_.out);
}

std::string FakeConsole::output() const {
  return std::accumulate(flushes_.begin(), flushes_.end(), std::string());
}

ssize_t FakeConsole::read_input(void* self, char* buffer, size_t size) {
  auto* fake = static_cast<FakeConsole*>(self);
  const std::size_t at = fake->read_position_;
  if ((at == 0 || fake->input_[at - 1] == '\n') && fake->last_line_start_noted_ != at) {
    fake->flushes_at_line_reads_.push_back(fake->flushes_.size());
    fake->last_line_start_noted_ = at;
  }
  const std::size_t count = std::min(size, fake->input_.size() - at);
  std::memcpy(buffer, fake->input_.data() + at, count);
  fake->read_position_ += count;
  return static_cast<ssize_t>(count);
}

ssize_t FakeConsole::write_output(void* self, const char* buffer, size_t size) {
  static_cast<FakeConsole*>(self)->flushes_.emplace_back(buffer, size);
  return static_cast<ssize_t>(size);
}

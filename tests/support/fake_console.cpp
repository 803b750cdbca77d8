#include "support/fake_console.h"

#include <cstdlib>
#include <numeric>
#include <stdexcept>

namespace quadrivant {

FakeConsole::FakeConsole(std::string input) : input_(std::move(input)) {
  console_.in = std::tmpfile();
  console_.out = open_memstream(&written_, &written_size_);
  if (console_.in == nullptr || console_.out == nullptr) {
    throw std::runtime_error("no streams for a fake console");
  }
  std::fwrite(input_.data(), 1, input_.size(), console_.in);
  std::rewind(console_.in);
  // The memory stream shows its bytes only when flushed, like the game's fully buffered
  // standard output. Unbuffered input, so its position is exactly what the game has read.
  std::setvbuf(console_.in, nullptr, _IONBF, 0);
  console_.watcher = this;
}

FakeConsole::~FakeConsole() {
  std::fclose(console_.in);
  std::fclose(console_.out);
  std::free(written_);
}

void FakeConsole::collect() const {
  if (written_size_ > recorded_) {
    flushes_.emplace_back(written_ + recorded_, written_size_ - recorded_);
    recorded_ = written_size_;
  }
}

void FakeConsole::step_shown() {
  collect();
}

const std::vector<std::string>& FakeConsole::flushes() const {
  collect();
  return flushes_;
}

std::string FakeConsole::output() const {
  return std::accumulate(flushes().begin(), flushes().end(), std::string());
}

void FakeConsole::clear_output() {
  collect();
  flushes_.clear();
}

std::string FakeConsole::remaining_input() const {
  const long position = std::ftell(console_.in);
  return position < 0 ? "" : input_.substr(static_cast<std::size_t>(position));
}

void FakeConsole::reading() {
  const long read = std::ftell(console_.in);
  if (read < 0) return;
  const auto at = static_cast<std::size_t>(read);
  if ((at == 0 || input_[at - 1] == '\n') && last_line_start_noted_ != at) {
    collect();
    flushes_at_line_reads_.push_back(flushes_.size());
    last_line_start_noted_ = at;
  }
}

}  // namespace quadrivant

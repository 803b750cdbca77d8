#include "support/wait_gate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <stdexcept>

#include "support/run_program.h"

namespace quadrivant {

WaitGate::WaitGate(const std::string& directory)
    : gate_(directory + "/wait-gate"), log_(directory + "/waits.txt") {
  if (mkfifo(gate_.c_str(), 0600) != 0) throw std::runtime_error("cannot make " + gate_);
  // Read and write: opening does not wait for the program, and the program's reads wait for the
  // test's bytes instead of ending.
  writer_ = ::open(gate_.c_str(), O_RDWR);
  if (writer_ < 0) throw std::runtime_error("cannot open " + gate_);
}

WaitGate::~WaitGate() {
  open();
  unlink(gate_.c_str());
}

std::string WaitGate::environment() const {
  return "QUADRIVANT_WAIT_GATE=" + shell_quoted(gate_) +
         " QUADRIVANT_WAIT_LOG=" + shell_quoted(log_) + " ";
}

std::vector<int> WaitGate::waits() const {
  // Only whole lines: the program may be writing the next one.
  std::string text = read_file(log_);
  text.erase(text.find_last_of('\n') + 1);
  std::istringstream log(text);
  std::vector<int> waits;
  for (int ms; log >> ms;) waits.push_back(ms);
  return waits;
}

bool WaitGate::holding() const {
  return writer_ >= 0 && waits().size() > released_;
}

void WaitGate::release() {
  if (write(writer_, "", 1) != 1) throw std::runtime_error("cannot write to " + gate_);
  ++released_;
}

void WaitGate::open() {
  if (writer_ >= 0) close(writer_);
  writer_ = -1;
}

}  // namespace quadrivant

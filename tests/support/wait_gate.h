// The test program's waits held until the test lets each one pass, so that a terminal test sees
// every frame of an animation and acts in the middle of one however loaded the machine is. The
// program, started with environment() before its command line, logs each wait and then reads
// one byte from the gate, a FIFO the test holds open for writing; release() writes that byte.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quadrivant {

class WaitGate {
 public:
  // The gate and the wait log, in `directory`.
  explicit WaitGate(const std::string& directory);
  ~WaitGate();
  WaitGate(const WaitGate&) = delete;
  WaitGate& operator=(const WaitGate&) = delete;

  // The variables for the program's command line, each followed by a blank.
  std::string environment() const;

  // Every wait the program has begun, in milliseconds.
  std::vector<int> waits() const;
  // Whether the program stands in a wait that has not been let pass.
  bool holding() const;
  // Lets the wait the program stands in pass.
  void release();
  // Lets every wait pass from now on.
  void open();

 private:
  std::string gate_;
  std::string log_;
  int writer_ = -1;
  std::size_t released_ = 0;
};

}  // namespace quadrivant

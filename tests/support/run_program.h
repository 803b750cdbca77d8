// Runs a built program as a subprocess, as a player's shell would, and collects what it did.
#pragma once

#include <string>
#include <vector>

namespace quadrivant {

struct ProgramRun {
  int exit_status = -1;  // -1 if the program did not exit normally
  std::string standard_output;
  std::string standard_error;
  std::vector<int> waits;    // the test program's recorded waits, in order
  long peak_memory_kib = 0;  // the program's peak resident memory
};

// Where a program's standard output goes: a file read back into standard_output, a device
// that refuses every write with "no space left" (Linux' /dev/full), or nowhere (closed).
enum class OutputTarget { captured, full_device, closed };

// Runs `program` with `arguments` in `working_directory`, with `input` as its standard input.
// Ends the program (exit_status -1) if it runs longer than `timeout_seconds`.
ProgramRun run_program(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& working_directory, const std::string& input,
                       int timeout_seconds = 60, OutputTarget output = OutputTarget::captured);

// The same with no arguments.
inline ProgramRun run_program(const std::string& program, const std::string& working_directory,
                              const std::string& input, int timeout_seconds = 60,
                              OutputTarget output = OutputTarget::captured) {
  return run_program(program, {}, working_directory, input, timeout_seconds, output);
}

// A fresh empty directory below the system's temporary directory.
std::string make_temporary_directory();

// `text` as one word for the shell, whatever it holds.
std::string shell_quoted(const std::string& text);

// Writes `contents` to `path`, replacing the file; throws a Failure if it cannot, close included.
void write_file(const std::string& path, const std::string& contents);
std::string read_file(const std::string& path);

}  // namespace quadrivant

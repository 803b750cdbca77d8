#include "support/run_program.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "level/world_writer.h"

namespace quadrivant {

std::string make_temporary_directory() {
  std::string pattern = std::filesystem::temp_directory_path() / "quadrivant-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

std::string shell_quoted(const std::string& text) {
  std::string word = "'";
  for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

void write_file(const std::string& path, const std::string& contents) {
  write_text_file(path, contents);
}

std::string read_file(const std::string& path) {
  // Whole-game outputs run to a hundred megabytes: read them in one go, not char by char.
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

ProgramRun run_program(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& working_directory, const std::string& input,
                       int timeout_seconds, OutputTarget output) {
  const std::string scratch = make_temporary_directory();
  // Standard input, output and error, and the log of waits.
  const std::string files[] = {scratch + "/stdin", scratch + "/stdout", scratch + "/stderr",
                               scratch + "/waits"};
  write_file(files[0], input);
  // Made before the fork: the child only calls what is safe between fork and exec.
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    for (int fd = 0; fd < 3; ++fd) {
      const int file = open(files[fd].c_str(), fd == 0 ? O_RDONLY : O_WRONLY | O_CREAT, 0600);
      if (file < 0 || dup2(file, fd) < 0) _exit(127);
    }
    if (output == OutputTarget::full_device) {
      const int device = open("/dev/full", O_WRONLY);
      if (device < 0 || dup2(device, 1) < 0) _exit(127);
    }
    if (output == OutputTarget::closed) close(1);
    setenv("QUADRIVANT_WAIT_LOG", files[3].c_str(), 1);
    alarm(static_cast<unsigned>(timeout_seconds));  // outlives exec: ends a program that hangs
    if (chdir(working_directory.c_str()) == 0) execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  ProgramRun run{
      WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(files[1]), read_file(files[2]), {}};
  run.peak_memory_kib = usage.ru_maxrss;
#ifdef __APPLE__
  run.peak_memory_kib /= 1024;  // macOS counts bytes
#endif
  std::istringstream log(read_file(files[3]));
  for (int ms; log >> ms;) run.waits.push_back(ms);
  std::filesystem::remove_all(scratch);
  return run;
}

}  // namespace quadrivant

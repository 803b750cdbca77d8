#include "support/run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

std::string make_temporary_directory() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base ? base : "/tmp") + "/quadrivant-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

void write_file(const std::string& path, const std::string& contents) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << contents;
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

namespace {

std::vector<int> parse_waits(const std::string& log) {
  std::vector<int> waits;
  std::istringstream lines(log);
  for (int ms; lines >> ms;) waits.push_back(ms);
  return waits;
}

void redirect(const std::string& path, int flags, int target) {
  const int fd = open(path.c_str(), flags, 0600);
  if (fd < 0 || dup2(fd, target) < 0) _exit(127);
  close(fd);
}

}  // namespace

ProgramRun run_program(const std::string& program, const std::string& working_directory,
                       const std::string& input, int timeout_seconds) {
  const std::string scratch = make_temporary_directory();
  const std::string in_path = scratch + "/stdin", out_path = scratch + "/stdout",
                    err_path = scratch + "/stderr", wait_path = scratch + "/waits";
  write_file(in_path, input);

  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    redirect(in_path, O_RDONLY, STDIN_FILENO);
    redirect(out_path, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
    redirect(err_path, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
    setenv("QUADRIVANT_WAIT_LOG", wait_path.c_str(), 1);
    if (chdir(working_directory.c_str()) != 0) _exit(127);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }

  ProgramRun run;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds);
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFEXITED(status)) run.exit_status = WEXITSTATUS(status);
  run.standard_output = read_file(out_path);
  run.standard_error = read_file(err_path);
  run.waits = parse_waits(read_file(wait_path));
  for (const std::string& path : {in_path, out_path, err_path, wait_path}) unlink(path.c_str());
  rmdir(scratch.c_str());
  return run;
}

#include "screen/terminal/signals.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace quadrivant {

namespace {

// Set by the handlers, taken by the game; never touched by anything else.
volatile sig_atomic_t screen_disturbed = 0;
bool installed = false;
// SA_RESTART while the game draws (a stop in the middle of writing a frame must not fail that
// write), 0 while it waits for a typed line (so a return from the background ends the wait).
volatile sig_atomic_t stop_handler_flags = SA_RESTART;

constexpr std::array<int, 4> fatal_signals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

sigset_t disturbance_signals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGWINCH);
  sigaddset(&set, SIGCONT);
  return set;
}

// Async-signal-safe: one write(2) of fixed bytes. Its result does not matter: a terminal that
// cannot be written to cannot be tidied either.
void write_leave_bytes() {
  const ssize_t written =
      write(STDOUT_FILENO, leave_terminal_bytes.data(), leave_terminal_bytes.size());
  static_cast<void>(written);
}

// Installed with SA_RESETHAND: the default action is back when the signal is raised again.
void leave_and_die(int signal_number) {
  write_leave_bytes();
  raise(signal_number);
}

void set_handler(int signal_number, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_flags = flags;
  sigemptyset(&action.sa_mask);
  sigaction(signal_number, &action, nullptr);
}

void stop_after_leaving(int) {
  const int saved_errno = errno;
  write_leave_bytes();
  set_handler(SIGTSTP, SIG_DFL, 0);
  raise(SIGTSTP);  // pending: SIGTSTP is blocked while its handler runs
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);  // the game stops here until it is continued
  set_handler(SIGTSTP, stop_after_leaving, stop_handler_flags);
  screen_disturbed = 1;
  errno = saved_errno;
}

void note_disturbance(int) {
  screen_disturbed = 1;
}

}  // namespace

void install_terminal_signals() {
  for (int signal_number : fatal_signals)
    set_handler(signal_number, leave_and_die, SA_RESETHAND | SA_RESTART);
  set_handler(SIGTSTP, stop_after_leaving, stop_handler_flags);
  // No SA_RESTART: these two are meant to interrupt the read of a DisturbableRead.
  set_handler(SIGWINCH, note_disturbance, 0);
  set_handler(SIGCONT, note_disturbance, 0);
  const sigset_t disturbances = disturbance_signals();
  sigprocmask(SIG_BLOCK, &disturbances, nullptr);
  installed = true;
}

bool take_screen_disturbance() {
  if (!installed) return false;
  // Lets the pending ones in, then reads and clears the flag with them held off again.
  const sigset_t disturbances = disturbance_signals();
  sigset_t before;
  sigprocmask(SIG_UNBLOCK, &disturbances, &before);
  sigprocmask(SIG_BLOCK, &disturbances, nullptr);
  const bool disturbed = screen_disturbed != 0;
  screen_disturbed = 0;
  sigprocmask(SIG_SETMASK, &before, nullptr);
  return disturbed;
}

DisturbableRead::DisturbableRead(std::FILE* in) {
  const int descriptor = fileno(in);
  if (!installed || descriptor < 0 || !isatty(descriptor)) return;
  const sigset_t disturbances = disturbance_signals();
  stop_handler_flags = 0;
  set_handler(SIGTSTP, stop_after_leaving, stop_handler_flags);
  sigprocmask(SIG_UNBLOCK, &disturbances, nullptr);
  opened_ = true;
}

DisturbableRead::~DisturbableRead() {
  if (!opened_) return;
  const sigset_t disturbances = disturbance_signals();
  sigprocmask(SIG_BLOCK, &disturbances, nullptr);
  stop_handler_flags = SA_RESTART;
  set_handler(SIGTSTP, stop_after_leaving, stop_handler_flags);
}

}  // namespace quadrivant

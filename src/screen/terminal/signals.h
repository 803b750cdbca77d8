// The signals a terminal sends the game while it plays. Installed only when standard output is
// a terminal, so output to files and pipes stays exactly the game's own bytes.
//
//   SIGINT, SIGTERM, SIGHUP, SIGQUIT: the terminal is left as "quit" leaves it (attributes
//     reset, the cursor on a fresh line below the picture), then the game dies of the same
//     signal, so the shell sees 128 + n.
//   SIGTSTP: the same reset, then the game stops; once continued the screen counts as disturbed.
//   SIGWINCH, SIGCONT: the screen counts as disturbed (a resize pulls old lines into view, a
//     return from the background finds the shell's lines over the picture).
//   SIGPIPE keeps its default.
//
// SIGWINCH and SIGCONT stay blocked while the game draws and sleeps, so no write of a frame is
// ever interrupted by them; they get through only where the game asks for them: while it waits
// for a line typed at the terminal (DisturbableRead) and when it checks for them
// (take_screen_disturbance).
#pragma once

#include <cstdio>
#include <string_view>

#include "screen/geometry.h"

namespace quadrivant {

// The bytes that leave the terminal to the shell: the cursor on the row below the picture,
// attributes reset, a fresh line. Fixed bytes, so a signal handler can write them.
inline constexpr std::string_view leave_terminal_bytes = "\x1b[26;1H\x1b[0m\n";
static_assert(below_picture_row == 26, "leave_terminal_bytes names the row below the picture");

// Installs the handlers and blocks SIGWINCH and SIGCONT. Call once, before the first frame.
void install_terminal_signals();

// True once for every run of resizes and returns from the background since the last call:
// the caller clears the screen before it draws on. Always false before install.
bool take_screen_disturbance();

// While one lives, a resize or a return from the background interrupts a blocking read of
// `in` (std::fgets then fails with errno EINTR), so the game can tidy the screen at once
// instead of after the player's next line. Only a terminal's input is read this way: a
// terminal hands over whole lines, so an interrupted read never loses part of one.
class DisturbableRead {
 public:
  explicit DisturbableRead(std::FILE* in);
  ~DisturbableRead();
  DisturbableRead(const DisturbableRead&) = delete;
  DisturbableRead& operator=(const DisturbableRead&) = delete;

 private:
  bool opened_ = false;
};

}  // namespace quadrivant

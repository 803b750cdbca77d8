// How every program of quadrivant (the game, the level checker, the authoring tool) starts and
// ends: the whole program runs inside guarded_main, which turns every way of failing into one
// message and a non-zero exit status, and makes sure standard output really was written.
#pragma once

#include <functional>
#include <string_view>

namespace quadrivant {

// How a program words a failure that has no words of its own (memory ran out, standard output
// could not be written): `failure_prefix` and the words, e.g. "(;^_^) Oopsie! " for the game.
struct ProgramVoice {
  std::string_view failure_prefix;
};

// Runs `body`, the whole program, and returns the exit status to end with:
//   - `body`'s own status when it returns;
//   - a Failure's status, its message printed on its stream (after whatever standard output
//     already holds, so reports and message keep their order);
//   - 1 when memory runs out or anything else escapes, with a message in `voice`.
// Standard output is then flushed and checked: output that could not be written is a failure
// too, told on standard error (status 1 unless the program had already failed). Once standard
// output has failed, the program ends at once, so nothing it buffered is written again.
int guarded_main(const ProgramVoice& voice, const std::function<int()>& body);

}  // namespace quadrivant

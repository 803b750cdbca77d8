// The one way anything in quadrivant fails: a Failure carries the complete message, the stream
// it belongs on and the exit status, and is thrown up to the program's entry (entry.h), which
// prints it and ends the program. Nothing prints its own failure.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace quadrivant {

enum class Stream { standard_output, standard_error };

class Failure : public std::exception {
 public:
  // `message` is complete, final newline included.
  explicit Failure(std::string message, Stream stream = Stream::standard_error, int status = 1)
      : message_(std::move(message)), stream_(stream), status_(status) {}

  // Standard output could not be written: the message goes to standard error, and what standard
  // output still holds is never written again (it would only repeat half a frame).
  static Failure output_lost(std::string message);

  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& message() const { return message_; }
  Stream stream() const { return stream_; }
  int status() const { return status_; }
  bool standard_output_lost() const { return output_lost_; }

 private:
  std::string message_;
  Stream stream_;
  int status_;
  bool output_lost_ = false;
};

// The game's voice for a failure, which the level checker shares: this, then what went wrong.
inline constexpr std::string_view game_voice = "(;^_^) Oopsie! ";

// The game's voice for a failure: "(;^_^) Oopsie! " and `text`.
std::string oopsie(std::string_view text);

// `text` without the game's voice, if it has it, and without its final newlines: the words of a
// failure, for a program that names the fault in its own way.
std::string_view words_of(std::string_view message);

// "Unable to write to standard output -> <what errno says>" for the error number `error` (none
// for 0), without a voice or newline.
std::string unable_to_write(int error);

}  // namespace quadrivant

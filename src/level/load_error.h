// The one way a loading failure leaves a reader: a LoadError carries the complete message, from
// "(;^_^) Oopsie! " to its final newline, and the stream it belongs on. The program's entry
// prints it there (after flushing standard output, so reports and message keep their order)
// and exits with status 1. Readers never print their failure themselves.
#pragma once

#include <stdexcept>
#include <string>

enum class MessageStream { standard_output, standard_error };

class LoadError : public std::runtime_error {
 public:
  LoadError(const std::string& message, MessageStream stream)
      : std::runtime_error(message), stream_(stream) {}

  MessageStream stream() const { return stream_; }

 private:
  MessageStream stream_;
};

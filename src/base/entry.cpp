#include "base/entry.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "base/failure.h"

namespace quadrivant {

namespace {

// Flushes standard output; 0 while everything it was given has been written, else the error
// number of its first failure (EIO when the stream does not say).
int flush_standard_output() {
  static int first_error = 0;
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
  if (first_error == 0) first_error = errno != 0 ? errno : EIO;
  return first_error;
}

void print_on(std::FILE* stream, const std::string& message) {
  std::fputs(message.c_str(), stream);
  if (stream == stdout) {
    flush_standard_output();
  } else {
    std::fflush(stream);
  }
}

// Standard output is lost: whatever it still buffers must never be written, so the program
// ends here, without the flush that a normal exit makes.
[[noreturn]] void end_without_standard_output(const std::string& message, int status) {
  print_on(stderr, message);
  std::_Exit(status != 0 ? status : 1);
}

int report(const Failure& failure) {
  if (failure.standard_output_lost()) end_without_standard_output(failure.message(), 1);
  // Reports already buffered stand before the message, whichever stream it goes to.
  flush_standard_output();
  print_on(failure.stream() == Stream::standard_output ? stdout : stderr, failure.message());
  return failure.status();
}

int report_in_voice(const ProgramVoice& voice, std::string_view words) {
  return report(Failure(std::string(voice.failure_prefix) + std::string(words) + "\n"));
}

}  // namespace

int guarded_main(const ProgramVoice& voice, const std::function<int()>& body) {
  int status = 1;
  try {
    status = body();
  } catch (const Failure& failure) {
    status = report(failure);
  } catch (const std::bad_alloc&) {
    status = report_in_voice(voice, "There is not enough memory to go on!");
  } catch (const std::exception& fault) {
    status = report_in_voice(voice, fault.what());
  } catch (...) {
    status = report_in_voice(voice, "An unexpected fault stopped the program!");
  }
  if (const int error = flush_standard_output(); error != 0) {
    end_without_standard_output(std::string(voice.failure_prefix) + unable_to_write(error) + "\n",
                                status);
  }
  return status;
}

}  // namespace quadrivant

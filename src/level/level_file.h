// A level file open for reading, and the pieces every level file format shares: lines skipped
// whole, decimal numbers after whitespace, text lines, raw bytes.
//
// Level files come from strangers, so a LevelFile
//   - reads only regular files: a directory, device, FIFO or socket is refused before it is
//     opened for reading, so no path can make the game wait on a pipe or read without end;
//   - reads in large blocks and parses straight from its buffer, so memory stays a fixed block
//     plus what the caller keeps, and every read stops at the end of the file, so no file makes a
//     reader wait for a byte that never comes;
//   - names itself in messages with its control bytes escaped (see printable in base/text.h), so
//     no path reaches the terminal as a control sequence.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/failure.h"

namespace quadrivant {

// A level file refused: the game's words for the fault, and what the level checker tells an
// author beyond them: the line of the file the fault stands on (0 where no line is meant) and a
// hint how to mend it ("" for none). The game prints only the message.
class LevelFileRefusal : public Failure {
 public:
  LevelFileRefusal(std::string message, std::int64_t line, std::string hint)
      : Failure(std::move(message), Stream::standard_output), line_(line), hint_(std::move(hint)) {}

  std::int64_t line() const { return line_; }
  const std::string& hint() const { return hint_; }

 private:
  std::int64_t line_;
  std::string hint_;
};

// Throws a LevelFileRefusal, on standard output, with the message "(;^_^) Oopsie! " + `text`
// (which ends in "\n"), `line` and `hint`.
[[noreturn]] void refuse_level_file(const std::string& text, std::int64_t line = 0,
                                    std::string hint = "");

// Prints `text` to `out`, the stream of loading reports; a null `out` reports nothing.
void report(std::FILE* out, std::string_view text);

// How a line ended.
enum class LineEnd {
  newline,      // at its newline, which has been read
  end_of_file,  // at the end of the file, after at least one byte of the line
  no_line,      // the file had already ended: not a single byte could be read
};

// The outcome of reading a decimal number.
enum class NumberRead {
  number,        // a number within the range of an int
  not_a_number,  // no digits where the number should start, or a value outside an int's range
  end_of_file,   // the file ended before anything but whitespace
};

// A file of a world: its path as the manifest writes it, and the world's directory, from which a
// relative path is taken (the working directory if empty). Reports and messages name `path`.
struct WorldFile {
  WorldFile(std::string written_path, std::string world_directory = "")
      : path(std::move(written_path)), directory(std::move(world_directory)) {}
  WorldFile(const char* written_path) : WorldFile(std::string(written_path)) {}

  std::string path;
  std::string directory;
};

class LevelFile {
 public:
  // Opens `file`. Throws a Failure on standard error, before anything of the file is reported, with
  // "(;^_^) Oopsie! Unable to open file -> <path>\n" if it cannot be opened, or a message that
  // says what it is if it is no regular file.
  explicit LevelFile(const WorldFile& file);
  ~LevelFile();
  LevelFile(const LevelFile&) = delete;
  LevelFile& operator=(const LevelFile&) = delete;

  // The path as the manifest names it, made printable: for reports and messages.
  const std::string& path() const { return shown_path_; }

  // The number of the line, from 1, that the next byte belongs to.
  std::int64_t line() const { return line_; }

  // Prints the file's report, "Loading <path>" and `end`, to `out` (see report()).
  void report_loading(std::FILE* out, std::string_view end = "\n") const;

  // The next byte as 0..255, or -1 at the end of the file.
  int get() {
    if (next_ == end_ && !refill()) return -1;
    const auto byte = static_cast<unsigned char>(*next_++);
    if (byte == '\n') ++line_;
    return byte;
  }

  // Reads bytes up to and including the next newline, or to the end of the file.
  LineEnd skip_line();

  // Reads one line into `text`, without its newline, keeping at most its first `most` bytes: the
  // rest is passed over, so a line of any length costs no more memory than a reader needs to
  // judge it. `text` is empty for LineEnd::no_line.
  LineEnd read_line(std::string& text, std::size_t most);

  // Reads one line onto the end of `text`, without its newline, keeping at most `most` bytes.
  LineEnd append_line(std::string& text, std::size_t most);

  // Skips whitespace, then reads an optional sign and decimal digits into `value`, the way
  // scanf's "%d" does; the byte after the digits is left unread. `value` is set only for
  // NumberRead::number.
  NumberRead read_number(int& value);

  // Reads numbers as read_number() does into `values`, in order, until it is full or a read
  // returns anything but NumberRead::number; returns that read's outcome (NumberRead::number once
  // `values` is full), and sets `count` to how many numbers were read. Made for the long runs of
  // short numbers that fill a plain image's raster.
  NumberRead read_numbers(std::span<int> values, std::size_t& count);

  // Skips whitespace; true if the next byte (left unread) is `byte`.
  bool next_after_whitespace_is(int byte);

  // Hands the next `count` bytes to `take` block by block (pointer, length); returns how many
  // bytes there were, fewer than `count` only if the file ended first. Nothing past them is read.
  template <class Take>
  std::uint64_t read_bytes(std::uint64_t count, Take take) {
    std::uint64_t done = 0;
    while (done < count && (next_ != end_ || refill())) {
      const auto block = std::min<std::uint64_t>(count - done, end_ - next_);
      take(next_, static_cast<std::size_t>(block));
      next_ += block;
      done += block;
    }
    return done;
  }

  // Reads the next `count` bytes into `destination`, straight from the file once the buffer is
  // spent; returns how many there were, fewer only if the file ended first. Nothing past them is
  // read.
  std::uint64_t read_into(char* destination, std::uint64_t count);

  // The bytes not read yet, as far as the file's size at opening tells.
  std::uint64_t bytes_left() const;

 private:
  // Reads up to and including the next newline, or to the end of the file, handing each piece of
  // the line before the newline to `take` (first, last).
  template <class Take>
  LineEnd pass_line(Take take) {
    if (next_ == end_ && !refill()) return LineEnd::no_line;
    do {
      const auto* newline = static_cast<const char*>(
          std::memchr(next_, '\n', static_cast<std::size_t>(end_ - next_)));
      take(next_, newline != nullptr ? newline : end_);
      if (newline != nullptr) {
        next_ = newline + 1;
        ++line_;
        return LineEnd::newline;
      }
      next_ = end_;
    } while (refill());
    return LineEnd::end_of_file;
  }

  // Reads the next block; false at the end of the file. Refuses a file that cannot be read.
  bool refill();
  // Makes at least `count` bytes available in the buffer, unless the file ends first.
  void ensure_available(std::size_t count);
  // One read(2) of at most `most` bytes into `into`, again if a signal cuts it short; notes the
  // end of the file. Refuses a file that cannot be read.
  std::size_t read_from_file(char* into, std::size_t most);
  // Reads past whitespace, counting lines, straight from the buffer.
  void skip_whitespace();
  // The quick road of read_numbers(): reads numbers into `values` while each stands whole in the
  // buffer, unsigned and of one to four digits, so within an int; returns how many, stopping
  // before a number it leaves to read_number().
  std::size_t read_short_numbers(std::span<int> values);

  std::string shown_path_;
  int descriptor_ = -1;
  std::uint64_t size_ = 0;
  std::uint64_t consumed_ = 0;  // bytes of the file before the buffer's first byte
  std::vector<char> buffer_;
  const char* next_ = nullptr;
  const char* end_ = nullptr;
  bool at_end_ = false;
  std::int64_t line_ = 1;
};

}  // namespace quadrivant

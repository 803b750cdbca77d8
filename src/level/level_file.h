// A level file open for reading byte by byte, and the pieces every level file format shares:
// lines skipped whole, decimal numbers after whitespace, text lines, the rest of the file.
// Every read stops at the end of the file, so no file makes a reader wait for a byte that never
// comes.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Throws LoadError on standard output with the message "(;^_^) Oopsie! " + `text`; `text`
// ends in "\n".
[[noreturn]] void refuse_level_file(const std::string& text);

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

class LevelFile {
 public:
  // Opens `path` with the std::fopen `mode` ("r" for text files, "rb" for images). Throws
  // LoadError on standard error with "(;^_^) Oopsie! Unable to open file -> <path>\n" if the
  // file cannot be opened.
  LevelFile(const std::string& path, const char* mode);
  ~LevelFile();
  LevelFile(const LevelFile&) = delete;
  LevelFile& operator=(const LevelFile&) = delete;

  const std::string& path() const { return path_; }

  // The number of the line, from 1, that the next byte belongs to.
  int line() const { return line_; }

  // The next byte as 0..255, or EOF at the end of the file.
  int get();

  // Steps back by the one byte just returned by get(); EOF is not stepped back over.
  void unget(int byte);

  // Reads bytes up to and including the next newline, or to the end of the file.
  LineEnd skip_line();

  // Reads one line into `text`, without its newline; `text` is empty for LineEnd::no_line.
  LineEnd read_line(std::string& text);

  // Skips whitespace, then reads an optional sign and decimal digits into `value`, the way
  // scanf's "%d" does; the byte after the digits is left unread. `value` is set only for
  // NumberRead::number.
  NumberRead read_number(int& value);

  // Every byte from the read position to the end of the file.
  std::vector<unsigned char> read_rest();

 private:
  std::string path_;
  std::FILE* file_;
  int line_ = 1;
};

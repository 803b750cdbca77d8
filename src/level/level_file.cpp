#include "level/level_file.h"

#include <array>
#include <charconv>
#include <system_error>

#include "level/load_error.h"

namespace {

// The whitespace that scanf skips before a number, in the "C" locale the game runs in.
bool is_whitespace(int byte) {
  return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
         byte == '\r';
}

bool is_digit(int byte) {
  return byte >= '0' && byte <= '9';
}

}  // namespace

void refuse_level_file(const std::string& text) {
  throw LoadError("(;^_^) Oopsie! " + text, MessageStream::standard_output);
}

LevelFile::LevelFile(const std::string& path, const char* mode)
    : path_(path), file_(std::fopen(path.c_str(), mode)) {
  if (file_ == nullptr) {
    throw LoadError("(;^_^) Oopsie! Unable to open file -> " + path + "\n",
                    MessageStream::standard_error);
  }
}

LevelFile::~LevelFile() {
  std::fclose(file_);
}

int LevelFile::get() {
  const int byte = std::getc(file_);
  if (byte == '\n') ++line_;
  return byte;
}

void LevelFile::unget(int byte) {
  if (byte == EOF) return;
  std::ungetc(byte, file_);
  if (byte == '\n') --line_;
}

LineEnd LevelFile::skip_line() {
  int byte = get();
  if (byte == EOF) return LineEnd::no_line;
  while (byte != '\n' && byte != EOF) byte = get();
  return byte == '\n' ? LineEnd::newline : LineEnd::end_of_file;
}

LineEnd LevelFile::read_line(std::string& text) {
  text.clear();
  int byte = get();
  if (byte == EOF) return LineEnd::no_line;
  for (; byte != '\n' && byte != EOF; byte = get()) text.push_back(static_cast<char>(byte));
  return byte == '\n' ? LineEnd::newline : LineEnd::end_of_file;
}

NumberRead LevelFile::read_number(int& value) {
  int byte = get();
  while (is_whitespace(byte)) byte = get();
  if (byte == EOF) return NumberRead::end_of_file;

  std::string digits;
  if (byte == '-' || byte == '+') {
    if (byte == '-') digits.push_back('-');
    byte = get();
  }
  const std::size_t sign_length = digits.size();
  for (; is_digit(byte); byte = get()) digits.push_back(static_cast<char>(byte));
  unget(byte);
  if (digits.size() == sign_length) return NumberRead::not_a_number;

  int read = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), read);
  if (error != std::errc()) return NumberRead::not_a_number;  // beyond the range of an int
  value = read;
  return NumberRead::number;
}

std::vector<unsigned char> LevelFile::read_rest() {
  std::vector<unsigned char> bytes;
  std::array<unsigned char, 1 << 16> chunk;
  for (std::size_t count; (count = std::fread(chunk.data(), 1, chunk.size(), file_)) > 0;) {
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count));
  }
  return bytes;
}

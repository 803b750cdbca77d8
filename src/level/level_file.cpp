#include "level/level_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>

#include "base/failure.h"
#include "base/text.h"

namespace quadrivant {

namespace {

// One block of the file in memory at a time.
constexpr std::size_t block_size = std::size_t{1} << 18;

// A file smaller than a block gets a buffer of its own size, at least this large, so a world of
// small files neither fills nor touches a whole block per file, which was a good part of the
// game's time to its title page.
constexpr std::size_t smallest_buffer = std::size_t{1} << 12;

std::size_t buffer_size_for(std::uint64_t file_size) {
  return static_cast<std::size_t>(
      std::clamp<std::uint64_t>(file_size, smallest_buffer, block_size));
}

// A number is parsed from the buffer in one piece when this many bytes are at hand: more than
// any int needs, so only numbers padded with many zeros take the slow road.
constexpr std::size_t number_window = 64;

// The whitespace that scanf skips before a number, in the "C" locale the game runs in.
constexpr bool is_whitespace(int byte) {
  return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
         byte == '\r';
}

constexpr bool is_digit(int byte) {
  return byte >= '0' && byte <= '9';
}

// Whitespace as read_short_numbers() sees it, one look-up a byte: 0 for other bytes, 1 for
// whitespace, 2 for a newline.
constexpr std::array<unsigned char, 256> whitespace_kinds = [] {
  std::array<unsigned char, 256> kinds{};
  for (int byte = 0; byte < 256; ++byte) {
    if (is_whitespace(byte)) kinds[static_cast<std::size_t>(byte)] = byte == '\n' ? 2 : 1;
  }
  return kinds;
}();

unsigned whitespace_kind(char byte) {
  return whitespace_kinds[static_cast<unsigned char>(byte)];
}

// Eight bytes as one word, the first byte lowest, whatever the machine's byte order.
std::uint64_t eight_bytes(const char* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, sizeof word);
  if constexpr (std::endian::native == std::endian::big) {
    std::uint64_t reversed = 0;
    for (int i = 0; i < 8; ++i, word >>= 8) reversed = reversed << 8 | (word & 0xff);
    word = reversed;
  }
  return word;
}

constexpr std::uint64_t every_byte(std::uint8_t byte) {
  return 0x0101010101010101ULL * byte;
}

// How many of the eight bytes of `word` (first byte lowest) are decimal digits before the first
// that is not; 8 if all are.
int leading_digits(std::uint64_t word) {
  // A byte is a digit when its high half is 3 and stays 3 with 6 added; a carry out of a byte
  // only comes from a byte that is no digit, and only falsifies the bytes after it.
  const std::uint64_t high_halves = every_byte(0xf0);
  const std::uint64_t not_digits = ((word & high_halves) ^ every_byte(0x30)) |
                                   (((word + every_byte(0x06)) & high_halves) ^ every_byte(0x30));
  return std::countr_zero(not_digits) / 8;
}

// The most digits the quick road reads: every sample of an 8-bit image has fewer.
constexpr int most_quick_digits = 4;

// The value of the first `count` (1 to 4) bytes of `word`, which are decimal digits, the first
// byte lowest: pairs of digits are combined in place, then the two pairs.
int digits_value(std::uint64_t word, int count) {
  // The digits moved to the top of four bytes, so the bytes below them are leading zeros.
  std::uint32_t value = (static_cast<std::uint32_t>(word) & 0x0f0f0f0fU) << (8 * (4 - count));
  value = (value * 10 + (value >> 8)) & 0x00ff00ffU;
  value = (value * 100 + (value >> 16)) & 0xffffU;
  return static_cast<int>(value);
}

const char* end_of_digits(const char* from, const char* end) {
  while (from != end && is_digit(*from)) ++from;
  return from;
}

// Beyond the magnitude of every int: a number that reaches it is out of range however it goes on.
constexpr long long past_every_int = 1LL << 32;

[[noreturn]] void refuse_opening(const std::string& text) {
  throw Failure(oopsie(text), Stream::standard_error);
}

// What a file that is not a regular file is, for the message that refuses it.
const char* kind_of(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

[[noreturn]] void refuse_kind(const std::string& shown, mode_t mode) {
  refuse_opening("Only regular files are read: " + shown + " is " + kind_of(mode) + "!\n");
}

std::string path_to_open(std::string_view path, const std::string& directory) {
  if (directory.empty() || path.starts_with('/')) return std::string(path);
  return directory + "/" + std::string(path);
}

// Opens a regular file only. The kind is looked at before opening, so a FIFO is never opened
// (which would wait for a writer), and again after, in case the path changed in between.
int open_regular_file(const std::string& path, const std::string& shown) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    refuse_opening("Unable to open file -> " + shown + "\n");
  }
  if (!S_ISREG(status.st_mode)) refuse_kind(shown, status.st_mode);
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) refuse_opening("Unable to open file -> " + shown + "\n");
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    refuse_kind(shown, status.st_mode);
  }
  return descriptor;
}

}  // namespace

void refuse_level_file(const std::string& text, std::int64_t line, std::string hint) {
  throw LevelFileRefusal(oopsie(text), line, std::move(hint));
}

void report(std::FILE* out, std::string_view text) {
  if (out != nullptr) std::fwrite(text.data(), 1, text.size(), out);
}

void LevelFile::report_loading(std::FILE* out, std::string_view end) const {
  report(out, "Loading " + shown_path_ + std::string(end));
}

LevelFile::LevelFile(const WorldFile& file) : shown_path_(printable(file.path)) {
  descriptor_ = open_regular_file(path_to_open(file.path, file.directory), shown_path_);
  struct stat status {};
  if (::fstat(descriptor_, &status) == 0) size_ = static_cast<std::uint64_t>(status.st_size);
  buffer_.resize(buffer_size_for(size_));
  next_ = end_ = buffer_.data();
}

LevelFile::~LevelFile() {
  ::close(descriptor_);
}

bool LevelFile::refill() {
  if (at_end_) return false;
  consumed_ += static_cast<std::uint64_t>(end_ - buffer_.data());
  next_ = end_ = buffer_.data();
  ensure_available(1);
  return next_ != end_;
}

void LevelFile::ensure_available(std::size_t count) {
  const auto available = static_cast<std::size_t>(end_ - next_);
  if (available >= count || at_end_) return;
  // The unread bytes move to the front of the buffer, and the file fills the rest.
  consumed_ += static_cast<std::uint64_t>(next_ - buffer_.data());
  std::memmove(buffer_.data(), next_, available);
  next_ = buffer_.data();
  end_ = next_ + available;
  char* const buffer_end = buffer_.data() + buffer_.size();
  while (static_cast<std::size_t>(end_ - next_) < count && !at_end_) {
    end_ += read_from_file(const_cast<char*>(end_), static_cast<std::size_t>(buffer_end - end_));
  }
}

std::size_t LevelFile::read_from_file(char* into, std::size_t most) {
  for (;;) {
    const ssize_t got = ::read(descriptor_, into, most);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) refuse_level_file("The file " + shown_path_ + " cannot be read!\n");
    if (got == 0) at_end_ = true;
    return static_cast<std::size_t>(got);
  }
}

std::uint64_t LevelFile::read_into(char* destination, std::uint64_t count) {
  const auto buffered = std::min<std::uint64_t>(count, static_cast<std::uint64_t>(end_ - next_));
  std::memcpy(destination, next_, static_cast<std::size_t>(buffered));
  next_ += buffered;
  std::uint64_t done = buffered;
  while (done < count && !at_end_) {
    const std::size_t got =
        read_from_file(destination + done, static_cast<std::size_t>(count - done));
    done += got;
    consumed_ += got;
  }
  return done;
}

std::uint64_t LevelFile::bytes_left() const {
  const std::uint64_t position = consumed_ + static_cast<std::uint64_t>(next_ - buffer_.data());
  return size_ > position ? size_ - position : 0;
}

LineEnd LevelFile::skip_line() {
  return pass_line([](const char*, const char*) {});
}

LineEnd LevelFile::read_line(std::string& text, std::size_t most) {
  text.clear();
  return append_line(text, most);
}

LineEnd LevelFile::append_line(std::string& text, std::size_t most) {
  std::size_t room = most;
  return pass_line([&text, &room](const char* from, const char* to) {
    const auto kept = std::min(room, static_cast<std::size_t>(to - from));
    text.append(from, kept);
    room -= kept;
  });
}

void LevelFile::skip_whitespace() {
  do {
    for (; next_ != end_ && is_whitespace(static_cast<unsigned char>(*next_)); ++next_) {
      if (*next_ == '\n') ++line_;
    }
  } while (next_ == end_ && refill());
}

bool LevelFile::next_after_whitespace_is(int byte) {
  skip_whitespace();
  return next_ != end_ && static_cast<unsigned char>(*next_) == byte;
}

NumberRead LevelFile::read_number(int& value) {
  skip_whitespace();
  if (next_ == end_) return NumberRead::end_of_file;
  const bool negative = *next_ == '-';
  if (*next_ == '-' || *next_ == '+') ++next_;

  if (!at_end_ && static_cast<std::size_t>(end_ - next_) < number_window) {
    ensure_available(number_window);
  }
  // from_chars would take a second sign: "%d" does not.
  if (next_ == end_ || !is_digit(*next_)) return NumberRead::not_a_number;
  long long magnitude = 0;
  auto [stop, error] = std::from_chars(next_, end_, magnitude);
  bool too_large = error != std::errc();
  if (stop == end_ && !at_end_) {
    // A run of digits longer than the window (padded with zeros, or far too large): folded in
    // block by block, and never wider than it needs to be to tell it is too large.
    magnitude = 0;
    too_large = false;
    const char* run_end = stop;
    while (run_end != next_) {
      for (; next_ != run_end; ++next_) {
        magnitude = std::min(magnitude * 10 + (*next_ - '0'), past_every_int);
      }
      ensure_available(number_window);
      run_end = end_of_digits(next_, end_);
    }
  } else {
    next_ = stop;
  }
  const long long signed_value = negative ? -magnitude : magnitude;
  if (too_large || signed_value < std::numeric_limits<int>::min() ||
      signed_value > std::numeric_limits<int>::max()) {
    return NumberRead::not_a_number;  // beyond the range of an int
  }
  value = static_cast<int>(signed_value);
  return NumberRead::number;
}

NumberRead LevelFile::read_numbers(std::span<int> values, std::size_t& count) {
  count = 0;
  while (count < values.size()) {
    count += read_short_numbers(values.subspan(count));
    if (count == values.size()) break;
    // Near the end of the buffer, a long run of digits, or no number at all.
    const NumberRead read = read_number(values[count]);
    if (read != NumberRead::number) return read;
    ++count;
  }
  return NumberRead::number;
}

std::size_t LevelFile::read_short_numbers(std::span<int> values) {
  const char* next = next_;
  std::int64_t lines = 0;
  std::size_t count = 0;
  for (; count < values.size(); ++count) {
    for (unsigned kind; next != end_ && (kind = whitespace_kind(*next)) != 0; ++next) {
      lines += kind >> 1;
    }
    // The number and the eight bytes looked at lie inside the window.
    if (end_ - next < static_cast<std::ptrdiff_t>(number_window)) break;
    const std::uint64_t word = eight_bytes(next);
    const int length = leading_digits(word);
    // A sign, no digits or many: read_number() tells which, and how large.
    if (length == 0 || length > most_quick_digits) break;
    values[count] = digits_value(word, length);
    next += length;
  }
  next_ = next;
  line_ += lines;
  return count;
}

}  // namespace quadrivant

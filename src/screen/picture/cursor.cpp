#include "screen/picture/cursor.h"

#include <charconv>
#include <cstdio>

namespace quadrivant {

namespace {

// Builds one sequence in a small buffer: an escape, '[', numbers and their separators.
class Sequence {
 public:
  Sequence& text(std::string_view piece) {
    for (const char c : piece) *end_++ = c;
    return *this;
  }
  Sequence& number(int value) {
    end_ = std::to_chars(end_, buffer_ + sizeof buffer_, value).ptr;
    return *this;
  }
  void write_to(Console& console) const {
    std::fwrite(buffer_, 1, static_cast<std::size_t>(end_ - buffer_), console.out);
  }

 private:
  char buffer_[48];
  char* end_ = buffer_;
};

}  // namespace

void move_cursor(Console& console, int row, int column) {
  Sequence().text("\x1b[").number(row).text(";").number(column).text("H").write_to(console);
}

void set_colours(Console& console, int background, int foreground) {
  Sequence()
      .text("\x1b[48;5;")
      .number(background)
      .text("m\x1b[38;5;")
      .number(foreground)
      .text("m")
      .write_to(console);
}

void set_foreground(Console& console, int foreground) {
  Sequence().text("\x1b[38;5;").number(foreground).text("m").write_to(console);
}

void set_background(Console& console, int background) {
  Sequence().text("\x1b[48;5;").number(background).text("m").write_to(console);
}

void clear_screen(Console& console) {
  write_text(console, "\x1b[2J");
}

void write_text(Console& console, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), console.out);
}

void write_repeated(Console& console, char c, int count) {
  for (int i = 0; i < count; ++i) std::fputc(c, console.out);
}

}  // namespace quadrivant

#include "rules/panel_text.h"

#include <algorithm>
#include <numeric>

#include "base/utf8.h"

namespace quadrivant {

namespace {

constexpr auto row_width = static_cast<std::size_t>(panel_text_columns);

// The word around position `at` of `line`, for the message.
std::string_view word_at(std::string_view line, std::size_t at) {
  const std::size_t first = line.find_last_of(' ', at);
  const std::size_t start = first == std::string_view::npos ? 0 : first + 1;
  const std::size_t end = std::min(line.find(' ', at), line.size());
  return line.substr(start, end - start);
}

// The first word of `line` that the panel splits: a wrap (every row_width characters) between two
// characters that are not blanks; "" if no wrap does.
std::string_view split_word_of_line(std::string_view line) {
  std::size_t characters = 0;
  bool previous_blank = true;
  for (std::size_t at = 0; at < line.size();) {
    const Utf8Piece piece = decode_utf8(line.substr(at));
    const bool blank = piece.character == ' ';
    if (characters > 0 && characters % row_width == 0 && !previous_blank && !blank) {
      return word_at(line, at);
    }
    previous_blank = blank;
    ++characters;
    at += piece.length;
  }
  return {};
}

// The first word that a line longer than the panel splits where the panel wraps it, or "".
std::string_view split_word(std::string_view text) {
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t tab = std::min(text.find('\t', start), text.size());
    const std::string_view word = split_word_of_line(text.substr(start, tab - start));
    if (!word.empty()) return word;
    start = tab + 1;
  }
  return {};
}

}  // namespace

std::vector<std::string> lay_out_panel_text(std::string_view text) {
  std::vector<std::string> rows(1);
  std::size_t row_characters = 0;
  // A line break asked for on the last row ends the text: there is no row left to show it on.
  while (!text.empty()) {
    const Utf8Piece piece = decode_utf8(text);
    const std::string_view character = text.substr(0, piece.length);
    text.remove_prefix(piece.length);
    if (piece.character != '\t') {
      rows.back() += character;
      if (++row_characters < row_width) continue;
    }
    if (rows.size() == static_cast<std::size_t>(panel_text_rows)) break;
    rows.emplace_back();
    row_characters = 0;
  }
  return rows;
}

std::string panel_text_fault(std::string_view text) {
  const std::vector<std::string> rows = lay_out_panel_text(text);
  const std::size_t shown = std::accumulate(
      rows.begin(), rows.end(), std::size_t{0},
      [](std::size_t sum, const std::string& row) { return sum + count_characters(row); });
  const std::size_t characters =
      count_characters(text) - static_cast<std::size_t>(std::count(text.begin(), text.end(), '\t'));
  if (shown < characters) {
    return "is cut after the panel's " + std::to_string(panel_text_rows) + " lines of " +
           std::to_string(panel_text_columns) + " characters";
  }
  const std::string_view word = split_word(text);
  if (!word.empty()) {
    return "splits the word \"" + std::string(word) +
           "\" where the panel wraps a line longer than " + std::to_string(panel_text_columns) +
           " characters";
  }
  return "";
}

}  // namespace quadrivant

#include "rules/panel_text.h"

#include <algorithm>
#include <numeric>

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

// The first word that a line longer than the panel splits where the panel wraps it, or "".
std::string_view split_word(std::string_view text) {
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t tab = std::min(text.find('\t', start), text.size());
    const std::string_view line = text.substr(start, tab - start);
    for (std::size_t wrap = row_width; wrap < line.size(); wrap += row_width) {
      if (line[wrap - 1] != ' ' && line[wrap] != ' ') return word_at(line, wrap);
    }
    start = tab + 1;
  }
  return {};
}

}  // namespace

std::vector<std::string> lay_out_panel_text(std::string_view text) {
  std::vector<std::string> rows(1);
  // A line break asked for on the last row ends the text: there is no row left to show it on.
  for (const char c : text) {
    if (c != '\t') {
      rows.back() += c;
      if (rows.back().size() < row_width) continue;
    }
    if (rows.size() == static_cast<std::size_t>(panel_text_rows)) break;
    rows.emplace_back();
  }
  return rows;
}

std::string panel_text_fault(std::string_view text) {
  const std::vector<std::string> rows = lay_out_panel_text(text);
  const std::size_t shown =
      std::accumulate(rows.begin(), rows.end(), std::size_t{0},
                      [](std::size_t sum, const std::string& row) { return sum + row.size(); });
  const auto characters = static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return c != '\t'; }));
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

// Reading command lines in 11-character pieces, splitting them into words, and judging numbers.
#include "game/input.h"

#include <gtest/gtest.h>

#include "support/fake_console.h"

namespace {

TEST(GetInput, ReadsLinesWithoutTheirNewlineInPiecesOfElevenCharacters) {
  const std::string x11(11, 'x');
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"r 5\nquit\n\n", {"r 5", "quit", ""}},
      {x11 + "\n", {x11, ""}},  // a full piece leaves its newline as a line
      {x11 + x11 + "y\n", {x11, x11, "y"}},
      {"ok", {"ok"}},  // the last line needs no newline
  };
  for (const auto& [input, lines] : cases) {
    FakeConsole fake(input);
    std::vector<std::string> read;
    std::string line;
    while (get_input(fake.console(), line)) read.push_back(line);
    EXPECT_EQ(read, lines) << input;
    EXPECT_EQ(line, "") << "the end of input leaves the line empty";
  }
}

TEST(MakeInputData, SplitsAtSingleBlanksIntoAtMostTwoWords) {
  const std::vector<std::tuple<std::string, int, std::string, std::string>> cases = {
      {"", 1, "", ""},          {"quit", 1, "quit", ""},  {"r 5", 2, "r", "5"},
      {" quit", 2, "", "quit"}, {"quit ", 2, "quit", ""}, {"r  5", 3, "", ""},
      {"r 5 ", 3, "", ""},      {"a b c", 3, "", ""},     {"up\t3", 1, "up\t3", ""},
  };
  for (const auto& [line, count, first, second] : cases) {
    InputData input;
    make_input_data(input, line);
    // Only the first token_count tokens count.
    EXPECT_EQ(std::tuple(input.token_count, input.token_count <= 2 ? input.tokens[0] : "",
                         input.token_count == 2 ? input.tokens[1] : ""),
              std::tuple(count, first, second))
        << '"' << line << '"';
  }
}

// Lines that are not numbers are refused as step counts by the game loop's tests.
TEST(Numbers, DigitStringsUpToElevenDigitsAreNumbersOfTheirExactValue) {
  for (const auto& [text, value] : std::vector<std::pair<const char*, long long>>{
           {"0", 0}, {"007", 7}, {"99999999999", 99999999999LL}, {"04294967303", 4294967303LL}})
    EXPECT_EQ(std::pair(str_is_int(text), str_to_int(text)), std::pair(1, value)) << text;
  EXPECT_EQ(str_is_int(""), 0);
}

}  // namespace

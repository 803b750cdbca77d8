// Reading command lines in 11-character pieces, splitting them into words, and judging numbers.
#include "game/input.h"

#include <gtest/gtest.h>

#include "support/fake_console.h"

namespace {

std::vector<std::string> read_all_lines(const std::string& input) {
  FakeConsole fake(input);
  std::vector<std::string> lines;
  for (std::string line; get_input(fake.console(), line);) lines.push_back(line);
  return lines;
}

TEST(GetInput, ReadsShortLinesWholeWithoutTheirNewline) {
  EXPECT_EQ(read_all_lines("r 5\nquit\n\n"), (std::vector<std::string>{"r 5", "quit", ""}));
}

TEST(GetInput, ElevenCharacterLineLeavesItsNewlineAsAnEmptyLine) {
  EXPECT_EQ(read_all_lines("abcdefghijk\n"), (std::vector<std::string>{"abcdefghijk", ""}));
}

TEST(GetInput, LongLineIsReadInPiecesOfElevenCharacters) {
  EXPECT_EQ(read_all_lines("abcdefghijklmno\n"), (std::vector<std::string>{"abcdefghijk", "lmno"}));
  EXPECT_EQ(read_all_lines(std::string(23, 'x') + "\n"),
            (std::vector<std::string>{std::string(11, 'x'), std::string(11, 'x'), "x"}));
}

TEST(GetInput, EndOfInputIsReportedAndLeavesTheLineEmpty) {
  FakeConsole fake("ok");
  std::string line;
  ASSERT_TRUE(get_input(fake.console(), line));
  EXPECT_EQ(line, "ok");
  EXPECT_FALSE(get_input(fake.console(), line));
  EXPECT_EQ(line, "");
  EXPECT_FALSE(get_input(fake.console(), line)) << "the end of input stays the end";
}

struct TokenCase {
  std::string line;
  int count;
  std::string first;
  std::string second;
};

TEST(MakeInputData, SplitsAtSingleBlanksIntoAtMostTwoWords) {
  const std::vector<TokenCase> cases = {
      {"", 1, "", ""},          {"quit", 1, "quit", ""},  {"r 5", 2, "r", "5"},
      {" quit", 2, "", "quit"}, {"quit ", 2, "quit", ""}, {"r  5", 3, "", ""},
      {"r 5 ", 3, "", ""},      {"a b c", 3, "", ""},     {"up\t3", 1, "up\t3", ""},
  };
  for (const TokenCase& c : cases) {
    InputData input;
    make_input_data(input, c.line);
    EXPECT_EQ(input.token_count, c.count) << '"' << c.line << '"';
    if (c.count <= 2) {
      EXPECT_EQ(input.tokens[0], c.first) << '"' << c.line << '"';
    }
    if (c.count == 2) {
      EXPECT_EQ(input.tokens[1], c.second) << '"' << c.line << '"';
    }
  }
}

TEST(TextUtilities, CompareIsExactAndCaseSensitive) {
  EXPECT_EQ(str_compare("quit", "quit"), 1);
  EXPECT_EQ(str_compare("Quit", "quit"), 0);
  EXPECT_EQ(str_compare("", ""), 1);
  EXPECT_EQ(str_compare("ok", "ok "), 0);
  EXPECT_EQ(stringlen("up 10"), 5);
  EXPECT_EQ(stringlen(""), 0);
}

TEST(TextUtilities, OnlyNonEmptyDigitStringsAreNumbers) {
  for (const char* text : {"", "-5", "+5", "5x", " 5", "5 ", "1.5"})
    EXPECT_EQ(str_is_int(text), 0) << '"' << text << '"';
  for (const char* text : {"0", "007", "30", "99999999999"})
    EXPECT_EQ(str_is_int(text), 1) << '"' << text << '"';
}

TEST(TextUtilities, ValueOfDigitsIsExactEvenBeyondTheRangeOfAnInt) {
  EXPECT_EQ(str_to_int("007"), 7);
  EXPECT_EQ(str_to_int("0"), 0);
  EXPECT_EQ(str_to_int("2147483647"), 2147483647LL);
  EXPECT_EQ(str_to_int("99999999999"), 99999999999LL);
  EXPECT_EQ(str_to_int("04294967303"), 4294967303LL) << "never wraps round to 7";
}

}  // namespace

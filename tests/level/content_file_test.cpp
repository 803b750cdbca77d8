// Reading map content files: the size header, the minimum size, and every row fault reported
// for the map row it stands in.
#include "level/content_file.h"

#include <gtest/gtest.h>

#include "level/load_test_support.h"

namespace {

// A content file in the usual layout: title line, size line, ignored line, then the rows.
std::string content_file(int width, int height, const std::vector<std::string>& rows) {
  std::string text =
      "Level title\n" + std::to_string(width) + " " + std::to_string(height) + "\nignored\n";
  for (const std::string& row : rows) text += row;
  return text;
}

// `height` rows of `width` characters, each with its newline; row y is filled with a letter
// of its own so that a row read from the wrong place shows.
std::vector<std::string> map_rows(int width, int height) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) rows.push_back(std::string(width, 'a' + y % 26) + "\n");
  return rows;
}

class ContentFile : public ::testing::Test {
 protected:
  // Loads a file written as `contents`; its report must be "Loading <path>  |  " + `report`.
  MapContent load(const std::string& contents, const std::string& report) {
    return read_written_file(directory_, "map.txt", contents, read_map_content_file,
                             loading_report() + report);
  }

  // Loads a file that must be refused; returns the message on standard output after checking
  // the reports that came before it: `reports` after the file's "Loading <path>  |  ".
  std::string refusal(const std::string& contents, const std::string& reports) {
    return on_standard_output(refusal_of_written_file(
        directory_, "map.txt", contents, read_map_content_file, loading_report() + reports));
  }

  std::string loading_report() const { return "Loading " + path_of_map() + "  |  "; }
  std::string path_of_map() const { return directory_.path_of("map.txt"); }

  ScratchDirectory directory_;
};

TEST_F(ContentFile, SmallestMapLoadsWithItsSizeReportedOnTheLoadingLine) {
  const std::vector<std::string> rows = map_rows(69, 23);
  const MapContent content = load(content_file(69, 23, rows), "Map dimensions: 69x23\n");
  EXPECT_EQ(content.width, 69);
  EXPECT_EQ(content.height, 23);
  ASSERT_EQ(content.rows.size(), 23u);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    EXPECT_EQ(content.rows[y] + "\n", rows[y]) << "row " << y;
  }
}

TEST_F(ContentFile, RowsHoldAnyByteButNewline) {
  std::vector<std::string> rows = map_rows(70, 23);
  rows[4] = "\t#\r \x01\xff~" + std::string(63, '.') + "\n";
  const MapContent content = load(content_file(70, 23, rows), "Map dimensions: 70x23\n");
  EXPECT_EQ(content.rows[4], "\t#\r \x01\xff~" + std::string(63, '.'));
}

TEST_F(ContentFile, LastRowMayEndAtTheEndOfTheFile) {
  std::vector<std::string> rows = map_rows(69, 23);
  rows.back().pop_back();
  const MapContent content = load(content_file(69, 23, rows), "Map dimensions: 69x23\n");
  EXPECT_EQ(content.rows.back(), rows.back());
}

TEST_F(ContentFile, LinesAfterTheLastRowAreIgnored) {
  std::vector<std::string> rows = map_rows(69, 23);
  rows.push_back("\n");
  rows.push_back("notes of the level author, of any length at all\n");
  rows.push_back(std::string(500, 'z'));
  const MapContent content = load(content_file(69, 23, rows), "Map dimensions: 69x23\n");
  EXPECT_EQ(content.rows.size(), 23u);
}

TEST_F(ContentFile, SizeMayStandOnTwoLinesWithTheLineAfterTheHeightIgnored) {
  const std::vector<std::string> rows = map_rows(80, 30);
  std::string text = "title\n  80\n\n30 remark\nignored line\n";
  for (const std::string& row : rows) text += row;
  const MapContent content = load(text, "Map dimensions: 80x30\n");
  EXPECT_EQ(content.width, 80);
  EXPECT_EQ(content.height, 30);
  EXPECT_EQ(content.rows.front(), std::string(80, 'a')) << "the first row follows the ignored line";
}

TEST_F(ContentFile, RefusesMapsSmallerThanTheViewportOnTheLoadingLine) {
  const std::string message = "(;^_^) Oopsie! Minimum map dimensions should be 69x23\n";
  EXPECT_EQ(refusal(content_file(68, 23, map_rows(68, 23)), ""), message);
  EXPECT_EQ(refusal(content_file(69, 22, map_rows(69, 22)), ""), message);
  EXPECT_EQ(refusal(content_file(-69, 23, {}), ""), message);
  EXPECT_EQ(refusal(content_file(0, 0, {}), ""), message) << "checked before any row is read";
}

// A faulty map row, written with its line ending as it stands in the file.
struct RowFault {
  std::string row;      // for a 69-wide map
  std::string message;  // after "(;^_^) Oopsie! ", with %i for the row number
};

std::string with_row_number(std::string message, int number) {
  return message.replace(message.find("%i"), 2, std::to_string(number));
}

TEST_F(ContentFile, EachRowFaultIsReportedForTheMapRowItStandsIn) {
  const std::vector<RowFault> faults = {
      {std::string(68, '.') + "\n", "A char is missing on line %i !\n"},
      {std::string(67, '.') + "\n", "Line %i has too few chars!\n"},
      {"\n", "Line %i has too few chars!\n"},
      {std::string(70, '.') + "\n", "Line %i has too many chars!\n"},
      {std::string(69, '.') + "\r\n", "Line %i has too many chars!\n"},
      {std::string(300, '.') + "\n", "Line %i has too many chars!\n"},
  };
  for (const RowFault& fault : faults) {
    for (const int number : {1, 12, 23}) {
      std::vector<std::string> rows = map_rows(69, 23);
      rows[number - 1] = fault.row;
      EXPECT_EQ(refusal(content_file(69, 23, rows), "Map dimensions: 69x23\n"),
                "(;^_^) Oopsie! " + with_row_number(fault.message, number))
          << "row " << number << ": " << fault.row.size() << " bytes";
    }
  }
}

TEST_F(ContentFile, RowFaultsAtTheEndOfTheFile) {
  const std::vector<RowFault> faults = {
      {std::string(70, '.'), "Line %i has a char too many!\n"},
      {std::string(71, '.'), "Line %i has too many chars!\n"},
      {std::string(68, '.'), "Line %i has too few chars!\n"},
      {std::string(1, '.'), "Line %i has too few chars!\n"},
  };
  for (const RowFault& fault : faults) {
    std::vector<std::string> rows = map_rows(69, 23);
    rows.back() = fault.row;
    EXPECT_EQ(refusal(content_file(69, 23, rows), "Map dimensions: 69x23\n"),
              "(;^_^) Oopsie! " + with_row_number(fault.message, 23))
        << fault.row.size() << " bytes";
  }
}

TEST_F(ContentFile, WindowsLineEndsAreReportedOnTheFirstRow) {
  std::vector<std::string> rows = map_rows(69, 23);
  for (std::string& row : rows) row.insert(row.size() - 1, "\r");
  EXPECT_EQ(refusal(content_file(69, 23, rows), "Map dimensions: 69x23\n"),
            "(;^_^) Oopsie! Line 1 has too many chars!\n");
}

TEST_F(ContentFile, OnlyTheFirstFaultyRowIsReported) {
  std::vector<std::string> rows = map_rows(69, 23);
  rows[2] = "\n";
  rows[1] = std::string(70, '.') + "\n";
  EXPECT_EQ(refusal(content_file(69, 23, rows), "Map dimensions: 69x23\n"),
            "(;^_^) Oopsie! Line 2 has too many chars!\n");
}

TEST_F(ContentFile, RefusesFilesWithFewerRowsThanTheHeight) {
  const std::string message = "(;^_^) Oopsie! A line is missing from the content file!\n";
  EXPECT_EQ(refusal(content_file(69, 23, map_rows(69, 22)), "Map dimensions: 69x23\n"), message);
  EXPECT_EQ(refusal(content_file(69, 23, {}), "Map dimensions: 69x23\n"), message);
  // A last row without its newline is complete, but the next one is still missing.
  std::vector<std::string> rows = map_rows(69, 5);
  rows.back().pop_back();
  EXPECT_EQ(refusal(content_file(69, 23, rows), "Map dimensions: 69x23\n"), message);
}

TEST_F(ContentFile, RefusesHugeSizesThatTheFileDoesNotHold) {
  // Nothing is reserved for the promised rows: the sanitizer build would fail on the attempt.
  EXPECT_EQ(
      refusal(content_file(69, 2147483647, map_rows(69, 23)), "Map dimensions: 69x2147483647\n"),
      "(;^_^) Oopsie! A line is missing from the content file!\n");
  EXPECT_EQ(
      refusal(content_file(2147483647, 23, map_rows(69, 23)), "Map dimensions: 2147483647x23\n"),
      "(;^_^) Oopsie! Line 1 has too few chars!\n");
}

TEST_F(ContentFile, RefusesHeadersThatEndTheFile) {
  const std::string message = "(;^_^) Oopsie! The header of the content file " + path_of_map() +
                              " ends before its map rows!\n";
  for (const std::string header :
       {"", "title without newline", "title\n", "title\n69", "title\n69 23", "title\n69 23\n",
        "title\n69 23\nignored line without newline"}) {
    EXPECT_EQ(refusal(header, ""), message) << '"' << header << '"';
  }
}

TEST_F(ContentFile, RefusesSizesThatAreNotNumbers) {
  EXPECT_EQ(
      refusal("title\nwide 23\nignored\n", ""),
      "(;^_^) Oopsie! The map width in the content file " + path_of_map() + " is not a number!\n");
  EXPECT_EQ(
      refusal("title\n69x23\nignored\n", ""),
      "(;^_^) Oopsie! The map height in the content file " + path_of_map() + " is not a number!\n");
  EXPECT_EQ(
      refusal("title\n69 2147483648\nignored\n", ""),
      "(;^_^) Oopsie! The map height in the content file " + path_of_map() + " is not a number!\n")
      << "beyond the range of an int";
}

TEST_F(ContentFile, FileThatCannotBeOpenedIsReportedOnStandardErrorBeforeAnyReport) {
  LoadOutput out;
  const LoadError error = load_error_of([&] { read_map_content_file(path_of_map(), out.file()); });
  EXPECT_EQ(on_standard_error(error),
            "(;^_^) Oopsie! Unable to open file -> " + path_of_map() + "\n");
  EXPECT_EQ(out.text(), "");
}

}  // namespace

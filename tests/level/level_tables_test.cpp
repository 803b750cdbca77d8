// Reading the level tables: room transitions, dialogues and obstructions, their shared header,
// text lines kept exactly as written, and every table that is refused.
#include "level/level_tables.h"

#include <gtest/gtest.h>

#include <functional>

#include "level/load_test_support.h"

// Found by argument-dependent lookup, so they stand beside RoomTransition; static keeps them to
// this file.
static bool operator==(const RoomTransition& a, const RoomTransition& b) {
  return a.level == b.level && a.x == b.x && a.y == b.y;
}

static void PrintTo(const RoomTransition& transition, std::ostream* out) {
  *out << "{level " << transition.level << ", x " << transition.x << ", y " << transition.y << "}";
}

namespace {

class LevelTables : public ::testing::Test {
 protected:
  // Reads a table written as `contents` with `read`; the report must be the one "Loading" line.
  template <class Table>
  Table load(Table (*read)(const std::string&, std::FILE*), const std::string& contents) {
    return read_written_file(directory_, "table.txt", contents, read, loading_report());
  }

  std::string loading_report() const { return "Loading " + directory_.path_of("table.txt") + "\n"; }

  ScratchDirectory directory_;
};

using Transitions = std::vector<RoomTransition>;
using Texts = std::vector<std::string>;

TEST_F(LevelTables, RoomTransitionsInTheUsualLayout) {
  EXPECT_EQ(load(read_room_transition_file,
                 "Room transitions of the cellar\n3\nlevel x y\n1 34 11\n0 100 5\n2 0 0\n"),
            (Transitions{{1, 34, 11}, {0, 100, 5}, {2, 0, 0}}));
}

TEST_F(LevelTables, RoomTransitionNumbersMayStandOnAnyLines) {
  EXPECT_EQ(load(read_room_transition_file,
                 "title\n\n\n  2 entries\nignored\n1\n34\n11 back to the hall\n\n\n\t0 5 6"),
            (Transitions{{1, 34, 11}, {0, 5, 6}}))
      << "blank lines before the count and between entries, an entry over three lines, a "
         "remark, and a last line without its newline";
}

TEST_F(LevelTables, RoomTransitionValuesAreStoredAsRead) {
  EXPECT_EQ(load(read_room_transition_file, "t\n1\n\n-1 +7 -2147483648\n"),
            (Transitions{{-1, 7, -2147483648}}));
}

TEST_F(LevelTables, DialoguesInTheUsualLayout) {
  const DialogueTable table = load(read_dialogue_file,
                                   "Problems\n2\n\nWhat is 6 x 7?\nRight, 42.\n42\n"
                                   "How many legs has a spider?\tCount them.\nEight!\n8\n");
  EXPECT_EQ(table.first_text,
            (Texts{"What is 6 x 7?", "How many legs has a spider?\tCount them."}));
  EXPECT_EQ(table.second_text, (Texts{"Right, 42.", "Eight!"}));
  EXPECT_EQ(table.number, (std::vector<int>{42, 8}));
  EXPECT_EQ(table.flag, (std::vector<int>{0, 0}));
}

TEST_F(LevelTables, DialogueNumberMayFollowBlankLinesAndCarryARemark) {
  const DialogueTable table =
      load(read_dialogue_file, "t\n2\n\nfirst\nsecond\n\n\n   3 problems needed\nnext\nafter\n0");
  EXPECT_EQ(table.first_text, (Texts{"first", "next"}));
  EXPECT_EQ(table.second_text, (Texts{"second", "after"}));
  EXPECT_EQ(table.number, (std::vector<int>{3, 0})) << "the last number ends the file";
}

TEST_F(LevelTables, EmptyTextLinesAreEmptyTextsAndShiftNothing) {
  const DialogueTable table = load(read_dialogue_file, "t\n2\n\n\n\n1\n\nsolved\n2\n");
  EXPECT_EQ(table.first_text, (Texts{"", ""}));
  EXPECT_EQ(table.second_text, (Texts{"", "solved"}));
  EXPECT_EQ(table.number, (std::vector<int>{1, 2}));
  EXPECT_EQ(load(read_obstruction_file, "t\n3\n\nfirst\n\nthird\n").text,
            (Texts{"first", "", "third"}));
}

TEST_F(LevelTables, ObstructionsInTheUsualLayout) {
  const ObstructionTable table = load(
      read_obstruction_file, "Obstructions\n2\n\nA locked gate.\tFind the key.\n  Rubble.  \n");
  EXPECT_EQ(table.text, (Texts{"A locked gate.\tFind the key.", "  Rubble.  "}));
  EXPECT_EQ(table.cleared, (std::vector<int>{0, 0}));
}

TEST_F(LevelTables, LastTextLineMayEndAtTheEndOfTheFile) {
  EXPECT_EQ(load(read_obstruction_file, "t\n2\n\nfirst\nlast words").text,
            (Texts{"first", "last words"}));
}

TEST_F(LevelTables, TextLinesKeepTheirCarriageReturns) {
  const DialogueTable table = load(read_dialogue_file, "t\r\n1\r\n\r\nquestion\r\nanswer\r\n5\r\n");
  EXPECT_EQ(table.first_text, (Texts{"question\r"}));
  EXPECT_EQ(table.second_text, (Texts{"answer\r"}));
  EXPECT_EQ(table.number, (std::vector<int>{5}));
  EXPECT_EQ(load(read_obstruction_file, "t\r\n1\r\n\r\nwall\r\n").text, (Texts{"wall\r"}));
}

TEST_F(LevelTables, TextLineOf708CharactersLoadsWhole) {
  const std::string longest(708, 'x');
  EXPECT_EQ(load(read_obstruction_file, "t\n2\n\n" + longest + "\nnext\n").text,
            (Texts{longest, "next"}));
  EXPECT_EQ(load(read_dialogue_file, "t\n1\n\n" + longest + "\n" + longest + "\n1\n").second_text,
            (Texts{longest}));
}

TEST_F(LevelTables, ZeroEntriesNeedTheWholeHeader) {
  EXPECT_TRUE(load(read_room_transition_file, "t\n0\n\n").empty());
  EXPECT_TRUE(load(read_dialogue_file, "t\n0\nignored").first_text.empty());
  EXPECT_TRUE(load(read_obstruction_file, "t\n0\n\n").text.empty());
}

TEST_F(LevelTables, OnlyTheCountedEntriesAreRead) {
  EXPECT_EQ(load(read_room_transition_file, "t\n1\n\n1 2 3\n4 5 6\n"), (Transitions{{1, 2, 3}}));
  EXPECT_EQ(load(read_dialogue_file, "t\n1\n\nq\na\n1\nq2\na2\nnot a number\n").first_text,
            (Texts{"q"}));
  EXPECT_EQ(load(read_obstruction_file, "t\n1\n\nwall\n" + std::string(2000, 'x') + "\n").text,
            (Texts{"wall"}));
}

// The three readers, for the refusals they share.
struct TableReader {
  std::string name;
  std::function<void(const std::string&, std::FILE*)> read;
  std::string one_entry;  // one complete entry, with its newline
};

const std::vector<TableReader> table_readers = {
    {"room transitions", read_room_transition_file, "1 2 3\n"},
    {"dialogues", read_dialogue_file, "question\nanswer\n7\n"},
    {"obstructions", read_obstruction_file, "wall\n"},
};

class TableRefusals : public LevelTables {
 protected:
  // Reads `contents` with `read`, which must refuse it after the file's "Loading" line and
  // print nothing more; returns the message on standard output.
  template <class Read>
  std::string refusal(Read&& read, const std::string& contents) {
    return on_standard_output(
        refusal_of_written_file(directory_, "table.txt", contents, read, loading_report()));
  }

  // Reads `contents` with each of the three readers; each must refuse it with `message`.
  void expect_refusal_by_all(const std::string& contents, const std::string& message) {
    for (const TableReader& reader : table_readers) {
      EXPECT_EQ(refusal(reader.read, contents), message) << reader.name << ": " << contents;
    }
  }

  std::string path() const { return directory_.path_of("table.txt"); }
};

TEST_F(TableRefusals, HeaderLineMissing) {
  for (const std::string contents : {"", "title", "title\n", "title\n\n\n", "title\n1",
                                     "title\n1 entry", "title\n1\n", "title\n0\n"}) {
    expect_refusal_by_all(contents,
                          "(;^_^) Oopsie! A header line is missing from " + path() + "!\n");
  }
}

TEST_F(TableRefusals, CountThatIsNotANumberOfZeroOrMore) {
  for (const std::string count : {"none", "-1", "-2147483648", "2147483648", "x1", "- 1"}) {
    expect_refusal_by_all(
        "title\n" + count + "\n\n",
        "(;^_^) Oopsie! The entry count of " + path() + " is not a number of 0 or more!\n");
  }
}

TEST_F(TableRefusals, FewerEntriesThanTheCount) {
  for (const TableReader& reader : table_readers) {
    const std::string two_entries = reader.one_entry + reader.one_entry;
    for (const std::string count : {"3", "2147483647"}) {
      EXPECT_EQ(
          refusal(reader.read, "title\n" + count + "\n\n" + two_entries),
          "(;^_^) Oopsie! The file " + path() + " ends after 2 of its " + count + " entries!\n")
          << reader.name << ", count " << count;
    }
  }
}

TEST_F(TableRefusals, EntryCutShortByTheEndOfTheFile) {
  const std::string after_one =
      "(;^_^) Oopsie! The file " + path() + " ends after 1 of its 2 entries!\n";
  for (const std::string partial : {"4 5", "4 5\n\n"}) {
    EXPECT_EQ(refusal(read_room_transition_file, "t\n2\n\n1 2 3\n" + partial), after_one);
  }
  for (const std::string partial : {"question", "question\nanswer", "question\nanswer\n\n"}) {
    EXPECT_EQ(refusal(read_dialogue_file, "t\n2\n\nq\na\n1\n" + partial), after_one);
  }
}

TEST_F(TableRefusals, NumbersThatCannotBeRead) {
  const std::string on_line_6 =
      "(;^_^) Oopsie! The number on line 6 of " + path() + " cannot be read!\n";
  EXPECT_EQ(refusal(read_room_transition_file, "t\n2\n\n1 2 3\n\n4 five 6\n"), on_line_6);
  EXPECT_EQ(refusal(read_dialogue_file, "t\n1\n\nquestion\nanswer\n99999999999\n"), on_line_6)
      << "beyond the range of an int";
  EXPECT_EQ(refusal(read_dialogue_file, "t\n1\n\nquestion\nanswer over\ntwo lines\n3\n"),
            on_line_6);
}

TEST_F(TableRefusals, TextLinesLongerThan708Characters) {
  const std::string too_long(709, 'x');
  const std::string on_line_5 =
      "(;^_^) Oopsie! Line 5 of " + path() + " holds more than 708 characters!\n";
  EXPECT_EQ(refusal(read_obstruction_file, "t\n2\n\nwall\n" + too_long + "\n"), on_line_5);
  EXPECT_EQ(refusal(read_dialogue_file, "t\n1\n\nquestion\n" + too_long + std::string(5000, 'y')),
            on_line_5);
}

TEST_F(TableRefusals, FileThatCannotBeOpenedIsReportedOnStandardErrorBeforeAnyReport) {
  for (const TableReader& reader : table_readers) {
    const std::string path = directory_.path_of("missing.txt");
    LoadOutput out;
    const LoadError error = load_error_of([&] { reader.read(path, out.file()); });
    EXPECT_EQ(on_standard_error(error), "(;^_^) Oopsie! Unable to open file -> " + path + "\n")
        << reader.name;
    EXPECT_EQ(out.text(), "") << reader.name;
  }
}

}  // namespace

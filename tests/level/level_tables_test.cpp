// Reading the level tables: room transitions, dialogues and obstructions, their shared header,
// text lines kept exactly as written, and every table that is refused; and every reader's report
// of a file that cannot be opened.
#include "level/level_tables.h"

#include "level/content_file.h"
#include "level/image_layer.h"
#include "level/load_test_support.h"
#include "level/manifest.h"

namespace quadrivant {

namespace {

using LevelTables = LoadTest;
using Reader = std::function<void(const std::string&, std::FILE*)>;

TEST_F(LevelTables, AcceptedTablesKeepEveryEntryAsWritten) {
  // Only the counted entries are read.
  EXPECT_EQ(load(read_room_transition_file,
                 "Rooms\n3\nlevel x y\n1 34 11\n0 100 5\n2 0 -2147483648\n4 5 6\n"),
            (std::vector<RoomTransition>{{1, 34, 11}, {0, 100, 5}, {2, 0, -2147483648}}));
  // Blank lines before the count and between entries, an entry over three lines, a remark, signs,
  // and a last line without its newline.
  EXPECT_EQ(load(read_room_transition_file,
                 "title\n\n\n  2 entries\nignored\n1\n34\n11 back to the hall\n\n\n\t0 -5 +6"),
            (std::vector<RoomTransition>{{1, 34, 11}, {0, -5, 6}}));

  const std::string longest(708, 'x');
  std::string russian;  // the longest text in Russian: 708 characters of two bytes each
  for (int i = 0; i < 708; ++i) russian += "\u0416";
  const std::vector<std::pair<std::string, std::vector<Dialogue>>> cases = {
      // A number after blank lines, with a remark; the last one ends the file.
      {"Problems\n2\n\n6 x 7?\n42.\n\n\n   42 remark\nLegs?\tCount.\n8!\n8",
       {{"6 x 7?", "42.", 42}, {"Legs?\tCount.", "8!", 8}}},
      {"t\n2\n\n\n\n1\n\nsolved\n2\n", {{"", "", 1}, {"", "solved", 2}}},
      // Saved with Windows line endings: the carriage return goes with the newline, and only it.
      {"t\r\n1\r\n\r\nquestion\r\nanswer\r\r\n5\r\n", {{"question", "answer\r", 5}}},
      {"t\n1\n\n" + longest + "\n" + longest + "\r\n1\n", {{longest, longest, 1}}},
      {"t\n1\n\n" + russian + "\n" + russian + "\n1\n", {{russian, russian, 1}}},
  };
  for (const auto& [contents, table] : cases) {
    EXPECT_EQ(load(read_dialogue_file, contents), table) << contents.substr(0, 40);
  }

  using Obstructions = std::vector<Obstruction>;
  EXPECT_EQ(load(read_obstruction_file,
                 "Obstructions\n2\n\nA locked gate.\tFind the key.\n  Rubble.  \n"),
            (Obstructions{{"A locked gate.\tFind the key."}, {"  Rubble.  "}}));
  EXPECT_EQ(load(read_obstruction_file, "t\n2\n\nfirst\nlast words"),
            (Obstructions{{"first"}, {"last words"}}));
  EXPECT_EQ(load(read_obstruction_file, "t\n0\nignored"), Obstructions{});
}

// `count` box-drawing characters (U+2500), three bytes each.
std::string three_byte_characters(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "\u2500";
  return text;
}

TEST_F(LevelTables, RefusedTablesAreReportedAfterTheirLoadingLine) {
  const std::string after_one = refused("The file " + path() + " ends after 1 of its 2 entries!");
  const std::string unreadable = refused("The number on line 6 of " + path() + " cannot be read!");
  // Each reader with the refusals of its own.
  const std::vector<std::pair<Reader, Cases>> readers = {
      {read_room_transition_file,
       {{"t\n2\n\n1 2 3\n4 5", after_one}, {"t\n2\n\n1 2 3\n\n4 five 6\n", unreadable}}},
      {read_dialogue_file,
       {{"t\n2\n\nq\na\n1\nquestion", after_one},
        {"t\n2\n\nq\na\n1\nquestion\nanswer\n\n", after_one},
        {"t\n1\n\nquestion\nanswer over\ntwo lines\n3\n", unreadable}}},
      {read_obstruction_file,
       {{"t\n2\n\nwall\n", after_one},
        {"t\n2\n\nwall\n" + std::string(709, 'x') + "\n",
         refused("Line 5 of " + path() + " holds more than 708 characters!")},
        // 709 characters of three bytes: the limit counts characters, not bytes.
        {"t\n1\n\n" + three_byte_characters(709) + "\n",
         refused("Line 4 of " + path() + " holds more than 708 characters!")},
        // A line far too long is passed over past its 709th character, and refused the same.
        {"t\n1\n\n" + std::string(1 << 20, 'x'),
         refused("Line 4 of " + path() + " holds more than 708 characters!")}}},
  };
  const std::string header_missing = refused("A header line is missing from " + path() + "!");
  const std::string bad_count =
      refused("The entry count of " + path() + " is not a number of 0 or more!");
  for (auto [read, cases] : readers) {
    cases.insert(
        cases.end(),
        {{"title", header_missing},
         {"title\n0\n", header_missing},
         {"title\nnone\n\n", bad_count},
         {"title\n-1\n\n", bad_count},
         {"title\n3\n\n", refused("The file " + path() + " ends after 0 of its 3 entries!")},
         {"title\n2147483647\n\n",
          refused("The file " + path() + " ends after 0 of its 2147483647 entries!")}});
    expect_shown(read, cases, loading());
  }
}

TEST_F(LoadTest, FileThatCannotBeOpenedIsReportedOnStandardErrorBeforeAnyReport) {
  const std::vector<Reader> readers = {read_manifest_file,    read_image_layer,
                                       read_map_content_file, read_room_transition_file,
                                       read_dialogue_file,    read_obstruction_file};
  for (std::size_t r = 0; r < readers.size(); ++r) {
    EXPECT_EQ(shown([&](std::FILE* out) { readers[r](path(), out); }),
              "stderr: (;^_^) Oopsie! Unable to open file -> " + path() + "\n")
        << "reader " << r;
  }
}

}  // namespace

}  // namespace quadrivant

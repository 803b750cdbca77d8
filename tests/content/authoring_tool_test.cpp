// quadrivant_author: the committed game files are exactly what the tool makes of the committed
// sources, and the tool refuses sources that would make a broken or unfair adventure.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "panel_fit.h"
#include "shipped_game.h"
#include "support/run_program.h"

namespace fs = std::filesystem;

namespace {

struct AuthorRun {
  int exit_status = -1;
  std::string errors;
};

AuthorRun run_author(const std::string& source_dir, const std::string& output_dir) {
  const std::string log = make_temporary_directory() + "/errors";
  const std::string command = std::string(QUADRIVANT_AUTHOR) + " '" + source_dir + "' '" +
                              output_dir + "' > /dev/null 2> '" + log + "'";
  const int status = std::system(command.c_str());
  AuthorRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(log)};
  fs::remove_all(fs::path(log).parent_path());
  return run;
}

// The files below `root`, relative to it, leaving out the sources.
std::vector<std::string> generated_files(const std::string& root) {
  std::vector<std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    const std::string relative = fs::relative(entry.path(), root).string();
    if (entry.is_regular_file() && relative.rfind("source/", 0) != 0) files.push_back(relative);
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(AuthoringTool, RegeneratesExactlyTheCommittedGameFiles) {
  const std::string output = make_temporary_directory();
  const AuthorRun run = run_author(game_directory() + "/source", output);
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  const std::vector<std::string> written = generated_files(output);
  EXPECT_EQ(written, generated_files(game_directory()));
  for (const std::string& file : written) {
    EXPECT_TRUE(read_file(output + "/" + file) == read_file(game_directory() + "/" + file))
        << file << " differs from what quadrivant_author makes of game/source: regenerate it";
  }
  fs::remove_all(output);
}

// A copy of the shipped sources with one change, for the refusals below.
class BrokenSource : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_ = make_temporary_directory();
    fs::copy(game_directory() + "/source", scratch_ + "/source");
  }
  void TearDown() override { fs::remove_all(scratch_); }

  // Replaces the first `old_text` in source file `name`; the test fails if it is not there.
  void replace(const std::string& name, const std::string& old_text, const std::string& new_text) {
    const std::string path = scratch_ + "/source/" + name;
    std::string text = read_file(path);
    const std::size_t at = text.find(old_text);
    ASSERT_NE(at, std::string::npos) << old_text;
    write_file(path, text.replace(at, old_text.size(), new_text));
  }

  AuthorRun build() { return run_author(scratch_ + "/source", scratch_ + "/out"); }

  // Builds and expects the tool to refuse with a message that holds every one of `pieces`.
  void expect_refused(std::initializer_list<std::string> pieces) {
    const AuthorRun run = build();
    EXPECT_EQ(run.exit_status, 1);
    for (const std::string& piece : pieces) {
      EXPECT_NE(run.errors.find(piece), std::string::npos) << piece << "\n" << run.errors;
    }
  }

 private:
  std::string scratch_;
};

TEST_F(BrokenSource, UnchangedBuilds) {
  EXPECT_EQ(build().exit_status, 0);
}

TEST_F(BrokenSource, GroundThatReachesTheMapEdgeIsRefused) {
  replace("hub.level", "####..P....", ".....P.....");
  expect_refused({"level hub, cell (0, 13): reachable ground touches the map's edge"});
}

TEST_F(BrokenSource, AFinishOpenBeforeEveryProblemIsSolvedIsRefused) {
  replace("hub.level", "info K look i needs 18", "info K look i needs 17");
  expect_refused({"the finish can be walked into before every problem is solved"});
}

TEST_F(BrokenSource, ATextRowTooLongForThePanelIsRefusedWithItsLine) {
  replace("hub.level", "| How many letters are carved there in all?",
          "| How many letters are carved there in all, counting every one of them?");
  expect_refused({"hub.level:", "text row 7 has 69 characters"});
}

TEST_F(BrokenSource, AMapRowOfTheWrongWidthIsRefused) {
  replace("music.level", "##H.e......", "##H.e.....");
  expect_refused({"music.level:", "map row 14 has 87 characters, the first row 88"});
}

TEST_F(BrokenSource, ARouteThatSkipsAProblemIsRefused) {
  replace("route.txt", "touch geometry O\n", "");
  expect_refused({"route.txt:"});
}

TEST_F(BrokenSource, AnUnknownMapCharacterIsRefusedWithItsCell) {
  replace("arithmetic.level", "###.....~~~", "###..&..~~~");
  expect_refused({"arithmetic.level:", "cell (5, 15): '&' is neither in the legend nor a marker"});
}

TEST_F(BrokenSource, AGateWhoseKeyIsNoInformationMarkerIsRefused) {
  replace("music.level", "gate x look = key k", "gate x look = key F");
  expect_refused({"music.level:", "the key 'F' is not an information marker of this level"});
}

TEST_F(BrokenSource, AStartAnywhereButCell19And13IsRefused) {
  replace("hub.level", "..P............@..", "..P...........@...");
  expect_refused({"hub.level:", "the start must stand on cell (19, 13)"});
}

TEST(PanelFit, AcceptsRowsOfUpTo63CharactersOnUpToNineLines) {
  EXPECT_EQ(panel_fit_fault({std::string(63, 'a')}), "");
  EXPECT_EQ(panel_fit_fault(std::vector<std::string>(9, "word")), "");
  EXPECT_EQ(panel_fit_fault({"", "", "a row after two empty ones"}), "");
}

TEST(PanelFit, RefusesARowThePanelWouldSplit) {
  EXPECT_EQ(panel_fit_fault({"ok", std::string(64, 'a')}),
            "text row 2 has 64 characters; a panel line holds 63 (the panel would split it)");
}

TEST(PanelFit, RefusesAFullRowBeforeABreak) {
  // The full row already moves the panel to the next line; the break would leave it empty.
  EXPECT_EQ(panel_fit_fault({std::string(63, 'a'), "next"}),
            "text row 2 does not land on panel line 2 (a full row before a break leaves an empty "
            "line)");
}

TEST(PanelFit, RefusesATextLongerThanNineLines) {
  EXPECT_EQ(panel_fit_fault(std::vector<std::string>(10, "word")),
            "text row 10 is cut: a panel shows 9 lines");
  std::vector<std::string> ten_with_empty_last(9, "word");
  ten_with_empty_last.push_back("");
  EXPECT_EQ(panel_fit_fault(ten_with_empty_last), "text row 10 is cut: a panel shows 9 lines");
}

TEST(PanelFit, RefusesCharactersThatAreNotPrintableAscii) {
  EXPECT_EQ(panel_fit_fault({"a\ttab"}),
            "text row 1 holds a character that is not printable ASCII");
  EXPECT_EQ(panel_fit_fault({"ok", "caf\xc3\xa9"}),
            "text row 2 holds a character that is not printable ASCII");
}

TEST(PanelFit, JoinsRowsWithTabs) {
  EXPECT_EQ(join_panel_rows({"one", "", "three"}), "one\t\tthree");
}

}  // namespace

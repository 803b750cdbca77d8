// quadrivant-author as an author meets it: its command line, the starter world that `new` writes
// (it builds, passes the checker and is won by its walkthrough), and builds that stay inside their
// output directory, replace an earlier build whole or not at all, and never touch a file the tool
// did not write.
#include <filesystem>
#include <iterator>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "support/run_program.h"

namespace quadrivant {

namespace fs = std::filesystem;

namespace {

ProgramRun author(const std::vector<std::string>& arguments, const std::string& directory) {
  return run_program(QUADRIVANT_AUTHOR, arguments, directory, "", 120);
}

// Every file below `directory`, by path, with its bytes.
std::map<std::string, std::string> files_below(const std::string& directory) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(directory)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), directory).string()] = read_file(entry.path().string());
    }
  }
  return files;
}

std::string edited(std::string text, const std::string& old_text, const std::string& new_text) {
  const std::size_t at = text.find(old_text);
  EXPECT_NE(at, std::string::npos) << old_text;
  return at == std::string::npos ? text : text.replace(at, old_text.size(), new_text);
}

void edit(const std::string& file, const std::string& old_text, const std::string& new_text) {
  write_file(file, edited(read_file(file), old_text, new_text));
}

// A scratch directory holding the starter world's sources in world/source.
class StarterWorld : public ::testing::Test {
 protected:
  StarterWorld() : scratch_(make_temporary_directory()) {
    const ProgramRun made = author({"new", "world"}, scratch_);
    EXPECT_EQ(made.exit_status, 0) << made.standard_error;
  }
  ~StarterWorld() override { fs::remove_all(scratch_); }

  std::string source(const std::string& file = "") const {
    return scratch_ + "/world/source" + (file.empty() ? "" : "/" + file);
  }
  std::string world() const { return scratch_ + "/world"; }
  ProgramRun build(const std::string& output = "world") const {
    return author({"build", "world/source", output}, scratch_);
  }

  const std::string scratch_;
};

TEST(AuthorCommandLine, AnswersHelpAndVersionAndRefusesWrongCommands) {
  const ProgramRun help = author({"--help"}, ".");
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_TRUE(
      help.standard_output.starts_with("usage: quadrivant-author new DIR\n"
                                       "       quadrivant-author build SOURCE_DIR "
                                       "OUTPUT_DIR\n"));
  const ProgramRun version = author({"--version"}, ".");
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.standard_output, "quadrivant-author " QUADRIVANT_VERSION "\n");
  const std::vector<std::pair<std::vector<std::string>, std::string>> wrong = {
      {{}, "a command is missing"},
      {{"make", "a", "b"}, "unknown command make"},
      {{"new"}, "new takes one directory"},
      {{"build", "source"}, "build takes two directories"},
      {{"build", "a", "b", "c"}, "too many words"},
      {{"--fast"}, "unknown option --fast"},
  };
  for (const auto& [arguments, complaint] : wrong) {
    const ProgramRun run = author(arguments, ".");
    EXPECT_EQ(run.exit_status, 2) << complaint;
    EXPECT_TRUE(run.standard_error.starts_with("quadrivant-author: " + complaint +
                                               "\nusage: quadrivant-author new DIR\n"))
        << run.standard_error;
  }
}

TEST_F(StarterWorld, BuildsPassesTheCheckerAndIsWonByItsWalkthrough) {
  const ProgramRun built = build();
  ASSERT_EQ(built.exit_status, 0) << built.standard_error;
  EXPECT_EQ(built.standard_output,
            "level 0 hall          69 x 23: 1 door, 1 problem, 1 information entry, 1 gate\n"
            "level 1 garden        69 x 23: 1 door, 0 problems, 0 information entries, 0 gates\n"
            "1 problem, 1 information entry, 1 gate; walkthrough of 12 lines\n");
  const ProgramRun checked = run_program(QUADRIVANT_CHECK_PROGRAM, {"world"}, scratch_, "");
  EXPECT_EQ(checked.standard_output, "quadrivant-check: 0 errors, 0 warnings\n");
  const ProgramRun won = run_program(QUADRIVANT_TEST_PROGRAM, {"world"}, scratch_,
                                     read_file(world() + "/walkthrough.txt"));
  EXPECT_EQ(won.exit_status, 0) << won.standard_error;
  EXPECT_NE(won.standard_output.find("YOU BECAME THE QUADRIVANT"), std::string::npos);

  // A second `new` into the same place writes nothing over the author's sources.
  edit(source("route.txt"), "touch garden %", "touch garden %\n# mine");
  const std::map<std::string, std::string> before = files_below(world());
  const ProgramRun again = author({"new", "world"}, scratch_);
  EXPECT_EQ(again.exit_status, 1);
  EXPECT_EQ(again.standard_error,
            "quadrivant-author: world/source/world.txt: is already there, and quadrivant-author "
            "never replaces a file it did not write: name a new directory\n");
  EXPECT_EQ(files_below(world()), before);
}

TEST_F(StarterWorld, LevelNamesAreShortPlainNamesAndARefusedBuildWritesNothing) {
  ASSERT_EQ(build().exit_status, 0);
  const std::map<std::string, std::string> built = files_below(world());
  const std::string garden_80(80, 'g');
  const std::vector<std::pair<std::string, std::string>> names = {
      {"../../escaped",
       "world/source/world.txt:14: the level name '../../escaped' may hold only "
       "letters, digits, '-' and '_'"},
      {garden_80, "world/source/world.txt:14: the level name '" + garden_80 +
                      "' is longer than 74 characters, too long for the paths of its files"},
  };
  for (const auto& [name, complaint] : names) {
    const std::string original = read_file(source("world.txt"));
    edit(source("world.txt"), "level garden", "level " + name);
    const ProgramRun refused = build();
    EXPECT_EQ(refused.exit_status, 1);
    EXPECT_EQ(refused.standard_error, "quadrivant-author: " + complaint + "\n");
    write_file(source("world.txt"), original);
    // The last good build stays exactly as it was, and nothing lands beside it.
    EXPECT_EQ(files_below(world()), built) << name;
    EXPECT_FALSE(fs::exists(scratch_ + "/escaped"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch_), fs::directory_iterator()), 1);
  }
  // A name of 74 characters is the longest whose paths fit the manifest: it builds.
  const std::string garden_74(74, 'g');
  edit(source("world.txt"), "level garden", "level " + garden_74);
  edit(source("hall.level"), "to garden a", "to " + garden_74 + " a");
  edit(source("route.txt"), "touch garden %", "touch " + garden_74 + " %");
  fs::rename(source("garden.level"), source(garden_74 + ".level"));
  EXPECT_EQ(build().exit_status, 0);
}

TEST_F(StarterWorld, ABuildReplacesOnlyTheFilesOfTheLastBuild) {
  ASSERT_EQ(build().exit_status, 0);
  // The author's own files among the built ones.
  write_file(world() + "/notes.txt", "my notes\n");
  write_file(world() + "/levels/garden/sketch.txt", "a pond\n");

  // A refused build (a finish that needs no problem) leaves everything as it was.
  edit(source("hall.level"), "info K look i needs 1", "info K look i needs 0");
  const std::map<std::string, std::string> before = files_below(world());
  const ProgramRun refused = build();
  EXPECT_EQ(refused.exit_status, 1);
  EXPECT_EQ(
      refused.standard_error,
      "quadrivant-author: world/source/garden.level:18: cell (50, 11) '%': warning: the finish "
      "can be walked into with no problem solved: guard it with a gate whose information "
      "entry needs some\nquadrivant-author: 0 errors, 1 warning: nothing was written\n");
  EXPECT_EQ(files_below(world()), before);
  edit(source("hall.level"), "info K look i needs 0", "info K look i needs 1");

  // The garden renamed to park, and no route: the garden's files and the walkthrough go, the
  // author's files stay.
  edit(source("world.txt"), "level garden", "level park");
  edit(source("hall.level"), "to garden a", "to park a");
  fs::rename(source("garden.level"), source("park.level"));
  fs::remove(source("route.txt"));
  const ProgramRun renamed = build();
  ASSERT_EQ(renamed.exit_status, 0) << renamed.standard_error;
  EXPECT_TRUE(renamed.standard_output.ends_with("no route, so no walkthrough\n"));
  std::set<std::string> paths;
  for (const auto& [path, text] : files_below(world())) {
    if (!path.starts_with("source/")) paths.insert(path);
  }
  std::set<std::string> expected = {"manifest.txt", "notes.txt", "levels/garden/sketch.txt"};
  for (const char* level : {"hall", "park"}) {
    for (const char* file : {"fg.pgm", "bg.pgm", "codes.pgm", "content.txt", "transitions.txt",
                             "problems.txt", "infos.txt", "obstructions.txt"}) {
      expected.insert(std::string("levels/") + level + "/" + file);
    }
  }
  EXPECT_EQ(paths, expected);
  EXPECT_EQ(run_program(QUADRIVANT_CHECK_PROGRAM, {"world"}, scratch_, "").exit_status, 0);
}

TEST_F(StarterWorld, NeverReplacesAFileItDidNotWrite) {
  const std::string other = scratch_ + "/other";
  fs::create_directories(other + "/levels/hall");
  write_file(other + "/levels/hall/fg.pgm", "P2\n1 1\n255\n0\n");
  ProgramRun refused = build("other");
  EXPECT_EQ(refused.exit_status, 1);
  EXPECT_EQ(refused.standard_error,
            "quadrivant-author: other/levels/hall/fg.pgm: is in the way: quadrivant-author did "
            "not write it, and never replaces what it did not write\n");
  fs::remove_all(other + "/levels");
  write_file(other + "/manifest.txt", "A world written by hand\n1\n");
  refused = build("other");
  EXPECT_EQ(refused.standard_error,
            "quadrivant-author: other/manifest.txt: was not written by quadrivant-author, which "
            "replaces only a world of its own: build into a new or empty directory\n");
  EXPECT_EQ(files_below(other),
            (std::map<std::string, std::string>{{"manifest.txt", "A world written by hand\n1\n"}}));
}

// A route may leave problems unsolved, as a player may, but it must win the game.
TEST_F(StarterWorld, ARouteMustWinButMayLeaveProblemsUnsolved) {
  // A second problem in the hall that the route passes by.
  edit(source("hall.level"), "#.......o.....", "#.......o..Q..");
  write_file(source("hall.level"), read_file(source("hall.level")) +
                                       "\nproblem Q look ? answer 7\nask\n| Three and four?\n"
                                       "solved\n| Seven.\n");
  const ProgramRun built = build();
  ASSERT_EQ(built.exit_status, 0) << built.standard_error;
  EXPECT_TRUE(
      built.standard_output.ends_with("2 problems, 1 information entry, 1 gate; "
                                      "walkthrough of 12 lines\n"));
  edit(source("route.txt"), "touch garden %\n", "");
  const ProgramRun short_route = build();
  EXPECT_EQ(short_route.exit_status, 1);
  EXPECT_EQ(short_route.standard_error,
            "quadrivant-author: world/source/route.txt: the route ends before the finish\n");
}

}  // namespace

}  // namespace quadrivant

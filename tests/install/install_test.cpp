// The game as a packager and a player meet it: its command line, and an install that plays the
// shipped adventure from anywhere, without the source tree.
#include <sys/stat.h>

#include <filesystem>
#include <string_view>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

namespace fs = std::filesystem;

const std::string usage_line =
    "usage: quadrivant [--instant] [--start LEVEL:X,Y] [--solved N] [WORLD_DIR]\n";

// Runs a shell command line, with its output in `output`; returns its exit status.
int shell(const std::string& command, std::string* output = nullptr) {
  const ProgramRun run = run_program("/bin/sh", {"-c", command}, ".", "", 240);
  if (output != nullptr) *output = run.standard_output + run.standard_error;
  return run.exit_status;
}

TEST(CommandLine, HelpVersionAndUsageErrors) {
  const ProgramRun help = run_program(QUADRIVANT_PROGRAM, {"--help"}, ".", "");
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_TRUE(help.standard_output.starts_with(usage_line)) << help.standard_output;
  EXPECT_EQ(help.standard_error, "");

  const ProgramRun version = run_program(QUADRIVANT_PROGRAM, {"--version"}, ".", "");
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.standard_output, "quadrivant " QUADRIVANT_VERSION "\n");

  const std::vector<std::pair<std::vector<std::string>, std::string>> wrong = {
      {{"--fast"}, "quadrivant: unknown option --fast\n"},
      {{"-x", "world"}, "quadrivant: unknown option -x\n"},
      {{"one", "two"}, "quadrivant: one world directory at the most\n"},
  };
  for (const auto& [arguments, complaint] : wrong) {
    const ProgramRun run = run_program(QUADRIVANT_PROGRAM, arguments, ".", "quit\n");
    EXPECT_EQ(run.exit_status, 2) << complaint;
    EXPECT_EQ(run.standard_output, "") << "nothing is loaded or drawn";
    EXPECT_TRUE(run.standard_error.starts_with(complaint + usage_line)) << run.standard_error;
  }
}

TEST(CommandLine, PlaysTheNamedWorldAndRefusesWhatIsNone) {
  const std::string directory = make_temporary_directory();
  write_world(directory + "/my world", {walled_level()});
  write_file(directory + "/a file", "not a world\n");
  // Played from elsewhere: the reports name the manifest's paths as it writes them.
  const ProgramRun played =
      run_program(QUADRIVANT_TEST_PROGRAM, {directory + "/my world"}, "/", "quit\n");
  EXPECT_EQ(played.exit_status, 0);
  EXPECT_TRUE(played.standard_output.starts_with("Loading " + directory +
                                                 "/my world/manifest.txt\nLoading level0/fg.pgm\n"))
      << played.standard_output.substr(0, 200);
  EXPECT_TRUE(played.standard_output.ends_with("\x1b[26;1H\x1b[0m\n"));

  fs::create_directories(directory + "/folder/manifest.txt");
  fs::create_directory(directory + "/pipe");
  ASSERT_EQ(mkfifo((directory + "/pipe/manifest.txt").c_str(), 0600), 0);
  const std::string too_long = directory + "/" + std::string(5000, 'w');
  const std::vector<std::pair<std::string, std::string>> refused = {
      {directory + "/nowhere", "There is no world directory " + directory + "/nowhere!"},
      {directory, "The directory " + directory + " holds no manifest.txt!"},
      {directory + "/a file",
       directory + "/a file is not a directory: name the directory of a world!"},
      {too_long, "The world directory " + too_long + " cannot be used: File name too long!"},
      {directory + "/folder",
       "Only regular files are read: " + directory + "/folder/manifest.txt is a directory!"},
      {directory + "/pipe",
       "Only regular files are read: " + directory + "/pipe/manifest.txt is a FIFO!"},
  };
  for (const auto& [world, message] : refused) {
    const ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, {world}, "/", "quit\n");
    EXPECT_EQ(run.exit_status, 1) << world;
    EXPECT_EQ(run.standard_error, "(;^_^) Oopsie! " + message + "\n");
    EXPECT_EQ(run.standard_output, "");
  }
  fs::remove_all(directory);
}

// The test build's prefix must be a folder of its own inside the build (`make test` and a fresh
// test build make it so): the install tests write and remove it, and must never touch a prefix
// the system uses.
bool prefix_is_the_builds_own() {
  const std::string build = QUADRIVANT_BINARY_DIR "/";
  return std::string_view(QUADRIVANT_INSTALL_PREFIX).starts_with(build);
}

#define SKIP_UNLESS_PREFIX_IS_THE_BUILDS_OWN()                    \
  if (!prefix_is_the_builds_own())                                \
  GTEST_SKIP() << "the install prefix " QUADRIVANT_INSTALL_PREFIX \
                  " lies outside the build "                      \
                  "folder; configure the test build with -DCMAKE_INSTALL_PREFIX inside it"

TEST(Install, PlaysTheInstalledAdventureFromAnEmptyDirectory) {
  SKIP_UNLESS_PREFIX_IS_THE_BUILDS_OWN();
  const std::string prefix = QUADRIVANT_INSTALL_PREFIX;
  fs::remove_all(prefix);
  std::string said;
  ASSERT_EQ(shell("cmake --install '" QUADRIVANT_BINARY_DIR "'", &said), 0) << said;
  const std::string world = prefix + "/share/quadrivant";
  for (const char* file :
       {"/bin/quadrivant", "/bin/quadrivant-check", "/share/quadrivant/manifest.txt",
        "/share/quadrivant/walkthrough.txt", "/share/quadrivant/levels/hub/codes.pgm",
        "/share/doc/quadrivant/levels.md", "/share/man/man6/quadrivant.6"}) {
    EXPECT_TRUE(fs::is_regular_file(prefix + file)) << file;
  }

  const std::string empty = make_temporary_directory();
  const ProgramRun game = run_program(prefix + "/bin/quadrivant", {}, empty, "quit\n");
  EXPECT_EQ(game.exit_status, 0) << game.standard_error;
  EXPECT_TRUE(game.standard_output.starts_with("Loading " + world +
                                               "/manifest.txt\nLoading levels/hub/fg.pgm\n"))
      << game.standard_output.substr(0, 200);
  EXPECT_NE(game.standard_output.find("THANKS FOR PLAYING"), std::string::npos);

  const ProgramRun check = run_program(prefix + "/bin/quadrivant-check", {world}, empty, "");
  EXPECT_EQ(check.exit_status, 0) << check.standard_output;
  fs::remove_all(empty);

  // The man page renders without a warning and tells of both programs.
  std::string page;
  EXPECT_EQ(shell("MANWIDTH=80 man --warnings -l '" + prefix +
                      "/share/man/man6/quadrivant.6' 2>&1 >/dev/null",
                  &page),
            0);
  EXPECT_EQ(page, "") << "warnings";
  EXPECT_EQ(shell("MANWIDTH=80 man -l '" + prefix + "/share/man/man6/quadrivant.6'", &page), 0);
  for (const std::string& words :
       {std::string("quadrivant-check"), std::string("EXIT STATUS"), world}) {
    EXPECT_NE(page.find(words), std::string::npos) << words;
  }
  fs::remove_all(prefix);
}

// A new author's first world, from the installed programs only: the starter world made, built,
// checked and won at once with --instant; and the installed adventure rebuilt from its installed
// sources, file for file. Installed under a staging folder of its own, so that it shares no
// prefix with the other install tests.
TEST(Install, TheAuthorsToolkitMakesAWorldThatTheGameWins) {
  const std::string staging = make_temporary_directory();
  const std::string prefix = staging + QUADRIVANT_INSTALL_PREFIX;
  std::string said;
  ASSERT_EQ(shell("DESTDIR='" + staging + "' cmake --install '" QUADRIVANT_BINARY_DIR "'", &said),
            0)
      << said;
  const std::string bin = prefix + "/bin/";
  for (const char* page : {"quadrivant-check.6", "quadrivant-author.6"}) {
    const std::string path = prefix + "/share/man/man6/" + page;
    ASSERT_TRUE(fs::is_regular_file(path)) << page;
    EXPECT_EQ(shell("MANWIDTH=80 man --warnings -l '" + path + "' 2>&1 >/dev/null", &said), 0);
    EXPECT_EQ(said, "") << page << " renders without warnings";
  }

  const std::string home = make_temporary_directory();
  const ProgramRun made = run_program(bin + "quadrivant-author", {"new", "first"}, home, "");
  ASSERT_EQ(made.exit_status, 0) << made.standard_error;
  EXPECT_NE(made.standard_output.find("  quadrivant-author build first/source first\n"),
            std::string::npos)
      << made.standard_output;
  const ProgramRun built =
      run_program(bin + "quadrivant-author", {"build", "first/source", "first"}, home, "");
  ASSERT_EQ(built.exit_status, 0) << built.standard_error;
  const ProgramRun checked = run_program(bin + "quadrivant-check", {"first"}, home, "");
  EXPECT_EQ(checked.standard_output, "quadrivant-check: 0 errors, 0 warnings\n");
  const ProgramRun won = run_program(bin + "quadrivant", {"--instant", "first"}, home,
                                     read_file(home + "/first/walkthrough.txt"), 30);
  EXPECT_EQ(won.exit_status, 0) << won.standard_error;
  EXPECT_NE(won.standard_output.find("YOU BECAME THE QUADRIVANT"), std::string::npos);

  const std::string installed = prefix + "/share/quadrivant";
  const ProgramRun copied = run_program(bin + "quadrivant-author",
                                        {"build", installed + "/source", "copy"}, home, "", 120);
  EXPECT_EQ(copied.exit_status, 0) << copied.standard_error;
  EXPECT_EQ(shell("diff -r -x source '" + installed + "' '" + home + "/copy'", &said), 0) << said;
  fs::remove_all(home);
  fs::remove_all(staging);
}

TEST(Install, StagesUnderDestdir) {
  SKIP_UNLESS_PREFIX_IS_THE_BUILDS_OWN();
  fs::remove_all(QUADRIVANT_INSTALL_PREFIX);
  const std::string staging = make_temporary_directory();
  std::string said;
  ASSERT_EQ(shell("DESTDIR='" + staging + "' cmake --install '" QUADRIVANT_BINARY_DIR "'", &said),
            0)
      << said;
  EXPECT_TRUE(fs::is_regular_file(staging + QUADRIVANT_INSTALL_PREFIX "/bin/quadrivant"));
  EXPECT_FALSE(fs::exists(QUADRIVANT_INSTALL_PREFIX)) << "nothing outside the staging folder";
  fs::remove_all(staging);
}

}  // namespace

}  // namespace quadrivant

// The game as a packager and a player meet it: its command line; make install into any prefix,
// which plays the shipped adventure from anywhere without the source tree; and make uninstall,
// which removes exactly what the install wrote and the directories it made, and nothing while a
// prefix leads somewhere else than it did at install time. Every install goes into a folder of
// its own below the test build; ctest runs these tests one at a time, as they share the test
// build's install record.
#include <algorithm>
#include <filesystem>
#include <set>
#include <string_view>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

namespace fs = std::filesystem;

const std::string usage_line =
    "usage: quadrivant [--instant] [--start LEVEL:X,Y] [--solved N] [WORLD_DIR]\n";

// Runs a shell command line, with its output in `output`; returns its exit status. A release
// build for make install takes its time on a loaded machine: the bound only ends a hang.
int shell(const std::string& command, std::string* output = nullptr) {
  const ProgramRun run = run_program("/bin/sh", {"-c", command}, ".", "", 1500);
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

// The install tests work in a folder of their own below the test build, empty at the start and
// removed at the end.
class InstallTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = std::string(QUADRIVANT_BINARY_DIR "/install-tests/") +
             testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string folder;
};
using MakeInstall = InstallTest;
using Uninstall = InstallTest;

// Runs make in the source tree, as a player types it, with `arguments` taken by the shell.
int make(const std::string& arguments, std::string* output) {
  // Nothing of a make that runs the tests (make test) reaches this one.
  return shell("unset MAKEFLAGS MFLAGS MAKELEVEL PREFIX DESTDIR; make -C " +
                   shell_quoted(QUADRIVANT_SOURCE_DIR) + " " + arguments,
               output);
}

// Installs the test build's programs and files into `prefix` (below `destdir`, if given).
void install_test_build(const std::string& prefix, const std::string& destdir = "") {
  std::string said;
  ASSERT_EQ(
      shell((destdir.empty() ? "" : "DESTDIR=" + shell_quoted(destdir) + " ") + "cmake --install " +
                shell_quoted(QUADRIVANT_BINARY_DIR) + " --prefix " + shell_quoted(prefix),
            &said),
      0)
      << said;
}

// make uninstall for the test build's last install; returns its exit status.
int uninstall_test_build(std::string* said) {
  return make("uninstall RELEASE_DIR=" + shell_quoted(QUADRIVANT_BINARY_DIR), said);
}

const std::string record = QUADRIVANT_BINARY_DIR "/install_record.txt";

// Every path below `folder`, with a mark for directories and links (which are not followed).
std::set<std::string> tree(const std::string& folder) {
  std::set<std::string> paths;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const char* mark = entry.is_symlink() ? " ->" : entry.is_directory() ? "/" : "";
    paths.insert(entry.path().lexically_relative(folder).string() + mark);
  }
  return paths;
}

// Files a player's system already has where the tests install: they must stay as they are.
void write_foreign_files(const std::string& prefix) {
  fs::create_directories(prefix + "/bin");
  fs::create_directories(prefix + "/share/man/man6");  // empty, as some systems ship it
  write_file(prefix + "/bin/another-game", "#!/bin/sh\n");
}

// The files of the shipped adventure as an install lays them out below `prefix`.
void expect_installed(const std::string& prefix) {
  for (const char* file :
       {"/bin/quadrivant", "/bin/quadrivant-check", "/bin/quadrivant-author",
        "/share/quadrivant/manifest.txt", "/share/quadrivant/walkthrough.txt",
        "/share/quadrivant/levels/hub/codes.pgm", "/share/quadrivant/source/world.txt",
        "/share/doc/quadrivant/levels.md", "/share/man/man6/quadrivant.6",
        "/share/man/man6/quadrivant-check.6", "/share/man/man6/quadrivant-author.6"}) {
    EXPECT_TRUE(fs::is_regular_file(prefix + file)) << prefix + file;
  }
}

TEST_F(MakeInstall, PlaysFromAPrefixWithBlanksAndShellCharactersAndUninstallsFromThere) {
  // Where a shell or make would split, expand or glob unquoted words; two blanks in a row, which
  // a man page would join.
  const std::string prefix = folder + "/my  games $HOME `id` 'it''s' * & (x) [y";
  const std::string staging = folder + "/stage $PATH";
  // The release build stays for the next run, which then only links.
  const std::string build = QUADRIVANT_BINARY_DIR "/install-tests/release";
  const std::string arguments =
      "RELEASE_DIR=" + shell_quoted(build) + " PREFIX=" + shell_quoted(prefix);
  std::string said;

  // A staged install writes below DESTDIR only, and its uninstall removes all of it from there.
  ASSERT_EQ(make("install JOBS=2 DESTDIR=" + shell_quoted(staging) + " " + arguments, &said), 0)
      << said;
  expect_installed(staging + prefix);
  EXPECT_EQ(tree(folder).count("stage $PATH/"), 1u);
  EXPECT_FALSE(fs::exists(prefix)) << "nothing outside the staging folder";
  ASSERT_EQ(make("uninstall " + arguments, &said), 0) << said;
  EXPECT_TRUE(tree(folder).empty()) << "the staging folder, which the install made, is gone";

  ASSERT_EQ(make("install JOBS=2 " + arguments, &said), 0) << said;
  expect_installed(prefix);
  EXPECT_EQ(said.find("Ignoring extra path"), std::string::npos) << said;
  const std::string world = prefix + "/share/quadrivant";

  // The installed game finds its adventure from an empty directory: the path compiled into it
  // is the prefix as written.
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

  // The man page renders without a warning and tells of both programs and of the world's path.
  const std::string page_file = shell_quoted(prefix + "/share/man/man6/quadrivant.6");
  std::string page;
  EXPECT_EQ(shell("MANWIDTH=200 man --warnings -l " + page_file + " 2>&1 >/dev/null", &page), 0);
  EXPECT_EQ(page, "") << "warnings";
  EXPECT_EQ(shell("MANWIDTH=200 man -l " + page_file, &page), 0);
  for (const std::string& words :
       {std::string("quadrivant-check"), std::string("EXIT STATUS"), world + "/"}) {
    EXPECT_NE(page.find(words), std::string::npos) << words << " in\n" << page;
  }

  // Uninstalled, the folder is as before the install; a second uninstall finds nothing.
  ASSERT_EQ(make("uninstall " + arguments, &said), 0) << said;
  EXPECT_NE(said.find("Removed "), std::string::npos) << said;
  EXPECT_TRUE(tree(folder).empty()) << "the prefix, which the install made, is gone";
  EXPECT_NE(make("uninstall " + arguments, &said), 0);
  EXPECT_NE(said.find("Nothing installed from this tree."), std::string::npos) << said;
}

TEST_F(MakeInstall, RefusesWhatCMakeWouldNotCarryBeforeBuildingAnything) {
  const std::string build = folder + "/release";
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"PREFIX=games", "PREFIX must be an absolute path, not 'games'."},
      {"PREFIX=", "PREFIX must be an absolute path, not ''."},
      {"PREFIX=" + shell_quoted(folder + "/a;b"), "PREFIX must not hold ';'"},
      {"PREFIX=" + shell_quoted(folder + "/say \"hi\""), "PREFIX must not hold ';', '\"'"},
      {"PREFIX=" + shell_quoted(folder + "/a\\b"), "PREFIX must not hold ';', '\"', '\\'"},
      {"PREFIX=" + shell_quoted(folder + "/${HOME}"), "PREFIX must not hold"},
      {"PREFIX=" + shell_quoted(folder + "/line\nbreak"), "PREFIX must not hold a line break."},
      {"PREFIX=/opt DESTDIR=" + shell_quoted(folder + "/a\\b"), "DESTDIR must not hold '\\'"},
  };
  for (const auto& [arguments, complaint] : refused) {
    std::string said;
    EXPECT_NE(make("install RELEASE_DIR=" + shell_quoted(build) + " " + arguments, &said), 0)
        << arguments;
    EXPECT_NE(said.find("make install: " + complaint), std::string::npos) << said;
  }
  EXPECT_TRUE(tree(folder).empty()) << "nothing configured, built or installed";
}

TEST_F(Uninstall, RemovesWhatTheInstallWroteAndTheDirectoriesItMadeOnceEmpty) {
  // A prefix the system already has, with files of its own; installed twice, as after an update.
  const std::string system = folder + "/usr local";
  write_foreign_files(system);
  const std::set<std::string> before = tree(folder);
  install_test_build(system);
  install_test_build(system);
  expect_installed(system);
  std::string said;
  ASSERT_EQ(uninstall_test_build(&said), 0) << said;
  EXPECT_EQ(tree(folder), before) << "only the install's files and directories are gone";
  EXPECT_FALSE(fs::exists(record));

  // A prefix two levels below what exists: both levels are made, and removed again; a
  // directory that holds a player's file when the install's files are gone stays.
  const std::string fresh = folder + "/new parent/my games";
  install_test_build(fresh);
  ASSERT_EQ(uninstall_test_build(&said), 0) << said;
  EXPECT_EQ(tree(folder), before);
  install_test_build(fresh);
  write_file(fresh + "/share/quadrivant/saved game.txt", "mine\n");
  ASSERT_EQ(uninstall_test_build(&said), 0) << said;
  EXPECT_EQ(tree(folder + "/new parent"),
            (std::set<std::string>{"my games/", "my games/share/", "my games/share/quadrivant/",
                                   "my games/share/quadrivant/saved game.txt"}));
}

TEST_F(Uninstall, RefusesWhileADirectoryLeadsElsewhereThanAtInstallTime) {
  fs::create_directories(folder + "/first");
  fs::create_directories(folder + "/second/bin");
  write_file(folder + "/second/bin/quadrivant", "another game's program\n");
  const std::string link = folder + "/games";
  fs::create_directory_symlink("first", link);
  install_test_build(link);
  expect_installed(folder + "/first");
  const std::set<std::string> installed = tree(folder);

  const auto retarget = [&](const std::string& path, const std::string& target) {
    fs::remove(path);
    fs::create_directory_symlink(target, path);
  };
  // The prefix now leads to another place with files of the same names, or nowhere.
  std::string said;
  retarget(link, "second");
  EXPECT_NE(uninstall_test_build(&said), 0);
  EXPECT_NE(said.find("make uninstall: " + link + " led to " + folder +
                      "/first at install time and now leads to " + folder +
                      "/second; nothing is removed."),
            std::string::npos)
      << said;
  retarget(link, "nowhere");
  EXPECT_NE(uninstall_test_build(&said), 0);
  EXPECT_NE(said.find(link + " led to " + folder + "/first at install time and now leads nowhere"),
            std::string::npos)
      << said;
  // A directory below the prefix taken elsewhere is refused as well.
  retarget(link, "first");
  fs::rename(folder + "/first/share/quadrivant/levels", folder + "/levels");
  fs::create_directories(folder + "/decoy/hub");
  write_file(folder + "/decoy/hub/codes.pgm", "not the game's\n");
  fs::create_directory_symlink("../../../decoy", folder + "/first/share/quadrivant/levels");
  EXPECT_NE(uninstall_test_build(&said), 0);
  EXPECT_NE(said.find("/first/share/quadrivant/levels at install time and now leads to " + folder +
                      "/decoy;"),
            std::string::npos)
      << said;
  EXPECT_EQ(read_file(folder + "/decoy/hub/codes.pgm"), "not the game's\n");
  fs::remove(folder + "/first/share/quadrivant/levels");
  fs::rename(folder + "/levels", folder + "/first/share/quadrivant/levels");
  fs::remove_all(folder + "/decoy");
  EXPECT_EQ(tree(folder), installed) << "nothing removed";
  EXPECT_TRUE(fs::exists(record)) << "the record stays";

  // Back where it led, the uninstall goes through.
  ASSERT_EQ(uninstall_test_build(&said), 0) << said;
  EXPECT_EQ(tree(folder), (std::set<std::string>{"first/", "games ->", "second/", "second/bin/",
                                                 "second/bin/quadrivant"}));
}

TEST_F(Uninstall, KeepsItsRecordUntilEveryFileIsGone) {
  const std::string prefix = folder + "/games";
  install_test_build(prefix);
  // A file that cannot be removed as a file: a directory with something in it took its place.
  fs::remove(prefix + "/bin/quadrivant");
  fs::create_directories(prefix + "/bin/quadrivant/inside");
  std::string said;
  EXPECT_NE(uninstall_test_build(&said), 0);
  EXPECT_NE(said.find("make uninstall: " + prefix + "/bin/quadrivant could not be removed"),
            std::string::npos)
      << said;
  EXPECT_NE(said.find("1 files are left; " + record + " keeps them."), std::string::npos) << said;
  EXPECT_TRUE(fs::exists(record));
  EXPECT_EQ(tree(folder), (std::set<std::string>{"games/", "games/bin/", "games/bin/quadrivant/",
                                                 "games/bin/quadrivant/inside/"}))
      << "every other file and emptied directory is gone";

  fs::remove_all(prefix + "/bin/quadrivant");
  ASSERT_EQ(uninstall_test_build(&said), 0) << said;
  EXPECT_TRUE(tree(folder).empty());
  EXPECT_FALSE(fs::exists(record));
}

TEST_F(Uninstall, RemovesAStagedInstallFromBelowItsDestdirOnly) {
  // The system has the game at the paths a package is staged for.
  const std::string system = folder + "/usr local";
  write_foreign_files(system);
  fs::create_directories(system + "/share/quadrivant");
  write_file(system + "/bin/quadrivant", "the system's game\n");
  write_file(system + "/share/quadrivant/manifest.txt", "the system's world\n");
  const std::set<std::string> before = tree(folder);

  install_test_build(system, folder + "/stage dir/");
  expect_installed(folder + "/stage dir" + system);
  std::string said;
  ASSERT_EQ(uninstall_test_build(&said), 0) << said;
  EXPECT_EQ(tree(folder), before) << "the staging folder is gone, the system untouched";
  EXPECT_EQ(read_file(system + "/bin/quadrivant"), "the system's game\n");
}

// A new author's first world, from the installed programs only: the starter world made, built,
// checked and won at once with --instant; and the installed adventure rebuilt from its installed
// sources, file for file. The man pages of the checker and the tool render without warnings.
TEST_F(InstallTest, TheAuthorsToolkitMakesAWorldThatTheGameWins) {
  const std::string prefix = folder + "/usr";
  install_test_build(prefix);
  std::string said;
  const std::string bin = prefix + "/bin/";
  for (const char* page : {"quadrivant-check.6", "quadrivant-author.6"}) {
    const std::string path = shell_quoted(prefix + "/share/man/man6/" + page);
    EXPECT_EQ(shell("MANWIDTH=80 man --warnings -l " + path + " 2>&1 >/dev/null", &said), 0);
    EXPECT_EQ(said, "") << page << " renders without warnings";
  }

  const std::string home = folder + "/home";
  fs::create_directories(home);
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
  EXPECT_EQ(
      shell("diff -r -x source " + shell_quoted(installed) + " " + shell_quoted(home + "/copy"),
            &said),
      0)
      << said;
  ASSERT_EQ(uninstall_test_build(&said), 0) << said;
}

}  // namespace

}  // namespace quadrivant

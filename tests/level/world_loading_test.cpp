// Loading a whole world from its manifest: which file goes where, the order of the reports, and
// what a player sees on both streams, with the exit status, when the game refuses a world.
#include <filesystem>

#include "level/load_test_support.h"
#include "level/manifest.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

// A hall of 69 x 23 and a cellar of 70 x 24, with table entries that tell the levels apart.
std::vector<TestLevel> two_levels() {
  std::vector<TestLevel> levels = {walled_level(69, 23), walled_level(70, 24)};
  levels[0].transitions = {{1, 34, 11}};
  levels[0].problems = {{"Question 0?", "Solved 0.", 10}};
  levels[0].infos = {{"Locked 0.", "Open 0.", 1}};
  levels[0].obstructions = {{"Wall 0."}};
  levels[1].transitions = {{0, 20, 13}, {1, 34, 11}};
  levels[1].problems = {{"Question 1?", "Solved 1.", 11}, {"Question 2?", "Solved 2.", 12}};
  return levels;
}

// Writes the two levels to `directory`, with comment lines in and between the manifest's groups
// and a layer of its own in every file: level k's foreground is all 100 + k, its background all
// 16 + k. Returns the world as it must load.
World write_two_levels(const std::string& directory) {
  write_world(directory, two_levels());
  std::string manifest = read_file(directory + "/manifest.txt");
  for (std::size_t at = 0; (at = manifest.find("\nlevel1/", at)) != std::string::npos; at += 11)
    manifest.insert(at + 1, "# level 1\n");
  write_file(directory + "/manifest.txt", manifest);
  World world = make_world(two_levels());
  for (int k = 0; k < 2; ++k) {
    Level& level = world[k];
    for (const auto& [layer, file, value] : {std::tuple(&level.fg_layer, "/fg.pgm", 100 + k),
                                             std::tuple(&level.bg_layer, "/bg.pgm", 16 + k)}) {
      *layer = Layer(level.width, level.height, value);
      write_file(directory + "/level" + std::to_string(k) + file,
                 "P5\n" + std::to_string(level.width) + " " + std::to_string(level.height) +
                     "\n255\n" + std::string(level.width * level.height, static_cast<char>(value)));
    }
  }
  return world;
}

// Everything that loading the two levels reports, in order.
const std::string all_reports =
    "Loading manifest.txt\nLoading level0/fg.pgm\nLoading level0/bg.pgm\n"
    "Loading level0/codes.pgm\nLoading level0/content.txt  |  Map dimensions: 69x23\n"
    "Loading level0/transitions.txt\nLoading level0/problems.txt\nLoading level0/infos.txt\n"
    "Loading level0/obstructions.txt\nLoading level1/fg.pgm\nLoading level1/bg.pgm\n"
    "Loading level1/codes.pgm\nLoading level1/content.txt  |  Map dimensions: 70x24\n"
    "Loading level1/transitions.txt\nLoading level1/problems.txt\nLoading level1/infos.txt\n"
    "Loading level1/obstructions.txt\n";

// The reports up to the end of the first `piece`.
std::string reports_until(const std::string& piece) {
  return all_reports.substr(0, all_reports.find(piece) + piece.size());
}

using WorldLoading = LoadTest;

TEST_F(WorldLoading, EveryFileLandsInItsLevelAndMemberThenTheGameStarts) {
  const World expected = write_two_levels(directory_);
  // Paths in the manifest are taken from the world's directory, whatever the working directory.
  World world;
  // The manifest is named by its path in that directory; the level files as the manifest names
  // them.
  EXPECT_EQ(shown([&](std::FILE* out) { world = load_world(out, directory_); }),
            "Loading " + path("manifest.txt") + all_reports.substr(all_reports.find('\n')));
  EXPECT_TRUE(world == expected);
  EXPECT_TRUE(load_world(nullptr, directory_) == expected) << "loads without reporting";

  const ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, directory_, "quit\n");
  EXPECT_EQ(run.exit_status, 0);
  // The game draws right after the last report.
  EXPECT_EQ(run.standard_output.substr(0, all_reports.size() + 2), all_reports + "\x1b[");
  EXPECT_EQ(run.standard_error, "");
}

TEST_F(WorldLoading, RefusedWorldEndsTheGameWithTheReportsBeforeTheFaultAndItsMessage) {
  // Without a manifest in its working directory the game plays the installed adventure. The test
  // build looks for that in a folder of its own, which no test installs into.
  ASSERT_FALSE(std::filesystem::exists(QUADRIVANT_INSTALL_PREFIX "/share/quadrivant"))
      << "an adventure is installed where the test build's game looks for one";
  using Case = std::tuple<std::string, std::string, std::string>;
  // An image layer of level 1 (70 x 24) that is `width` x `height`.
  const auto wrong_size = [](const std::string& file, int width, int height) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    return Case{file, "P5\n" + w + " " + h + "\n255\n" + std::string(width * height, '\0'),
                reports_until("70x24\n") + refused("The image " + file + " is " + w + "x" + h +
                                                   " but its level's map is 70x24!")};
  };
  // {file, its new contents (none: the file is removed), standard output + "stderr: " + standard
  // error}
  const std::vector<Case> cases = {
      {"manifest.txt", "", "stderr: " + refused("Unable to open file -> manifest.txt")},
      {"level1/bg.pgm", "",
       reports_until("level1/fg.pgm\n") +
           "stderr: " + refused("Unable to open file -> level1/bg.pgm")},
      wrong_size("level1/fg.pgm", 69, 24),
      wrong_size("level1/bg.pgm", 70, 25),
      wrong_size("level1/codes.pgm", 1, 1),
      {"level1/problems.txt", "Problems\n2\n\nonly one\nentry\n1\n",
       reports_until("level1/problems.txt\n") +
           refused("The file level1/problems.txt ends after 1 of its 2 entries!")},
  };
  for (const auto& [file, contents, streams] : cases) {
    write_two_levels(directory_);
    write_file(path(file), contents);
    if (contents.empty()) std::filesystem::remove(path(file));
    const ProgramRun run = run_program(QUADRIVANT_PROGRAM, directory_, "quit\n");
    EXPECT_EQ(run.exit_status, 1) << file;
    EXPECT_EQ(
        run.standard_output + (run.standard_error.empty() ? "" : "stderr: ") + run.standard_error,
        streams)
        << file;
  }
}

}  // namespace

}  // namespace quadrivant

// Starting the built game on a world, as a player's shell does: the reports and messages on both
// streams, and the exit status when a world cannot be loaded.
#include <gtest/gtest.h>

#include <cstdio>

#include "level/load_test_support.h"
#include "level/test_world.h"
#include "support/run_program.h"

namespace {

class ProgramLoading : public ::testing::Test {
 protected:
  ProgramRun start_game() { return run_program(QUADRIVANT_PROGRAM, directory_.path(), "quit\n"); }

  ScratchDirectory directory_;
};

TEST_F(ProgramLoading, MissingManifestEndsTheProgramWithAMessageOnStandardError) {
  const ProgramRun run = start_game();
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.standard_output, "");
  EXPECT_EQ(run.standard_error, "(;^_^) Oopsie! Unable to open file -> manifest.txt\n");
}

TEST_F(ProgramLoading, MissingLevelFileEndsTheProgramAfterTheReportsBeforeIt) {
  const TestWorld world = write_test_world(directory_.path(), 2, "");
  std::remove(directory_.path_of("level1_map.txt").c_str());
  const ProgramRun run = start_game();
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.standard_output, loading_reports_through(world, 1, group_collision_layer));
  EXPECT_EQ(run.standard_error, "(;^_^) Oopsie! Unable to open file -> level1_map.txt\n");
}

TEST_F(ProgramLoading, MalformedFileEndsTheProgramWithItsMessageOnStandardOutput) {
  const TestWorld world = write_test_world(directory_.path(), 2, "");
  std::string map =
      "Level 0\n69 23\n\n" + std::string(69, 'a') + "\n" + std::string(70, 'a') + "\n";
  for (int row = 3; row <= 23; ++row) map += std::string(69, 'a') + "\n";
  directory_.write("level0_map.txt", map);
  const ProgramRun run = start_game();
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.standard_output, loading_reports_through(world, 0, group_content) +
                                     "(;^_^) Oopsie! Line 2 has too many chars!\n");
  EXPECT_EQ(run.standard_error, "");
}

TEST_F(ProgramLoading, ImageOfTheWrongSizeEndsTheProgramAfterItsLevelsMapIsReported) {
  const TestWorld world = write_test_world(directory_.path(), 2, "");
  directory_.write("level1_collision.pgm", "P5\n69 23\n255\n" + std::string(69 * 23, '\0'));
  const ProgramRun run = start_game();
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.standard_output,
            loading_reports_through(world, 1, group_content) +
                "(;^_^) Oopsie! The image level1_collision.pgm is 69x23 but its level's map is "
                "70x24!\n");
  EXPECT_EQ(run.standard_error, "");
}

TEST_F(ProgramLoading, WorldThatLoadsReportsEveryFileBeforeTheGameStarts) {
  const std::string reports = loading_reports(write_test_world(directory_.path(), 2, ""));
  const ProgramRun run = start_game();
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.standard_output.substr(0, reports.size()), reports);
  EXPECT_GT(run.standard_output.size(), reports.size()) << "the game drew its screens";
  EXPECT_EQ(run.standard_error, "");
}

}  // namespace

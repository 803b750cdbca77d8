// Reading "manifest.txt" and loading a whole world from it: which file goes where, the order of
// the reports, and where loading stops when a file is refused.
#include "level/manifest.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "level/load_test_support.h"
#include "level/test_world.h"
#include "support/run_program.h"

namespace {

using Paths = std::vector<std::vector<std::string>>;

class ManifestFile : public ::testing::Test {
 protected:
  Manifest load(const std::string& contents) {
    return read_written_file(directory_, "manifest.txt", contents, read_manifest_file,
                             loading_report());
  }

  // Reads a manifest that must be refused after its "Loading" line; returns the message on
  // standard output.
  std::string refusal(const std::string& contents) {
    return on_standard_output(refusal_of_written_file(directory_, "manifest.txt", contents,
                                                      read_manifest_file, loading_report()));
  }

  std::string loading_report() const { return "Loading " + path_of_manifest() + "\n"; }
  std::string path_of_manifest() const { return directory_.path_of("manifest.txt"); }

  ScratchDirectory directory_;
};

// Eight groups of one path per level: "g<group>l<level>".
std::string path_lines(int levels) {
  std::string lines;
  for (int group = 0; group < 8; ++group) {
    for (int level = 0; level < levels; ++level) {
      lines += "g" + std::to_string(group) + "l" + std::to_string(level) + "\n";
    }
  }
  return lines;
}

Paths named_paths(int levels) {
  Paths paths(8);
  for (int group = 0; group < 8; ++group) {
    for (int level = 0; level < levels; ++level) {
      paths[group].push_back("g" + std::to_string(group) + "l" + std::to_string(level));
    }
  }
  return paths;
}

TEST_F(ManifestFile, ReadsEightGroupsOfOnePathPerLevel) {
  const Manifest manifest = load("My adventure\n2\n" + path_lines(2));
  EXPECT_EQ(manifest.groups, 8);
  EXPECT_EQ(manifest.levels, 2);
  EXPECT_EQ(manifest.paths, named_paths(2));
}

TEST_F(ManifestFile, CommentLinesAnywhereInThePathsChangeNothing) {
  const Manifest manifest = load(
      "title\n3 levels, remark ignored\n# before the groups\n#\ng0l0\n# inside a group\ng0l1\n"
      "g0l2\n## between groups, " +
      std::string(300, '#') + "\ng1l0\ng1l1\ng1l2\ng2l0\n# " + std::string(500, 'x') +
      "\ng2l1\ng2l2\ng3l0\ng3l1\ng3l2\ng4l0\ng4l1\ng4l2\ng5l0\ng5l1\ng5l2\ng6l0\ng6l1\ng6l2\n"
      "g7l0\ng7l1\n#\n#\ng7l2\n# after the last path\n");
  EXPECT_EQ(manifest.paths, named_paths(3)) << "comment lines of any length are skipped whole";
}

TEST_F(ManifestFile, FirstLineIsNeverInterpreted) {
  EXPECT_EQ(load(std::string(5000, '7') + "\n1\n" + path_lines(1)).paths, named_paths(1));
  EXPECT_EQ(load("\n1\n" + path_lines(1)).paths, named_paths(1));
}

TEST_F(ManifestFile, PathLinesAreTakenAsTheyStand) {
  std::string lines = path_lines(1);
  // Three lines in place of g0l0 move every later path two groups on.
  lines.replace(0, 5, "  spaced name.pgm \n\nwindows.pgm\r\n");
  lines.erase(lines.rfind("g6l0"));
  const Paths paths = load("t\n1\n" + lines).paths;
  EXPECT_EQ(paths[0][0], "  spaced name.pgm ");
  EXPECT_EQ(paths[1][0], "") << "an empty line is an empty path";
  EXPECT_EQ(paths[2][0], "windows.pgm\r") << "the carriage return stays";
  EXPECT_EQ(paths[7][0], "g5l0");
}

TEST_F(ManifestFile, PathEndsAtItsFirstNulByte) {
  std::string lines = path_lines(1);
  lines.replace(0, 4, std::string("cut\0off", 7));
  EXPECT_EQ(load("t\n1\n" + lines).paths[0][0], "cut");
}

TEST_F(ManifestFile, LastLineWithoutNewlineLosesItsLastCharacter) {
  std::string lines = path_lines(1);
  lines.pop_back();
  EXPECT_EQ(load("t\n1\n" + lines).paths[7][0], "g7l");
}

TEST_F(ManifestFile, PathsHoldAtMost98Characters) {
  const std::string longest(98, 'p');
  std::string lines = path_lines(1);
  lines.replace(0, 4, longest);
  EXPECT_EQ(load("t\n1\n" + lines).paths[0][0], longest);
  EXPECT_EQ(refusal("t\n1\n#\n" + longest + "p\n" + path_lines(1)),
            "(;^_^) Oopsie! Line 4 of " + path_of_manifest() +
                " holds a path longer than 98 characters!\n");
}

TEST_F(ManifestFile, RefusesManifestsWithTooFewPathLines) {
  const std::string missing = "(;^_^) Oopsie! A line is missing from the manifest file!\n";
  std::string lines = path_lines(2);
  lines.erase(lines.rfind("g7l1"));
  EXPECT_EQ(refusal("t\n2\n" + lines), missing);
  EXPECT_EQ(refusal("t\n2\n" + lines + "# a comment is not a path\n"), missing);
  EXPECT_EQ(refusal("t\n1\n"), missing);
  EXPECT_EQ(refusal("t\n2147483647\n" + path_lines(2)), missing) << "a huge count reserves nothing";
}

TEST_F(ManifestFile, RefusesHeaderLinesWithoutTheirNewline) {
  const std::string missing = "(;^_^) Oopsie! A line is missing from the manifest file!\n";
  for (const std::string header : {"", "title only", "title\n", "title\n\n", "title\n2"}) {
    EXPECT_EQ(refusal(header), missing) << '"' << header << '"';
  }
}

TEST_F(ManifestFile, RefusesLevelCountsThatAreNotNumbersOfOneOrMore) {
  EXPECT_EQ(
      refusal("title\ntwo\n" + path_lines(2)),
      "(;^_^) Oopsie! The level count on line 2 of " + path_of_manifest() + " is not a number!\n");
  EXPECT_EQ(
      refusal("title\n\n  2147483648\n" + path_lines(2)),
      "(;^_^) Oopsie! The level count on line 3 of " + path_of_manifest() + " is not a number!\n");
  for (const std::string count : {"0", "-1", "-2147483648"}) {
    EXPECT_EQ(refusal("title\n" + count + "\n" + path_lines(1)),
              "(;^_^) Oopsie! The level count in " + path_of_manifest() + " must be at least 1!\n")
        << count;
  }
}

TEST_F(ManifestFile, MissingManifestIsReportedOnStandardError) {
  LoadOutput out;
  const LoadError error = load_error_of([&] { read_manifest_file("manifest.txt", out.file()); });
  EXPECT_EQ(on_standard_error(error), "(;^_^) Oopsie! Unable to open file -> manifest.txt\n");
  EXPECT_EQ(out.text(), "");
}

class WorldLoading : public ::testing::Test {
 protected:
  WorldLoading() : world_(write_test_world(directory_.path(), 2, directory_.path() + "/")) {}

  // Loads the world, which must be refused; returns the refusal after checking that the reports
  // are `reports` and nothing more.
  LoadError refusal(const std::string& reports) {
    LoadOutput out;
    const LoadError error = load_error_of([&] { generate_map_data(out.file(), world_.manifest); });
    EXPECT_EQ(out.text(), reports);
    return error;
  }

  ScratchDirectory directory_;
  TestWorld world_;
};

TEST_F(WorldLoading, ReportsTheManifestThenEveryFileOfLevelZeroThenOfLevelOne) {
  LoadOutput out;
  generate_map_data(out.file(), world_.manifest);
  const std::string& d = directory_.path();
  EXPECT_EQ(out.text(), "Loading " + d + "/manifest.txt\n" +              //
                            "Loading " + d + "/level0_fg.pgm\n" +         //
                            "Loading " + d + "/level0_bg.ppm\n" +         //
                            "Loading " + d + "/level0_collision.pgm\n" +  //
                            "Loading " + d + "/level0_map.txt  |  Map dimensions: 69x23\n" +
                            "Loading " + d + "/level0_rooms.txt\n" +         //
                            "Loading " + d + "/level0_problems.txt\n" +      //
                            "Loading " + d + "/level0_infos.txt\n" +         //
                            "Loading " + d + "/level0_obstructions.txt\n" +  //
                            "Loading " + d + "/level1_fg.pgm\n" +            //
                            "Loading " + d + "/level1_bg.ppm\n" +            //
                            "Loading " + d + "/level1_collision.pgm\n" +     //
                            "Loading " + d + "/level1_map.txt  |  Map dimensions: 70x24\n" +
                            "Loading " + d + "/level1_rooms.txt\n" +     //
                            "Loading " + d + "/level1_problems.txt\n" +  //
                            "Loading " + d + "/level1_infos.txt\n" +     //
                            "Loading " + d + "/level1_obstructions.txt\n");
}

TEST_F(WorldLoading, EveryFileLandsInItsLevelAndMember) {
  LoadOutput out;
  const MapData map = generate_map_data(out.file(), world_.manifest);
  ASSERT_EQ(level_count(map), 2);
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE("level " + std::to_string(k));
    const int width = 69 + k, height = 23 + k;
    EXPECT_EQ(map.width[k], width);
    EXPECT_EQ(map.height[k], height);
    EXPECT_EQ(map.content[k], std::vector<std::string>(height, std::string(width, 'a' + k)));
    EXPECT_EQ(map.fg_layer[k], Matrix(height, std::vector<int>(width, 100 + k)));
    EXPECT_EQ(map.bg_layer[k], Matrix(height, std::vector<int>(width, 16 + k)));
    ASSERT_EQ(map.collision_layer[k].size(), static_cast<std::size_t>(height));
    EXPECT_EQ(map.collision_layer[k][0], std::vector<int>(width, 255));
    EXPECT_EQ(map.collision_layer[k][1][1], 0);
    ASSERT_EQ(map.transitions[k].size(), 1u);
    EXPECT_EQ(map.transitions[k][0].level, 1 - k);
    EXPECT_EQ(map.transitions[k][0].x, 34);
    EXPECT_EQ(map.transitions[k][0].y, 11);
    const std::string n = std::to_string(k);
    EXPECT_EQ(map.problems[k].first_text, std::vector<std::string>{"Question " + n + "?"});
    EXPECT_EQ(map.problems[k].second_text, std::vector<std::string>{"Solved " + n + "."});
    EXPECT_EQ(map.problems[k].number, std::vector<int>{10 + k});
    EXPECT_EQ(map.problems[k].flag, std::vector<int>{0});
    EXPECT_EQ(map.infos[k].first_text, std::vector<std::string>{"Locked " + n + "."});
    EXPECT_EQ(map.infos[k].second_text, std::vector<std::string>{"Open " + n + "."});
    EXPECT_EQ(map.infos[k].number, std::vector<int>{k});
    EXPECT_EQ(map.infos[k].flag, std::vector<int>{0});
    EXPECT_EQ(map.obstructions[k].text, std::vector<std::string>{"Wall " + n + "."});
    EXPECT_EQ(map.obstructions[k].cleared, std::vector<int>{0});
  }
}

TEST_F(WorldLoading, StopsAtTheFirstRefusedFile) {
  write_file(world_.files[1][group_problems], "Problems\n2\n\nonly one\nentry\n1\n");
  EXPECT_EQ(on_standard_output(refusal(loading_reports_through(world_, 1, group_problems))),
            "(;^_^) Oopsie! The file " + world_.files[1][group_problems] +
                " ends after 1 of its 2 entries!\n");
}

TEST_F(WorldLoading, ContentFileFaultCompletesItsLoadingLine) {
  write_file(world_.files[0][group_content], "t\n69 22\n\n");
  std::string reports = loading_reports_through(world_, 0, group_collision_layer);
  reports += "Loading " + world_.files[0][group_content] + "  |  ";
  EXPECT_EQ(on_standard_output(refusal(reports)),
            "(;^_^) Oopsie! Minimum map dimensions should be 69x23\n");
}

TEST_F(WorldLoading, MissingFileStopsTheLoadOnStandardError) {
  std::remove(world_.files[1][group_bg_layer].c_str());
  EXPECT_EQ(on_standard_error(refusal(loading_reports_through(world_, 1, group_fg_layer))),
            "(;^_^) Oopsie! Unable to open file -> " + world_.files[1][group_bg_layer] + "\n");
}

TEST_F(WorldLoading, ImageLayersMustHaveTheSizeOfTheirLevelsMap) {
  // Level 1 is 70x24; its layers are checked once its content file has given that size.
  struct Mismatch {
    int group;
    std::string image;
    std::string size;
  };
  std::string grey_69x24 = "P2\n69 24\n255\n";
  for (int cell = 0; cell < 69 * 24; ++cell) grey_69x24 += "7 ";
  const std::vector<Mismatch> mismatches = {
      {group_fg_layer, grey_69x24, "69x24"},
      {group_bg_layer, "P6\n70 25\n255\n" + std::string(70 * 25 * 3, '\0'), "70x25"},
      {group_collision_layer, "P5\n1 1\n255\n" + std::string(1, '\0'), "1x1"},
  };
  for (const Mismatch& mismatch : mismatches) {
    SCOPED_TRACE(mismatch.size);
    const TestWorld fresh = write_test_world(directory_.path(), 2, directory_.path() + "/");
    write_file(fresh.files[1][mismatch.group], mismatch.image);
    EXPECT_EQ(on_standard_output(refusal(loading_reports_through(world_, 1, group_content))),
              "(;^_^) Oopsie! The image " + fresh.files[1][mismatch.group] + " is " +
                  mismatch.size + " but its level's map is 70x24!\n");
  }
}

TEST_F(WorldLoading, RefusedManifestLoadsNoLevelFile) {
  write_file(world_.manifest, "Test world\n2 levels\n# foreground colours\n" +
                                  world_.files[0][group_fg_layer] + "\n");
  EXPECT_EQ(on_standard_output(refusal("Loading " + world_.manifest + "\n")),
            "(;^_^) Oopsie! A line is missing from the manifest file!\n");
}

}  // namespace

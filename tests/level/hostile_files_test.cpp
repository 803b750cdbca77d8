// Files from strangers: only regular files are read, a raw raster reads only its own bytes,
// numbers of any length and header comments wherever Netpbm allows them are read as tools write
// them.
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "level/image_layer.h"
#include "level/level_tables.h"
#include "level/load_test_support.h"
#include "level/manifest.h"

namespace quadrivant {

namespace {

using HostileFiles = LoadTest;

TEST_F(HostileFiles, OnlyRegularFilesAreReadAndOthersAreRefusedAtOnce) {
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  std::filesystem::create_directory(path("folder"));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {path("pipe"), "a FIFO"}, {path("folder"), "a directory"}, {"/dev/zero", "a device"}};
  for (const auto& [file, kind] : cases) {
    EXPECT_EQ(shown([&](std::FILE* out) { read_image_layer(file, out); }),
              "stderr: " + refused("Only regular files are read: " + file + " is " + kind + "!"));
    EXPECT_EQ(shown([&](std::FILE* out) { read_dialogue_file(file, out); }),
              "stderr: " + refused("Only regular files are read: " + file + " is " + kind + "!"));
  }
  // The world's own manifest too.
  std::filesystem::create_directory(path("world"));
  std::filesystem::create_directory(path("world/manifest.txt"));
  EXPECT_EQ(shown([&](std::FILE* out) { load_world(out, path("world")); }),
            "stderr: " + refused("Only regular files are read: " + path("world/manifest.txt") +
                                 " is a directory!"));
}

TEST_F(HostileFiles, RawRasterReadsOnlyItsOwnBytes) {
  // Four samples, then a gigabyte of nothing: loading reads a block, not the gigabyte.
  write_file(path(), "P5\n2 2\n255\n\x01\x02\x03\x04");
  ASSERT_EQ(truncate(path().c_str(), off_t{1} << 30), 0);
  // Timed in processor time, which other programs on a loaded machine do not add to.
  const std::clock_t started = std::clock();
  Layer cells;
  shown([&](std::FILE* out) { cells = read_image_layer(path(), out); });
  EXPECT_EQ(cells, layer_of({{1, 2}, {3, 4}}));
  EXPECT_LT(std::clock() - started, 2 * CLOCKS_PER_SEC);
}

TEST_F(HostileFiles, HeaderCommentsStandWhereverNetpbmAllowsThem) {
  const std::vector<std::pair<std::string, CodeGrid>> cases = {
      {"P2\n2 # the width\n# a line of its own\n1\n#\n255\n7 9\n", {{7, 9}}},
      {"P2\n2#glued\n1 255 # rest of the maxval's line\n7 9\n", {{7, 9}}},
      {"P5 # the magic line's rest is skipped\n  # indented\n1 1\n# late\n255\n\x2a", {{42}}},
      // Digits padded far beyond any buffer's window still make the number they spell.
      {"P2\n1 1\n255\n" + std::string(100000, '0') + "42\n", {{42}}},
  };
  for (const auto& [contents, expected] : cases) {
    EXPECT_EQ(load(read_image_layer, contents), layer_of(expected)) << contents.substr(0, 40);
  }
  const Cases refusals = {
      {"P2\n2 1\n# a comment that never ends",
       refused("The image " + path() + " ends inside its comment on line 3!")},
      {"P2\n1 1\n255\n" + std::string(100000, '0') + "4294967296\n",
       refused("A value on line 4 of the image " + path() + " is not a number!")},
  };
  expect_shown(read_image_layer, refusals, loading());
}

}  // namespace

}  // namespace quadrivant

// Reading image layers: the four Netpbm formats, files written by a real image tool, the colour
// cube conversion, and every image that is refused.
#include "level/image_layer.h"

#include <utility>

#include "level/load_test_support.h"

namespace quadrivant {

namespace {

using ImageLayer = LoadTest;

TEST_F(ImageLayer, ReadsFilesWrittenByNetpbmInAllFourFormats) {
  const std::string fixtures = std::string(QUADRIVANT_SOURCE_DIR) + "/tests/fixtures/level/";
  const Layer grey = layer_of({{0, 10, 13, 32, 35}, {50, 100, 231, 254, 255}});
  // Red, green and blue in turn over the boundaries of the cube levels (see the fixtures' README).
  const Layer colour = layer_of({{16, 16, 16, 16, 52, 52, 88, 88, 124, 124, 160, 160, 196},
                                 {16, 16, 16, 16, 22, 22, 28, 28, 34, 34, 40, 40, 46},
                                 {16, 16, 16, 16, 17, 17, 18, 18, 19, 19, 20, 20, 21}});
  // Raw samples 10, 13, 32 and 35 (newline, carriage return, blank, #) are samples; netpbm breaks
  // plain rows across lines.
  for (const std::string name : {"grey_netpbm_plain.pgm", "grey_netpbm_raw.pgm",
                                 "colour_netpbm_plain.ppm", "colour_netpbm_raw.ppm"}) {
    Layer cells;
    EXPECT_EQ(shown([&](std::FILE* out) { cells = read_image_layer(fixtures + name, out); }),
              "Loading " + fixtures + name + "\n");
    EXPECT_EQ(cells, name[0] == 'g' ? grey : colour) << name;
  }
}

TEST_F(ImageLayer, AcceptedImages) {
  const std::vector<std::pair<std::string, CodeGrid>> cases = {
      // Raw bytes are the samples; bytes after the raster are ignored.
      {"P5\n3 2\n255\n" + std::string("\x00\x32\xff\x01\xfe\x64 extra", 12),
       {{0, 50, 255}, {1, 254, 100}}},
      {"P3\n5 1\n255\n0 0 0  255 255 255  255 0 0  128 128 128  215 135 95\n",
       {{16, 231, 196, 59, 173}}},
      // Samples are neither scaled to the maxval nor limited by it; the cube index stops at the
      // largest int.
      {"P2\n2 1\n15\n15 200\n", {{15, 200}}},
      {"P2\n3 1\n255\n300 -4 2147483647\n", {{300, -4, 2147483647}}},
      {"P3\n3 1\n255\n295 0 0  -100 -100 -100  2147483647 2147483647 2147483647\n",
       {{232, 16, 2147483647}}},
      // Comment lines after the magic line, whose rest is skipped; header numbers on any lines,
      // and exactly one line after the maxval.
      {"P2\n# CREATOR: GIMP\n#\n#third\n2 1\n255\n7 9\n", {{7, 9}}},
      {"P6 9 9 # x\n# by hand\n1 1 255\n\x5f\x5f\x5f", {{59}}},
      {"P2\n2\n\n1\n   255 remark\n3\n4\n", {{3, 4}}},
      {"P5\n3 1\n255 words\n\n\r ", {{10, 13, 32}}},
      {"P6\n3 2\n255\n" + std::string(18, '\x01'), CodeGrid(2, {16, 16, 16})},
  };
  for (const auto& [contents, expected] : cases) {
    EXPECT_EQ(load(read_image_layer, contents), layer_of(expected)) << contents;
  }
}

TEST_F(ImageLayer, RawColourPixelsSplitBetweenReadBlocksAreWhole) {
  // Colours and their cube indices; the file is read in blocks of 256 KiB, and a comment of one
  // to three bytes moves the raster so that the first block ends inside a pixel at each place.
  const std::vector<std::pair<std::string, int>> colours = {{{0, 0, 0}, 16},
                                                            {{'\xff', '\xff', '\xff'}, 231},
                                                            {{95, '\x87', '\xaf'}, 67},
                                                            {{94, 95, '\xfe'}, 26},
                                                            {{'\xd7', 55, 96}, 161}};
  constexpr int width = 400, height = 250;  // 300,000 bytes of raster
  for (const std::string comment : {"#", "##", "###"}) {
    std::string contents = "P6\n" + comment + "\n400 250\n255\n";
    std::vector<int> row;
    CodeGrid expected;
    std::uint32_t state = 7;
    for (int i = 0; i < width * height; ++i) {
      state = state * 1103515245U + 12345U;
      const auto& [pixel, index] = colours[(state >> 16) % colours.size()];
      contents += pixel;
      row.push_back(index);
      if (row.size() == width) expected.push_back(std::exchange(row, {}));
    }
    EXPECT_EQ(load(read_image_layer, contents), layer_of(expected)) << comment;
  }
}

TEST_F(ImageLayer, RefusedImagesAreReportedAfterTheirLoadingLine) {
  const auto about = [&](const std::string& what, const std::string& fault) {
    return refused(what + path() + fault);
  };
  const std::string magic = refused(
      "Only 'P2'-(PGM ASCII), 'P3'-(PPM ASCII), 'P5'-(PGM RAW), and 'P6'-(PPM RAW) magic numbers "
      "accepted!");
  const std::string width = about("The width of the image ", " is not a positive number!");
  const std::string short_3x2 =
      about("The image ", " holds fewer samples than its 3x2 pixels need!");
  const Cases cases = {
      {"p2\n1 1\n255\n0\n", refused("PGM/PPM files need to start with a 'P'!")},
      {"P4\n1 1\n255\n0\n", magic},
      {"P2\n1 1\n256\n0\n", refused("Only 8 bit values accepted. Maxval is not less than 256!")},
      {"P2", about("The image ", " ends on its magic line!")},
      {"P2\n# one\n# two, without its newline",
       about("The image ", " ends inside its comment on line 3!")},
      {"P2\n0 1\n255\n", width},
      {"P2\nx 1\n255\n0\n", width},
      {"P5\n1 0\n255\n", about("The height of the image ", " is not a positive number!")},
      {"P3\n1 1\nfull\n", about("The maxval of the image ", " is not a number!")},
      {"P3\n3 2\n255\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n", short_3x2},
      {"P6\n3 2\n255\n" + std::string(17, '\x01'), short_3x2},
      // Rasters of these sizes would need gigabytes; the sanitizer build fails on the attempt.
      {"P5\n2147483647 2147483647\n255\nab",
       about("The image ", " holds fewer samples than its 2147483647x2147483647 pixels need!")},
      {"P2\n1 2147483647\n255\n1 2 3\n",
       about("The image ", " holds fewer samples than its 1x2147483647 pixels need!")},
      {"P2\n2 2\n255\n1 2\n3 x\n", about("A value on line 5 of the image ", " is not a number!")},
      {"P2\n# made by hand\n2 1\n255\n1\n# late comment\n2\n",
       about("A value on line 6 of the image ", " is not a number!")},
  };
  expect_shown(read_image_layer, cases, loading());
}

}  // namespace

}  // namespace quadrivant

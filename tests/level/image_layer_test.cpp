// Reading image layers: the four Netpbm formats, files written by a real image tool, the colour
// cube conversion, and every image that is refused.
#include "level/image_layer.h"

#include <gtest/gtest.h>

#include "level/load_test_support.h"

namespace {

const std::string fixtures = std::string(QUADRIVANT_SOURCE_DIR) + "/tests/fixtures/level/";

// The samples of the grey Netpbm fixtures, as their hand-written source holds them.
const Matrix netpbm_grey = {{0, 10, 13, 32, 35}, {50, 100, 231, 254, 255}};

// The colour Netpbm fixtures vary one component per row over the boundaries of the cube levels
// 0, 54, 55, 94 | 95, 134 | 135, 174 | 175, 214 | 215, 254 | 255 with the other two at 0.
const Matrix netpbm_colour = {
    {16, 16, 16, 16, 52, 52, 88, 88, 124, 124, 160, 160, 196},  // red: 36 per level
    {16, 16, 16, 16, 22, 22, 28, 28, 34, 34, 40, 40, 46},       // green: 6 per level
    {16, 16, 16, 16, 17, 17, 18, 18, 19, 19, 20, 20, 21},       // blue: 1 per level
};

class ImageLayer : public ::testing::Test {
 protected:
  // Loads an image written as `contents`; the report must be the file's one "Loading" line.
  Matrix load(const std::string& contents) {
    return read_written_file(directory_, "layer.img", contents, img_to_matrix, loading_report());
  }

  // Loads an image that must be refused after its "Loading" line; returns the message on
  // standard output.
  std::string refusal(const std::string& contents) {
    return on_standard_output(refusal_of_written_file(directory_, "layer.img", contents,
                                                      img_to_matrix, loading_report()));
  }

  std::string loading_report() const { return "Loading " + path_of_image() + "\n"; }
  std::string path_of_image() const { return directory_.path_of("layer.img"); }

  ScratchDirectory directory_;
};

TEST_F(ImageLayer, GreyImagesKeepTheirSamplesAsTheyStand) {
  const Matrix codes = {{0, 50, 255}, {1, 254, 100}};
  EXPECT_EQ(load("P2\n3 2\n255\n0 50 255\n1 254 100\n"), codes);
  EXPECT_EQ(load("P5\n3 2\n255\n" + std::string("\x00\x32\xff\x01\xfe\x64", 6)), codes)
      << "raw bytes 0..255 are the cell values";
}

TEST_F(ImageLayer, ReadsFilesWrittenByNetpbmInAllFourFormats) {
  LoadOutput out;
  EXPECT_EQ(img_to_matrix(fixtures + "grey_netpbm_plain.pgm", out.file()), netpbm_grey);
  EXPECT_EQ(img_to_matrix(fixtures + "grey_netpbm_raw.pgm", out.file()), netpbm_grey)
      << "raw samples 10, 13, 32 and 35 (newline, carriage return, blank, #) are samples";
  EXPECT_EQ(img_to_matrix(fixtures + "colour_netpbm_plain.ppm", out.file()), netpbm_colour)
      << "netpbm breaks plain rows across lines";
  EXPECT_EQ(img_to_matrix(fixtures + "colour_netpbm_raw.ppm", out.file()), netpbm_colour);
  EXPECT_EQ(out.text(), "Loading " + fixtures + "grey_netpbm_plain.pgm\nLoading " + fixtures +
                            "grey_netpbm_raw.pgm\nLoading " + fixtures +
                            "colour_netpbm_plain.ppm\nLoading " + fixtures +
                            "colour_netpbm_raw.ppm\n");
}

TEST_F(ImageLayer, ColourPixelsRoundDownToTheXtermColourCube) {
  // Black, white, red, a middle grey, and an orange whose components sit on cube intensities.
  EXPECT_EQ(load("P3\n5 1\n255\n0 0 0  255 255 255  255 0 0  128 128 128  215 135 95\n"),
            (Matrix{{16, 231, 196, 59, 173}}));
  // Below 95 every component counts as level 0, those below 55 included.
  EXPECT_EQ(load("P6\n2 1\n255\n" + std::string("\x5e\x5f\xfe\x00\x36\x5e", 6)),
            (Matrix{{26, 16}}));
}

TEST_F(ImageLayer, ColourCubeIndexOfEveryComponentBoundary) {
  const int highest_of_level[] = {94, 134, 174, 214, 254};
  for (int level = 0; level < 5; ++level) {
    const int below = highest_of_level[level], above = below + 1;
    EXPECT_EQ(colour_cube_index(below, 0, 0), 16 + 36 * level) << below;
    EXPECT_EQ(colour_cube_index(above, 0, 0), 16 + 36 * (level + 1)) << above;
    EXPECT_EQ(colour_cube_index(0, below, 0), 16 + 6 * level) << below;
    EXPECT_EQ(colour_cube_index(0, above, 0), 16 + 6 * (level + 1)) << above;
    EXPECT_EQ(colour_cube_index(0, 0, below), 16 + level) << below;
    EXPECT_EQ(colour_cube_index(0, 0, above), 16 + level + 1) << above;
  }
}

TEST_F(ImageLayer, SmallMaxvalIsNotRescaled) {
  EXPECT_EQ(load("P3\n1 1\n15\n15 15 15\n"), (Matrix{{16}}));
  EXPECT_EQ(load("P2\n2 1\n15\n15 200\n"), (Matrix{{15, 200}})) << "samples are not compared";
}

TEST_F(ImageLayer, PlainSamplesBeyondTheMaxvalAreTakenAsTheyCome) {
  EXPECT_EQ(load("P2\n3 1\n255\n300 -4 2147483647\n"), (Matrix{{300, -4, 2147483647}}));
  // 295 is one cube step above 255; 16 + 36 * 6 leaves the cube.
  EXPECT_EQ(load("P3\n2 1\n255\n295 0 0  -100 -100 -100\n"), (Matrix{{232, 16}}));
  // Far too large to convert: the index stops at the largest int instead of overflowing.
  EXPECT_EQ(load("P3\n1 1\n255\n2147483647 2147483647 2147483647\n"), (Matrix{{2147483647}}));
}

TEST_F(ImageLayer, CommentLinesAfterTheMagicLineAreSkipped) {
  const Matrix plain = load("P2\n2 1\n255\n7 9\n");
  EXPECT_EQ(load("P2\n# CREATOR: GIMP PNM Filter Version 1.1\n2 1\n255\n7 9\n"), plain);
  EXPECT_EQ(load("P2\n#\n# second comment\n#third\n2 1\n255\n7 9\n"), plain);
  EXPECT_EQ(load("P5\n# raw\n2 1\n255\n\x07\x09"), plain);
  EXPECT_EQ(load("P6 # a remark after the magic number\n# made by hand\n1 1 255\n\x5f\x5f\x5f"),
            (Matrix{{59}}));
}

TEST_F(ImageLayer, HeaderNumbersMayStandOnAnyLinesAfterTheMagicLine) {
  EXPECT_EQ(load("P2\n2\n\n1\n   255 remark\n3\n4\n"), (Matrix{{3, 4}}));
  // On the magic line they are skipped with the rest of that line.
  EXPECT_EQ(load("P2 9 9 255\n2 1\n255\n5 6\n"), (Matrix{{5, 6}}));
}

TEST_F(ImageLayer, OnlyTheOneNewlineAfterTheMaxvalEndsTheHeader) {
  EXPECT_EQ(load(std::string("P5\n3 1\n255\n\n\n\x0a", 14)), (Matrix{{10, 10, 10}}));
  EXPECT_EQ(load("P5\n2 1\n255 trailing words\n\r "), (Matrix{{13, 32}}));
}

TEST_F(ImageLayer, DimensionsComeFromTheImageOwnHeader) {
  const Matrix cells = load("P5\n4 3\n255\n" + std::string(12, '\x01') + "extra bytes ignored");
  ASSERT_EQ(cells.size(), 3u);
  for (const std::vector<int>& row : cells) EXPECT_EQ(row, (std::vector<int>{1, 1, 1, 1}));
}

TEST_F(ImageLayer, RefusesFilesThatAreNotPgmOrPpm) {
  const std::string not_p = "(;^_^) Oopsie! PGM/PPM files need to start with a 'P'!\n";
  EXPECT_EQ(refusal(""), not_p);
  EXPECT_EQ(refusal("p2\n1 1\n255\n0\n"), not_p);
  EXPECT_EQ(refusal("\xef\xbb\xbfP2\n1 1\n255\n0\n"), not_p) << "a byte order mark";
  const std::string magic =
      "(;^_^) Oopsie! Only 'P2'-(PGM ASCII), 'P3'-(PPM ASCII), 'P5'-(PGM RAW), and 'P6'-(PPM RAW) "
      "magic numbers accepted!\n";
  for (const std::string number : {"1", "4", "7", "0", "8", "x"}) {
    EXPECT_EQ(refusal("P" + number + "\n1 1\n255\n0\n"), magic) << number;
  }
  EXPECT_EQ(refusal("P"), magic);
}

TEST_F(ImageLayer, RefusesImagesOfMoreThanEightBits) {
  const std::string message =
      "(;^_^) Oopsie! Only 8 bit values accepted. Maxval is not less than 256!\n";
  EXPECT_EQ(refusal("P2\n1 1\n256\n0\n"), message);
  EXPECT_EQ(refusal("P5\n1 1\n65535\n\x01\x02"), message);
  EXPECT_EQ(refusal("P6\n1 1\n65535\n" + std::string(6, '\x01')), message);
  EXPECT_EQ(load("P2\n1 1\n255\n0\n"), (Matrix{{0}}));
}

TEST_F(ImageLayer, RefusesHeaderLinesThatRunToTheEndOfTheFile) {
  EXPECT_EQ(refusal("P2"),
            "(;^_^) Oopsie! The image " + path_of_image() + " ends on its magic line!\n");
  EXPECT_EQ(refusal("P5 1 1 255"),
            "(;^_^) Oopsie! The image " + path_of_image() + " ends on its magic line!\n");
  EXPECT_EQ(
      refusal("P2\n# one\n# two, without its newline"),
      "(;^_^) Oopsie! The image " + path_of_image() + " ends inside its comment on line 3!\n");
}

TEST_F(ImageLayer, RefusesDimensionsThatAreNotPositiveNumbers) {
  const std::string width =
      "(;^_^) Oopsie! The width of the image " + path_of_image() + " is not a positive number!\n";
  const std::string height =
      "(;^_^) Oopsie! The height of the image " + path_of_image() + " is not a positive number!\n";
  EXPECT_EQ(refusal("P2\n0 1\n255\n"), width);
  EXPECT_EQ(refusal("P2\n-3 1\n255\n"), width);
  EXPECT_EQ(refusal("P2\nx 1\n255\n0\n"), width);
  EXPECT_EQ(refusal("P2\n2147483648 1\n255\n0\n"), width) << "beyond the range of an int";
  EXPECT_EQ(refusal("P2\n"), width) << "no header numbers at all";
  EXPECT_EQ(refusal("P2\n# only a comment\n"), width);
  EXPECT_EQ(refusal("P5\n1 0\n255\n"), height);
  EXPECT_EQ(refusal("P5\n1 -1\n255\n"), height);
  EXPECT_EQ(refusal("P5\n1 99999999999999999999\n255\n"), height);
  EXPECT_EQ(refusal("P5\n1"), height);
  EXPECT_EQ(refusal("P3\n1 1\nfull\n"),
            "(;^_^) Oopsie! The maxval of the image " + path_of_image() + " is not a number!\n");
}

TEST_F(ImageLayer, RefusesRastersShorterThanTheHeaderPromises) {
  const std::string message = "(;^_^) Oopsie! The image " + path_of_image() +
                              " holds fewer samples than its 3x2 pixels need!\n";
  EXPECT_EQ(refusal("P2\n3 2\n255\n1 2 3\n4 5\n"), message);
  std::string seventeen_components;
  for (int i = 0; i < 17; ++i) seventeen_components += "1 ";
  EXPECT_EQ(refusal("P3\n3 2\n255\n" + seventeen_components), message);
  EXPECT_EQ(refusal("P5\n3 2\n255\n12345"), message);
  EXPECT_EQ(refusal("P6\n3 2\n255\n" + std::string(17, '\x01')), message);
  EXPECT_EQ(refusal("P5\n3 2\n255"), message) << "no newline after the maxval, no raster";
  EXPECT_EQ(load("P6\n3 2\n255\n" + std::string(18, '\x01')), Matrix(2, {16, 16, 16}));
}

TEST_F(ImageLayer, RefusesHugeHeaderPromisesWithoutAllocatingForThem) {
  // A raster of these sizes would need gigabytes; the sanitizer build would fail on the attempt.
  EXPECT_EQ(refusal("P5\n2147483647 2147483647\n255\nab"),
            "(;^_^) Oopsie! The image " + path_of_image() +
                " holds fewer samples than its 2147483647x2147483647 pixels need!\n");
  EXPECT_EQ(refusal("P6\n100000 100000\n255\nabc"),
            "(;^_^) Oopsie! The image " + path_of_image() +
                " holds fewer samples than its 100000x100000 pixels need!\n");
  EXPECT_EQ(refusal("P2\n1 2147483647\n255\n1 2 3\n"),
            "(;^_^) Oopsie! The image " + path_of_image() +
                " holds fewer samples than its 1x2147483647 pixels need!\n");
}

TEST_F(ImageLayer, RefusesPlainSamplesThatAreNotNumbers) {
  EXPECT_EQ(refusal("P2\n2 2\n255\n1 2\n3 x\n"), "(;^_^) Oopsie! A value on line 5 of the image " +
                                                     path_of_image() + " is not a number!\n");
  EXPECT_EQ(
      refusal("P3\n1 1\n255\n1 2\n\n3000000000\n"),
      "(;^_^) Oopsie! A value on line 6 of the image " + path_of_image() + " is not a number!\n")
      << "beyond the range of an int";
  EXPECT_EQ(
      refusal("P2\n# made by hand\n2 1\n255\n1\n# late comment\n2\n"),
      "(;^_^) Oopsie! A value on line 6 of the image " + path_of_image() + " is not a number!\n")
      << "comments stand only directly after the magic line";
}

TEST_F(ImageLayer, FileThatCannotBeOpenedIsReportedOnStandardErrorBeforeAnyReport) {
  LoadOutput out;
  const std::string path = path_of_image();
  const LoadError error = load_error_of([&] { img_to_matrix(path, out.file()); });
  EXPECT_EQ(on_standard_error(error), "(;^_^) Oopsie! Unable to open file -> " + path + "\n");
  EXPECT_EQ(out.text(), "");
}

}  // namespace

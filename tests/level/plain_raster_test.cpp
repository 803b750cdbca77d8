// Plain (ASCII) rasters as strangers write them: every spelling of a number that scanf's "%d"
// reads, any whitespace between numbers, samples far outside a byte, rasters many read blocks
// long, and the line of a value that is not a number wherever in the file it stands.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "level/image_layer.h"
#include "level/load_test_support.h"

namespace quadrivant {

namespace {

using PlainRaster = LoadTest;

// xorshift32: the same files on every run.
class Pattern {
 public:
  // A number from 0 to `limit` - 1.
  std::uint32_t below(std::uint32_t limit) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ % limit;
  }

 private:
  std::uint32_t state_ = 2463534242U;
};

// A raster written sample by sample, each spelled at random as "%d" still reads it: a '+' before
// some numbers that are not negative, up to twelve leading zeros, and one to three bytes of
// whitespace of every kind after it.
struct SpelledRaster {
  std::string text;
  std::int64_t newlines = 0;

  void add(std::int64_t value, Pattern& pattern) {
    if (value < 0) text += '-';
    if (value >= 0 && pattern.below(8) == 0) text += value == 0 ? '-' : '+';
    if (pattern.below(4) == 0) text += std::string(pattern.below(13), '0');
    text += std::to_string(value < 0 ? -value : value);
    for (std::uint32_t n = 1 + pattern.below(3); n > 0; --n) {
      text += " \t\n\v\f\r\n\n"[pattern.below(8)];
      newlines += text.back() == '\n' ? 1 : 0;
    }
  }
};

// The header of a plain image, followed by its raster: three lines.
std::string header(const char* format, int width, int height) {
  return std::string(format) + "\n" + std::to_string(width) + " " + std::to_string(height) +
         "\n255\n";
}

// A sample of a whole int's range at times, its ends and values just past a byte among them,
// else one of a byte.
std::int64_t any_sample(Pattern& pattern) {
  constexpr std::int64_t lowest = std::numeric_limits<int>::min();
  constexpr std::int64_t highest = std::numeric_limits<int>::max();
  switch (pattern.below(32)) {
    case 0:
      return lowest + pattern.below(3);
    case 1:
      return highest - pattern.below(3);
    case 2:
      return 256 + pattern.below(256);
    case 3:
      return lowest + pattern.below(0xffffffffU);
    default:
      return pattern.below(256);
  }
}

// The cells of `layer` match `expected` row by row, `width` to a row; only the first cell that
// differs is named, as a layer of this size would flood the report.
void expect_cells(const Layer& layer, const std::vector<int>& expected, int width) {
  ASSERT_EQ(layer.width(), width);
  ASSERT_EQ(static_cast<std::size_t>(layer.width()) * layer.height(), expected.size());
  const std::vector<int> cells = layer.values();
  const auto [differs, _] = std::mismatch(cells.begin(), cells.end(), expected.begin());
  EXPECT_EQ(differs, cells.end()) << "first differing cell: " << (differs - cells.begin());
}

// The index of the xterm colour cube as written for plain images: each component raised to at
// least 55, its level (component - 55) / 40; past the largest int it stays at the largest int.
int cube(std::int64_t red, std::int64_t green, std::int64_t blue) {
  const auto level = [](std::int64_t c) { return (std::max<std::int64_t>(c, 55) - 55) / 40; };
  return static_cast<int>(std::min<std::int64_t>(
      16 + 36 * level(red) + 6 * level(green) + level(blue), std::numeric_limits<int>::max()));
}

TEST_F(PlainRaster, ReadsEverySpellingOfItsSamplesOverManyReadBlocks) {
  // About two megabytes: the samples fall on every side of the boundaries of the file's reads.
  constexpr int width = 1000, height = 400;
  Pattern pattern;
  for (const bool bytes_only : {true, false}) {
    SpelledRaster raster;
    std::vector<int> expected;
    for (int i = 0; i < width * height; ++i) {
      // Values beyond a byte begin after the first few thousand samples.
      const std::int64_t value = bytes_only || i < 5000 ? pattern.below(256) : any_sample(pattern);
      expected.push_back(static_cast<int>(value));
      raster.add(value, pattern);
    }
    const Layer layer = load(read_image_layer, header("P2", width, height) + raster.text);
    EXPECT_EQ(layer.is_narrow(), bytes_only);
    expect_cells(layer, expected, width);
  }
}

TEST_F(PlainRaster, ColourSamplesOutsideAByteStillMakeTheirCubeIndex) {
  constexpr int width = 500, height = 100;
  Pattern pattern;
  SpelledRaster raster;
  std::vector<int> expected;
  for (int i = 0; i < width * height; ++i) {
    const std::int64_t red = any_sample(pattern), green = any_sample(pattern);
    const std::int64_t blue = any_sample(pattern);
    expected.push_back(cube(red, green, blue));
    for (const std::int64_t sample : {red, green, blue}) raster.add(sample, pattern);
  }
  expect_cells(load(read_image_layer, header("P3", width, height) + raster.text), expected, width);
}

TEST_F(PlainRaster, NamesTheLineOfAValueThatIsNotANumberWhereverItStands) {
  // Each stands after tens of thousands of samples, past the first read block.
  const std::vector<std::string> not_numbers = {
      "x",   "-",          "+",           "--1",         "+-1",
      "- 1", "2147483648", "-2147483649", "99999999999", std::string(70, '0') + "4294967296",
      "#1"};
  Pattern pattern;
  for (const std::string& not_number : not_numbers) {
    SpelledRaster raster;
    const int before = 60000 + static_cast<int>(pattern.below(20000));
    for (int i = 0; i < before; ++i) raster.add(pattern.below(256), pattern);
    write_file(path(), header("P2", before + 2, 1) + raster.text + not_number + " 5\n");
    EXPECT_EQ(shown([&](std::FILE* out) { read_image_layer(path(), out); }),
              loading() + refused("A value on line " + std::to_string(4 + raster.newlines) +
                                  " of the image " + path() + " is not a number!"))
        << not_number;
  }
}

TEST_F(PlainRaster, NumbersAndLinesAcrossTheEndOfTheFirstReadBlock) {
  // The file is read in blocks of 256 KiB: a number, or the value that is not one, starts at
  // every offset around the end of the first block, after a long run of blank lines.
  constexpr int block = 1 << 18;
  const std::string start = header("P2", 3, 1) + "7";
  for (int offset = block - 80; offset < block + 8; ++offset) {
    const auto blank = static_cast<std::size_t>(offset - static_cast<int>(start.size()));
    const std::string blank_lines = std::string(blank - 1, '\n') + " ";
    const Layer layer = load(read_image_layer, start + blank_lines + "123 45\n");
    EXPECT_EQ(layer, layer_of({{7, 123, 45}})) << "offset " << offset;
    write_file(path(), start + blank_lines + "12x 45\n");
    EXPECT_EQ(shown([&](std::FILE* out) { read_image_layer(path(), out); }),
              loading() + refused("A value on line " + std::to_string(3 + blank) +
                                  " of the image " + path() + " is not a number!"))
        << "offset " << offset;
  }
}

TEST_F(PlainRaster, TheEndOfTheFileEndsTheRaster) {
  const std::vector<std::pair<std::string, CodeGrid>> accepted = {
      {"P2\n3 1\n255\n1 2 3", {{1, 2, 3}}},
      {"P2\n2 1\n255\n256 255", {{256, 255}}},
      {"P2\n2 1\n255\n0000000000000000000000000000000255\t-0", {{255, 0}}},
      {"P3\n1 1\n255\n+255 +95 -2147483648", {{16 + 36 * 5 + 6}}},
  };
  for (const auto& [contents, expected] : accepted) {
    EXPECT_EQ(load(read_image_layer, contents), layer_of(expected)) << contents;
  }
  expect_shown(read_image_layer,
               {{"P2\n3 1\n255\n1 2\n\n",
                 refused("The image " + path() + " holds fewer samples than its 3x1 pixels need!")},
                {"P2\n3 1\n255\n1 2\n-",
                 refused("A value on line 5 of the image " + path() + " is not a number!")}},
               loading());
}

}  // namespace

}  // namespace quadrivant

#include "level/image_layer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <vector>

#include "level/image_hints.h"
#include "level/level_file.h"

namespace quadrivant {

namespace {

struct ImageHeader {
  int format = 0;  // 2, 3, 5 or 6
  int width = 0;
  int height = 0;
};

// The cube level (0..5) of one colour component: the highest of the intensities 0, 95, 135,
// 175, 215, 255 that does not exceed it.
constexpr int cube_level(int component) {
  return (std::max(component, 55) - 55) / 40;
}

// The cube level of every byte a raw raster can hold, so its pixels need no division.
constexpr std::array<unsigned char, 256> byte_cube_levels = [] {
  std::array<unsigned char, 256> levels{};
  for (int byte = 0; byte < 256; ++byte)
    levels[byte] = static_cast<unsigned char>(cube_level(byte));
  return levels;
}();

// The colour-cube index of a pixel from the cube levels of its components.
constexpr long long cube_index(long long red_level, long long green_level, long long blue_level) {
  return 16 + 36 * red_level + 6 * green_level + blue_level;
}

int raw_pixel_index(const unsigned char* pixel) {
  return static_cast<int>(cube_index(byte_cube_levels[pixel[0]], byte_cube_levels[pixel[1]],
                                     byte_cube_levels[pixel[2]]));
}

bool is_colour(int format) {
  return format == 3 || format == 6;
}
bool is_plain(int format) {
  return format == 2 || format == 3;
}

// The first bytes of an image file, enough to tell the common image formats apart.
std::string signature(int first_byte, LevelFile& file, std::size_t length) {
  std::string bytes(1, static_cast<char>(first_byte));
  for (int byte; bytes.size() < length && (byte = file.get()) >= 0;) {
    bytes += static_cast<char>(byte);
  }
  return bytes;
}

void read_magic_number(LevelFile& file, ImageHeader& header) {
  const int first = file.get();
  if (first != 'P') {
    refuse_level_file("PGM/PPM files need to start with a 'P'!\n", 0,
                      foreign_image_hint(signature(first, file, 4), file.path()));
  }
  const int second = file.get();
  header.format = second - '0';
  if (header.format != 2 && header.format != 3 && header.format != 5 && header.format != 6) {
    refuse_level_file(
        "Only 'P2'-(PGM ASCII), 'P3'-(PPM ASCII), 'P5'-(PGM RAW), and 'P6'-(PPM RAW) magic "
        "numbers accepted!\n",
        0, foreign_image_hint(std::string{'P', static_cast<char>(second)}, file.path()));
  }
  if (file.skip_line() != LineEnd::newline) {
    refuse_level_file("The image " + file.path() + " ends on its magic line!\n");
  }
}

// Comment lines ('#' to the end of the line) may stand before any number of the header, as
// Netpbm allows; image editors write them right after the magic line.
void skip_comments(LevelFile& file) {
  while (file.next_after_whitespace_is('#')) {
    const std::int64_t line = file.line();
    if (file.skip_line() != LineEnd::newline) {
      refuse_level_file("The image " + file.path() + " ends inside its comment on line " +
                        std::to_string(line) + "!\n");
    }
  }
}

NumberRead read_header_number(LevelFile& file, int& value) {
  skip_comments(file);
  return file.read_number(value);
}

int read_dimension(LevelFile& file, const char* name) {
  int value = 0;
  if (read_header_number(file, value) != NumberRead::number || value < 1) {
    refuse_level_file("The " + std::string(name) + " of the image " + file.path() +
                      " is not a positive number!\n");
  }
  return value;
}

ImageHeader read_image_header(LevelFile& file) {
  ImageHeader header;
  read_magic_number(file, header);
  header.width = read_dimension(file, "width");
  header.height = read_dimension(file, "height");
  int maxval = 0;
  if (read_header_number(file, maxval) != NumberRead::number) {
    refuse_level_file("The maxval of the image " + file.path() + " is not a number!\n");
  }
  if (maxval > 255) {
    refuse_level_file("Only 8 bit values accepted. Maxval is not less than 256!\n", 0,
                      wide_samples_hint(maxval, file.path()));
  }
  // The raster starts right after this newline, whatever bytes it holds; a header without it
  // has no raster, which the raster reader refuses.
  file.skip_line();
  return header;
}

[[noreturn]] void refuse_short_raster(const LevelFile& file, const ImageHeader& header) {
  refuse_level_file("The image " + file.path() + " holds fewer samples than its " +
                    std::to_string(header.width) + "x" + std::to_string(header.height) +
                    " pixels need!\n");
}

// One sample of a plain (ASCII) raster.
int read_plain_sample(LevelFile& file, const ImageHeader& header) {
  int sample = 0;
  const NumberRead read = file.read_number(sample);
  if (read == NumberRead::number) return sample;
  if (read == NumberRead::end_of_file) refuse_short_raster(file, header);
  // The byte that is not a number is still unread, so the line is the one it stands on.
  refuse_level_file("A value on line " + std::to_string(file.line()) + " of the image " +
                    file.path() + " is not a number!\n");
}

// The most pixels the rest of the file can hold: every plain sample takes a digit and a
// separator, but the last needs no separator.
std::uint64_t most_plain_pixels(const LevelFile& file, const ImageHeader& header) {
  const std::uint64_t samples = (file.bytes_left() + 1) / 2;
  return is_colour(header.format) ? samples / 3 : samples;
}

Layer read_plain_raster(LevelFile& file, const ImageHeader& header) {
  const std::uint64_t pixels = static_cast<std::uint64_t>(header.width) * header.height;
  // Reserved once for all the file can hold, so a header's promise reserves nothing the file does
  // not hold and a sound file never makes the cells move.
  std::vector<int> cells;
  cells.reserve(static_cast<std::size_t>(std::min(pixels, most_plain_pixels(file, header))));
  for (std::uint64_t i = 0; i < pixels; ++i) {
    if (is_colour(header.format)) {
      const int red = read_plain_sample(file, header);
      const int green = read_plain_sample(file, header);
      const int blue = read_plain_sample(file, header);
      cells.push_back(colour_cube_index(red, green, blue));
    } else {
      cells.push_back(read_plain_sample(file, header));
    }
  }
  return Layer(header.width, std::move(cells));
}

// The raster is exactly width x height pixels of one or three bytes; its size is checked against
// the file before anything is allocated, and bytes after it are never read.
Layer read_raw_raster(LevelFile& file, const ImageHeader& header) {
  const std::uint64_t bytes_per_pixel = is_colour(header.format) ? 3 : 1;
  const auto width = static_cast<std::uint64_t>(header.width);
  const auto height = static_cast<std::uint64_t>(header.height);
  // Both are below 2^31, so the product cannot overflow.
  const std::uint64_t raster_bytes = width * height * bytes_per_pixel;
  if (file.bytes_left() < raster_bytes) refuse_short_raster(file, header);

  // Filled once, as the raster is read: a layer zeroed first would be written twice.
  // Every raw sample, and every colour-cube index, fits in a byte.
  LayerBytes cells;
  if (bytes_per_pixel == 1) {
    // A grey raster is its own layer: read straight into it.
    cells.resize(static_cast<std::size_t>(raster_bytes));
    const std::uint64_t got = file.read_into(reinterpret_cast<char*>(cells.data()), raster_bytes);
    if (got < raster_bytes) refuse_short_raster(file, header);  // the file shrank meanwhile
    return Layer(header.width, std::move(cells));
  }
  cells.reserve(static_cast<std::size_t>(width * height));
  // A pixel's bytes may be split between two blocks of the file: they wait here until complete.
  std::array<unsigned char, 3> pixel{};
  std::size_t pending = 0;
  const std::uint64_t got = file.read_bytes(raster_bytes, [&](const char* bytes, std::size_t n) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    const auto* const in_end = in + n;
    if (pending != 0) {
      const std::size_t taken = std::min(pixel.size() - pending, n);
      std::copy_n(in, taken, pixel.begin() + pending);
      pending += taken;
      in += taken;
      if (pending < pixel.size()) return;
      cells.push_back(static_cast<std::uint8_t>(raw_pixel_index(pixel.data())));
    }
    for (; in_end - in >= 3; in += 3) {
      cells.push_back(static_cast<std::uint8_t>(raw_pixel_index(in)));
    }
    // Fewer bytes than a pixel are left: they wait for the next block.
    pending = std::min(static_cast<std::size_t>(in_end - in), pixel.size());
    std::copy_n(in, pending, pixel.begin());
  });
  // The file shrank since it was measured.
  if (got < raster_bytes) refuse_short_raster(file, header);
  return Layer(header.width, std::move(cells));
}

}  // namespace

int colour_cube_index(int red, int green, int blue) {
  // Wide arithmetic: a plain raster's samples are taken as they come, and absurdly large ones
  // must not overflow; such a cell holds the largest int instead.
  const long long index = cube_index(cube_level(red), cube_level(green), cube_level(blue));
  return static_cast<int>(std::min<long long>(index, std::numeric_limits<int>::max()));
}

Layer read_image_layer(const WorldFile& world_file, std::FILE* out) {
  LevelFile file(world_file);
  file.report_loading(out);
  const ImageHeader header = read_image_header(file);
  return is_plain(header.format) ? read_plain_raster(file, header) : read_raw_raster(file, header);
}

}  // namespace quadrivant

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

// What each component of a pixel whose components are all 0..255 adds to its colour-cube index,
// red bringing the cube's first index too, so such a pixel takes three look-ups and two sums.
struct CubeShares {
  std::array<std::uint8_t, 256> red{}, green{}, blue{};
};

constexpr CubeShares cube_shares = [] {
  CubeShares shares;
  for (std::size_t byte = 0; byte < 256; ++byte) {
    shares.red[byte] = static_cast<std::uint8_t>(cube_index(byte_cube_levels[byte], 0, 0));
    shares.green[byte] = static_cast<std::uint8_t>(cube_index(0, byte_cube_levels[byte], 0) - 16);
    shares.blue[byte] = static_cast<std::uint8_t>(cube_index(0, 0, byte_cube_levels[byte]) - 16);
  }
  return shares;
}();

std::uint8_t byte_pixel_index(unsigned red, unsigned green, unsigned blue) {
  return static_cast<std::uint8_t>(cube_shares.red[red] + cube_shares.green[green] +
                                   cube_shares.blue[blue]);
}

std::uint8_t raw_pixel_index(const unsigned char* pixel) {
  return byte_pixel_index(pixel[0], pixel[1], pixel[2]);
}

bool is_colour_format(int format) {
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

// The most pixels the rest of the file can hold: every plain sample takes a digit and a
// separator, but the last needs no separator.
std::uint64_t most_plain_pixels(const LevelFile& file, const ImageHeader& header) {
  const std::uint64_t samples = (file.bytes_left() + 1) / 2;
  return is_colour_format(header.format) ? samples / 3 : samples;
}

// The cells of a plain raster as they are read: bytes while every value fits in one, ints from
// the first that does not (the load-time check refuses such a layer, naming the value).
class PlainCells {
 public:
  explicit PlainCells(std::size_t expected) { bytes_.reserve(expected); }

  void add(std::span<const int> values) {
    if (!wide_ && all_fit_in_a_byte(values)) {
      const std::size_t end = bytes_.size();
      bytes_.resize(end + values.size());
      std::copy(values.begin(), values.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(end));
      return;
    }
    if (!wide_) widen();
    ints_.insert(ints_.end(), values.begin(), values.end());
  }

  Layer layer(int width) && {
    return wide_ ? Layer(width, std::move(ints_)) : Layer(width, std::move(bytes_));
  }

 private:
  // Looks at every value, without stopping at the first too large, so the look runs in wide steps.
  static bool all_fit_in_a_byte(std::span<const int> values) {
    unsigned beyond_a_byte = 0;
    for (const int value : values) beyond_a_byte |= static_cast<unsigned>(value) >> 8;
    return beyond_a_byte == 0;
  }

  void widen() {
    ints_.reserve(bytes_.capacity());
    ints_.assign(bytes_.begin(), bytes_.end());
    bytes_ = {};
    wide_ = true;
  }

  bool wide_ = false;
  LayerBytes bytes_;
  std::vector<int> ints_;
};

// Samples are read in batches of this many, a whole number of pixels of either kind, each batch
// converted into the layer at once.
constexpr std::size_t sample_batch = 3 * 1024;

// Fills `batch` with the next samples of a plain raster; refuses a raster that ends first or
// holds something else than a number.
void read_plain_samples(LevelFile& file, const ImageHeader& header, std::span<int> batch) {
  std::size_t count = 0;
  const NumberRead read = file.read_numbers(batch, count);
  if (read == NumberRead::end_of_file) refuse_short_raster(file, header);
  if (read == NumberRead::not_a_number) {
    // The byte that is not a number is still unread, so the line is the one it stands on.
    refuse_level_file("A value on line " + std::to_string(file.line()) + " of the image " +
                      file.path() + " is not a number!\n");
  }
}

// The colour-cube index of every pixel of `samples`, three samples a pixel, into `indices`.
void index_pixels(std::span<const int> samples, std::span<int> indices) {
  for (std::size_t i = 0; i < indices.size(); ++i) {
    const int* const pixel = &samples[3 * i];
    // Samples of an 8-bit image are looked up; any others take the arithmetic.
    if (static_cast<unsigned>(pixel[0] | pixel[1] | pixel[2]) <= 255) {
      indices[i] =
          byte_pixel_index(static_cast<unsigned>(pixel[0]), static_cast<unsigned>(pixel[1]),
                           static_cast<unsigned>(pixel[2]));
    } else {
      indices[i] = colour_cube_index(pixel[0], pixel[1], pixel[2]);
    }
  }
}

Layer read_plain_raster(LevelFile& file, const ImageHeader& header) {
  const std::uint64_t pixels = static_cast<std::uint64_t>(header.width) * header.height;
  const std::uint64_t per_pixel = is_colour_format(header.format) ? 3 : 1;
  // Reserved once for all the file can hold, so a header's promise reserves nothing the file does
  // not hold and a sound file never makes the cells move.
  PlainCells cells(static_cast<std::size_t>(std::min(pixels, most_plain_pixels(file, header))));
  std::array<int, sample_batch> samples;
  std::array<int, sample_batch / 3> indices;
  for (std::uint64_t done = 0; done < pixels;) {
    const auto batch =
        static_cast<std::size_t>(std::min<std::uint64_t>(pixels - done, sample_batch / per_pixel));
    const std::span<int> read(samples.data(), batch * per_pixel);
    read_plain_samples(file, header, read);
    if (per_pixel == 3) {
      index_pixels(read, std::span(indices.data(), batch));
      cells.add(std::span(indices.data(), batch));
    } else {
      cells.add(read);
    }
    done += batch;
  }
  return std::move(cells).layer(header.width);
}

// The raster is exactly width x height pixels of one or three bytes; its size is checked against
// the file before anything is allocated, and bytes after it are never read.
Layer read_raw_raster(LevelFile& file, const ImageHeader& header) {
  const std::uint64_t bytes_per_pixel = is_colour_format(header.format) ? 3 : 1;
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
  cells.resize(static_cast<std::size_t>(width * height));
  // The raster holds exactly as many pixels as the layer cells: each is written once, in turn.
  std::uint8_t* out = cells.data();
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
      *out++ = raw_pixel_index(pixel.data());
    }
    std::uint8_t* const block_out = out;
    const std::size_t whole_pixels = static_cast<std::size_t>(in_end - in) / 3;
    for (std::size_t i = 0; i < whole_pixels; ++i, in += 3) block_out[i] = raw_pixel_index(in);
    out += whole_pixels;
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

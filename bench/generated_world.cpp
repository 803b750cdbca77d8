#include "generated_world.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "level/cell_codes.h"
#include "screen/geometry.h"

namespace quadrivant {

namespace {

// xorshift32: the same numbers on every platform, unlike the standard distributions.
class Pattern {
 public:
  explicit Pattern(std::uint32_t seed) : state_(seed) {}
  int next_byte() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ >> 24);
  }

 private:
  std::uint32_t state_;
};

// Information codes whose gate no obstruction table can hold (49 obstructions at most).
constexpr int first_gateless_information = information_code(most_obstructions);

// A cell code of a playable level with full tables: every code but the information entries
// without a gate.
int playable_code(int byte) {
  return byte >= first_gateless_information && byte < finish_code ? free_ground_code : byte;
}

// The codes of a level whose tables hold one entry each: mostly free ground.
constexpr std::array<int, 8> one_entry_codes{
    free_ground_code, free_ground_code,    obstruction_code(0), room_transition_code(0),
    problem_code(0),  information_code(0), finish_code,         obstacle_code};

int one_entry_code(int byte) {
  return one_entry_codes[static_cast<std::size_t>(byte) % one_entry_codes.size()];
}

// A colour layer holds colour-cube indices (16..231) only: the codes of entry 0 are drawn with
// the pixels whose indices they are (49, 50, 100 and 200).
constexpr std::array<std::array<int, 3>, 4> one_entry_pixels{
    {{0, 255, 175}, {0, 255, 215}, {135, 135, 0}, {255, 0, 215}}};

// The components of such pixels in turn: each pixel is chosen by the byte of its first one.
class OneEntryPixels {
 public:
  int operator()(int byte) {
    if (component_ == 0) pixel_ = static_cast<std::size_t>(byte) % one_entry_pixels.size();
    const int value = one_entry_pixels[pixel_][component_];
    component_ = (component_ + 1) % 3;
    return value;
  }

 private:
  std::size_t pixel_ = 0;
  std::size_t component_ = 0;
};

// How many entries each table of a world with `tables` holds.
struct TableSizes {
  int transitions;
  int problems;
  int informations;
  int obstructions;
};

constexpr TableSizes table_sizes(TableFill tables) {
  if (tables == TableFill::one_entry) return {1, 1, 1, 1};
  // As many entries as the cell codes can name, so that every generated code is playable.
  return {most_room_transitions, most_problems, most_obstructions, most_obstructions};
}

void write_file(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

// Netpbm keeps plain raster lines within 70 characters; each image row starts a new line.
constexpr std::size_t plain_line_length = 70;

class PlainRaster {
 public:
  explicit PlainRaster(std::string& out) : out_(out) {}
  void add(int sample) {
    const std::string text = std::to_string(sample);
    if (line_ != 0 && line_ + 1 + text.size() > plain_line_length) end_line();
    if (line_ != 0) out_ += ' ', ++line_;
    out_ += text;
    line_ += text.size();
  }
  void end_line() {
    out_ += '\n';
    line_ = 0;
  }

 private:
  std::string& out_;
  std::size_t line_ = 0;
};

// A width x height image of `format`: samples from `pattern`, each passed through `sample`.
template <class Sample>
std::string image(const ImageFormat& format, int width, int height, Pattern pattern,
                  Sample sample) {
  const int per_pixel = format.colour ? 3 : 1;
  std::string bytes = std::string(format.name) + "\n# generated for the benchmarks\n" +
                      std::to_string(width) + " " + std::to_string(height) + "\n255\n";
  PlainRaster plain(bytes);
  for (int y = 0; y < height; ++y) {
    for (int i = 0; i < width * per_pixel; ++i) {
      const int value = sample(pattern.next_byte());
      if (format.plain) {
        plain.add(value);
      } else {
        bytes += static_cast<char>(value);
      }
    }
    if (format.plain) plain.end_line();
  }
  return bytes;
}

int unchanged(int byte) {
  return byte;
}

std::string content(int width, int height, Pattern pattern) {
  std::string bytes = "Map of the generated level\n" + std::to_string(width) + " " +
                      std::to_string(height) + "\n(the map rows follow)\n";
  for (int y = 0; y < height; ++y) {
    // Printable characters only: '!' to '~'.
    for (int x = 0; x < width; ++x) bytes += static_cast<char>('!' + pattern.next_byte() % 94);
    bytes += '\n';
  }
  return bytes;
}

std::string table_header(const char* title, int count) {
  return std::string(title) + "\n" + std::to_string(count) + "\n(entries follow)\n";
}

std::string transitions(int width, int height, int count) {
  std::string bytes = table_header("Room transitions of the generated level", count);
  for (int k = 0; k < count; ++k) {
    bytes += "0 " + std::to_string(k * 37 % width) + " " + std::to_string(k * 53 % height) +
             "   to another place\n";
  }
  return bytes;
}

std::string dialogues(const char* title, int count, const char* first, const char* second) {
  std::string bytes = table_header(title, count);
  for (int k = 0; k < count; ++k) {
    const std::string number = std::to_string(k);
    bytes += std::string(first) + " " + number + "\t\tA line of text that fills the panel.\n";
    bytes += std::string(second) + " " + number + "\t\tAnother line of text.\n";
    bytes += number + "\n";
  }
  return bytes;
}

std::string obstructions(int count) {
  std::string bytes = table_header("Obstructions of the generated level", count);
  for (int k = 0; k < count; ++k) {
    bytes += "Gate " + std::to_string(k) + "\t\tIt does not move.\n";
  }
  return bytes;
}

std::string manifest(const std::string& fg, const std::string& bg, const std::string& codes) {
  return "Generated world\n1 level\n" + fg + "\n" + bg + "\n" + codes +
         "\ncontent.txt\ntransitions.txt\nproblems.txt\ninfos.txt\nobstructions.txt\n";
}

void write_tables(const std::string& world, int width, int height, TableFill tables) {
  const TableSizes sizes = table_sizes(tables);
  write_file(world + "/content.txt", content(width, height, Pattern(4)));
  write_file(world + "/transitions.txt", transitions(width, height, sizes.transitions));
  write_file(world + "/problems.txt",
             dialogues("Problems of the generated level", sizes.problems, "Question", "Solved"));
  write_file(world + "/infos.txt", dialogues("Information entries of the generated level",
                                             sizes.informations, "Locked", "Unlocked"));
  write_file(world + "/obstructions.txt", obstructions(sizes.obstructions));
}

std::string codes_image(const ImageFormat& format, int width, int height, TableFill tables) {
  if (tables == TableFill::full) return image(format, width, height, Pattern(3), playable_code);
  if (format.colour) return image(format, width, height, Pattern(3), OneEntryPixels());
  return image(format, width, height, Pattern(3), one_entry_code);
}

void write_format_world(const std::string& world, const ImageFormat& format, TableFill tables) {
  const int width = generated_width, height = generated_height;
  write_file(world + "/" + image_name("fg", format),
             image(format, width, height, Pattern(1), unchanged));
  write_file(world + "/" + image_name("bg", format),
             image(format, width, height, Pattern(2), unchanged));
  write_file(world + "/" + image_name("codes", format), codes_image(format, width, height, tables));
  write_tables(world, width, height, tables);
  write_file(world + "/manifest.txt", manifest(image_name("fg", format), image_name("bg", format),
                                               image_name("codes", format)));
}

// The smallest map, with a foreground layer far taller than it.
void write_refused_world(const std::string& world) {
  const ImageFormat& raw_grey = image_formats[2];
  const int width = viewport_columns, height = viewport_rows;
  write_file(world + "/tall.pgm", image(raw_grey, 1, refused_layer_height, Pattern(1), unchanged));
  write_file(world + "/bg.pgm", image(raw_grey, width, height, Pattern(2), unchanged));
  write_file(world + "/codes.pgm", image(raw_grey, width, height, Pattern(3), playable_code));
  write_tables(world, width, height, TableFill::full);
  write_file(world + "/manifest.txt", manifest("tall.pgm", "bg.pgm", "codes.pgm"));
}

}  // namespace

std::string world_directory(const std::string& directory, const std::string& world) {
  return directory + "/" + world;
}

std::string world_name(const ImageFormat& format, TableFill tables) {
  return std::string(format.name) + (tables == TableFill::one_entry ? "-one-entry" : "");
}

std::string image_name(const char* layer, const ImageFormat& format) {
  return std::string(layer) + format.extension;
}

void write_generated_worlds(const std::string& directory) {
  for (const ImageFormat& format : image_formats) {
    for (const TableFill tables : table_fills) {
      const std::string world = world_directory(directory, world_name(format, tables));
      std::filesystem::create_directories(world);
      write_format_world(world, format, tables);
    }
  }
  const std::string refused = world_directory(directory, "refused");
  std::filesystem::create_directories(refused);
  write_refused_world(refused);
}

}  // namespace quadrivant

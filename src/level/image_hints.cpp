#include "level/image_hints.h"

#include <array>

namespace quadrivant {

namespace {

// Netpbm images hold samples of at most two bytes.
constexpr int largest_netpbm_maxval = 65535;

struct ImageFormat {
  std::string_view signature;  // the bytes the file starts with
  const char* name;
  const char* converter;  // netpbm's program that makes a PNM image of it
};

constexpr std::array<ImageFormat, 7> foreign_formats = {{
    {"\x89PNG", "a PNG image", "pngtopnm"},
    {"\xff\xd8\xff", "a JPEG image", "jpegtopnm"},
    {"GIF8", "a GIF image", "giftopnm"},
    {"BM", "a BMP image", "bmptopnm"},
    {std::string_view("II*\0", 4), "a TIFF image", "tifftopnm"},
    {std::string_view("MM\0*", 4), "a TIFF image", "tifftopnm"},
    {"P7", "a PAM image (P7)", "pamtopnm"},
}};

// `path` without its extension, for the converted file's name beside it.
std::string stem_of(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  const bool has_extension =
      dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return has_extension ? path.substr(0, dot) : path;
}

// The commands that turn `path` into an 8-bit PGM or PPM image; netpbm's begins with `netpbm`,
// which reads the file and writes the image on its standard output.
std::string conversion(const std::string& netpbm, const std::string& path) {
  const std::string stem = stem_of(path);
  // The shell empties the redirection's file before netpbm reads, so it must be another one.
  const std::string converted = stem + (path == stem + ".pnm" ? ".8bit.pnm" : ".pnm");
  return "convert it with netpbm, \"" + netpbm + " " + path + " > " + converted +
         "\", or ImageMagick, \"convert " + path + " -depth 8 " + stem +
         ".ppm\" (.pgm for a grey layer such as the cell codes), and name the new file in the "
         "manifest";
}

}  // namespace

std::string foreign_image_hint(std::string_view first_bytes, const std::string& path) {
  for (const ImageFormat& format : foreign_formats) {
    if (first_bytes.starts_with(format.signature)) {
      return "the file is " + std::string(format.name) +
             ", which the game does not read: " + conversion(format.converter, path);
    }
  }
  return "";
}

std::string wide_samples_hint(int maxval, const std::string& path) {
  if (maxval > largest_netpbm_maxval) return "";
  return "its maxval " + std::to_string(maxval) +
         " takes two bytes a sample; to make it an 8-bit image (maxval 255), " +
         conversion("pamdepth 255", path);
}

}  // namespace quadrivant

// Hints for a level author whose image the game refuses for its format: what the file is, and
// the command (netpbm's or ImageMagick's) that makes it an image the game reads. The game's own
// refusals keep their words; the level checker adds these.
#pragma once

#include <string>
#include <string_view>

namespace quadrivant {

// For a file that starts with `first_bytes` (its first four bytes, or fewer if it is shorter):
// what it is and how to convert it, naming it by `path`, for PNG, JPEG, GIF, BMP, TIFF and PAM
// files; "" for anything else.
std::string foreign_image_hint(std::string_view first_bytes, const std::string& path);

// For a Netpbm image whose `maxval` is above 255 (two bytes a sample): how to make it 8-bit; ""
// for a maxval no Netpbm image has.
std::string wide_samples_hint(int maxval, const std::string& path);

}  // namespace quadrivant

// Image layers: P2, P3, P5 and P6 Netpbm files read into a layer of one value per map cell.
#pragma once

#include <cstdio>
#include <string>

#include "level/level_file.h"
#include "level/world.h"

namespace quadrivant {

// Reads the image at `path` into a layer with the dimensions of its own header: grey
// samples (P2, P5) as they stand, colour pixels (P3, P6) as xterm colour-cube indices.
// Prints "Loading <path>\n" to `out` once the file is open. Throws a Failure on any fault.
// Relative paths are taken from the world's directory.
Layer read_image_layer(const WorldFile& world_file, std::FILE* out);

// The xterm colour-cube index (16..231) of a pixel: each component goes down to the highest
// cube intensity (0, 95, 135, 175, 215, 255) that does not exceed it.
int colour_cube_index(int red, int green, int blue);

}  // namespace quadrivant

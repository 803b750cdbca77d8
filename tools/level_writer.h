// Writes a built world as the files the game loads: manifest.txt and, for every level, the
// folder levels/<name>/ with its three image layers (plain PGM), its content file and its four
// tables. Every file says in its first line what it is; the game skips that line.
#pragma once

#include <string>
#include <vector>

#include "level/manifest.h"
#include "world_builder.h"

// Writes the world into `directory` (created if need be) and returns the paths written,
// relative to it, manifest.txt first. Throws SourceError if a file cannot be written.
std::vector<std::string> write_world_files(const BuiltWorld& world, const std::string& directory);

// The manifest the world is written with: its levels' files as levels/<name>/<file>.
Manifest manifest_of(const BuiltWorld& world);

// Writes `contents` to `path`. Throws SourceError if it cannot.
void write_text_file(const std::string& path, const std::string& contents);

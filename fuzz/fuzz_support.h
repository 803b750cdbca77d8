// What every fuzz target shares: a scratch directory of its own for the files the loaders read,
// and an output stream that swallows the loaders' reports and the game's drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "base/failure.h"

namespace quadrivant {

// A stream to /dev/null, opened once for the whole run.
std::FILE* null_output();

// This process's own empty directory below the system's temporary directory, removed at exit.
const std::string& scratch_directory();

// Writes `size` bytes to `path`, replacing what it held.
void write_bytes(const std::string& path, const std::uint8_t* data, std::size_t size);

// Writes the fuzz input to one file in the scratch directory and returns its path: the readers
// take a path, as the game gives them one from the manifest.
std::string input_as_file(const std::uint8_t* data, std::size_t size);

// Hands the fuzz input, as a file, to a reader of one level file (`reader(path, out)`). Refusing
// the file with a Failure is the reader's job; anything else escapes and is a finding.
template <class Reader>
void read_input_with(const std::uint8_t* data, std::size_t size, Reader reader) {
  try {
    reader(input_as_file(data, size), null_output());
  } catch (const Failure&) {
  }
}

// Unpacks the fuzz input, a world archive (world_archive.h), into a fresh empty directory of its
// own and returns that directory, so no file of an earlier input is read.
const std::string& unpack_input_as_world(const std::uint8_t* data, std::size_t size);

}  // namespace quadrivant

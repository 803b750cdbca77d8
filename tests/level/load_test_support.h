// Helpers for the loading tests: a directory of level files that disappears after the test, an
// in-memory stream for the loading reports, and catching the refusal of a load.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "level/load_error.h"

// A fresh temporary directory, removed with everything in it when the test ends.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& path() const { return path_; }

  // Writes `contents` byte for byte to the file `name` in the directory; returns its path.
  std::string write(const std::string& name, const std::string& contents) const;

  // The path of `name` in the directory; the file need not exist.
  std::string path_of(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The stream that a loader prints its reports to, kept in memory.
class LoadOutput {
 public:
  LoadOutput();
  ~LoadOutput();
  LoadOutput(const LoadOutput&) = delete;
  LoadOutput& operator=(const LoadOutput&) = delete;

  std::FILE* file() { return file_; }

  // Everything printed so far.
  std::string text();

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

// Runs `load` and returns the LoadError it throws; fails the test if `load` returns.
template <class Load>
LoadError load_error_of(Load&& load) {
  try {
    load();
  } catch (const LoadError& error) {
    return error;
  }
  ADD_FAILURE() << "the load was not refused";
  return LoadError("(not refused)", MessageStream::standard_output);
}

// Writes `contents` to the file `name` in `directory`, reads it with `read` (path, stream) and
// returns what `read` returned, after checking that it printed `reports` and nothing else.
template <class Read>
auto read_written_file(const ScratchDirectory& directory, const std::string& name,
                       const std::string& contents, Read&& read, const std::string& reports) {
  const std::string path = directory.write(name, contents);
  LoadOutput out;
  auto result = read(path, out.file());
  EXPECT_EQ(out.text(), reports);
  return result;
}

// The same for a file that `read` must refuse: returns the LoadError, after checking that
// `reports` were printed before it and nothing after.
template <class Read>
LoadError refusal_of_written_file(const ScratchDirectory& directory, const std::string& name,
                                  const std::string& contents, Read&& read,
                                  const std::string& reports) {
  const std::string path = directory.write(name, contents);
  LoadOutput out;
  const LoadError error = load_error_of([&] { read(path, out.file()); });
  EXPECT_EQ(out.text(), reports);
  return error;
}

// The text of a refusal on standard output and on standard error, for EXPECT_EQ.
std::string on_standard_output(const LoadError& error);
std::string on_standard_error(const LoadError& error);

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

// The text of a refusal on standard output and on standard error, for EXPECT_EQ.
std::string on_standard_output(const LoadError& error);
std::string on_standard_error(const LoadError& error);

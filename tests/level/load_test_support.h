// Helpers for the loading tests: level files written to a directory of the test's own, read
// in-process, and everything a player would see of the load.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "level/world.h"
#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

// A layer in a failure message: its size and its rows.
void PrintTo(const Layer& layer, std::ostream* out);

// A refusal as the player sees it.
inline std::string refused(const std::string& what) {
  return "(;^_^) Oopsie! " + what + "\n";
}

// Files to read, each with what a player must see of reading it.
using Cases = std::vector<std::pair<std::string, std::string>>;

class LoadTest : public ::testing::Test {
 protected:
  LoadTest() : directory_(make_temporary_directory()) {}
  ~LoadTest() override { std::filesystem::remove_all(directory_); }

  // The path of `name` in the test's directory, which is removed when the test ends.
  std::string path(const std::string& name = "level.file") const { return directory_ + "/" + name; }
  std::string loading() const { return "Loading " + path() + "\n"; }

  // What a player sees of `load(out)`: every report it prints to `out`, then the message of its
  // refusal if it throws one; a message that belongs on standard error follows "stderr: ".
  std::string shown(const std::function<void(std::FILE*)>& load);

  // Writes each case's contents to path() and reads it with `read`: a player must see `before`
  // and then the case's text.
  template <class Read>
  void expect_shown(Read read, const Cases& cases, const std::string& before) {
    for (const auto& [contents, seen] : cases) {
      write_file(path(), contents);
      EXPECT_EQ(shown([&](std::FILE* out) { read(path(), out); }), before + seen)
          << contents.substr(0, 60);
    }
  }

  // Writes `contents` to path() and returns what `read` makes of it; the read must succeed.
  template <class Read>
  auto load(Read read, const std::string& contents) {
    decltype(read(path(), nullptr)) result{};
    write_file(path(), contents);
    const std::string seen = shown([&](std::FILE* out) { result = read(path(), out); });
    EXPECT_EQ(seen.find("Oopsie"), std::string::npos) << seen;
    return result;
  }

  const std::string directory_;
};

}  // namespace quadrivant

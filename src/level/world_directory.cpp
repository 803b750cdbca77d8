#include "level/world_directory.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/failure.h"
#include "base/text.h"
#include "level/manifest.h"

namespace quadrivant {

namespace {

bool holds_manifest(const std::string& directory) {
  std::error_code error;
  return std::filesystem::is_regular_file(manifest_path(directory), error);
}

[[noreturn]] void refuse(const std::string& text) {
  throw Failure(oopsie(text + "!\n"));
}

}  // namespace

std::string default_world_directory(const std::string& installed) {
  if (!holds_manifest("") && !installed.empty() && holds_manifest(installed)) return installed;
  return "";
}

void refuse_unless_world_directory(const std::string& directory) {
  const std::string shown = printable(directory);
  struct stat status {};
  if (::stat(directory.c_str(), &status) != 0) {
    // Only a path that names nothing is "no world directory"; a path too long for the system, or
    // one the user may not look into, is told as it is.
    if (errno == ENOENT) refuse("There is no world directory " + shown);
    refuse("The world directory " + shown + " cannot be used: " + std::strerror(errno));
  }
  if (!S_ISDIR(status.st_mode))
    refuse(shown + " is not a directory: name the directory of a world");
  // A manifest.txt that is there but no regular file is refused by the loader, which says what it
  // is.
  if (::lstat(manifest_path(directory).c_str(), &status) != 0 && errno == ENOENT) {
    refuse("The directory " + shown + " holds no " + manifest_name);
  }
}

}  // namespace quadrivant

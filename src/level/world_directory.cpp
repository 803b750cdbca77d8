#include "level/world_directory.h"

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

}  // namespace

std::string default_world_directory(const std::string& installed) {
  if (!holds_manifest("") && !installed.empty() && holds_manifest(installed)) return installed;
  return "";
}

void refuse_unless_world_directory(const std::string& directory) {
  const std::string shown = printable(directory);
  std::error_code error;
  if (!std::filesystem::exists(directory, error)) {
    throw Failure(oopsie("There is no world directory " + shown + "!\n"));
  }
  if (!std::filesystem::is_directory(directory, error)) {
    throw Failure(oopsie(shown + " is not a directory: name the directory of a world!\n"));
  }
  if (!holds_manifest(directory)) {
    throw Failure(oopsie("The directory " + shown + " holds no " + manifest_name + "!\n"));
  }
}

}  // namespace quadrivant

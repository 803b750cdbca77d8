#include "author/world_output.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <system_error>

#include "base/failure.h"
#include "base/text.h"
#include "level/manifest.h"

namespace quadrivant {

namespace {

namespace fs = std::filesystem;

// A manifest larger than this was not written by the tool: it is not even read.
constexpr std::uintmax_t largest_written_manifest = std::uintmax_t{1} << 24;

std::string shown(const std::string& directory, const std::string& path) {
  return printable(directory + "/" + path);
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The level names of a manifest in the tool's layout: its first group's paths,
// levels/<name>/fg.pgm.
std::optional<std::vector<std::string>> level_names_of(const std::vector<std::string>& lines) {
  if (lines.size() < 3) return std::nullopt;
  std::size_t levels = 0;
  std::istringstream count(lines[1]);
  if (!(count >> levels) || levels == 0 || lines.size() < 3 + levels) return std::nullopt;
  const std::string first_file = std::string("/") + level_file_name(group_fg_layer);
  std::vector<std::string> names;
  for (std::size_t k = 0; k < levels; ++k) {
    const std::string& path = lines[3 + k];
    if (!path.starts_with(named_levels_folder) || !path.ends_with(first_file)) return std::nullopt;
    names.push_back(path.substr(named_levels_folder.size(),
                                path.size() - named_levels_folder.size() - first_file.size()));
  }
  return names;
}

// The files of the tool's build that wrote `text` as its manifest; nothing if the tool did not
// write it (it would have written other bytes).
std::optional<std::vector<std::string>> files_of_build(const std::string& text) {
  const std::vector<std::string> lines = lines_of(text);
  const auto names = level_names_of(lines);
  if (!names) return std::nullopt;
  if (manifest_text(named_levels_layout(lines[0], *names)) != text) return std::nullopt;
  std::vector<std::string> files{manifest_name, walkthrough_name};
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (!lines[i].starts_with('#')) files.push_back(lines[i]);
  }
  return files;
}

std::string read_whole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The files of the tool's last build in `directory`: none if it holds no manifest.txt. Refuses a
// manifest.txt the tool did not write.
std::set<std::string> earlier_build(const std::string& directory) {
  const std::string manifest = directory + "/" + manifest_name;
  std::error_code error;
  if (!fs::exists(fs::symlink_status(manifest, error))) return {};
  std::optional<std::vector<std::string>> files;
  if (fs::is_regular_file(fs::symlink_status(manifest, error)) &&
      fs::file_size(manifest, error) <= largest_written_manifest) {
    files = files_of_build(read_whole(manifest));
  }
  if (!files) {
    throw Failure(printable(manifest) +
                  ": was not written by quadrivant-author, which replaces only a world of its own: "
                  "build into a new or empty directory\n");
  }
  return {files->begin(), files->end()};
}

// Refuses a file or folder in the way of `path`: one the last build did not write, or a file where
// a folder must be.
void check_way(const std::string& directory, const std::string& path,
               const std::set<std::string>& earlier) {
  std::error_code error;
  for (fs::path folder = fs::path(path).parent_path(); !folder.empty();
       folder = folder.parent_path()) {
    const fs::file_status status = fs::symlink_status(directory / folder, error);
    if (fs::exists(status) && !fs::is_directory(status)) {
      throw Failure(shown(directory, folder.string()) +
                    ": is in the way of a folder quadrivant-author writes; it never replaces what "
                    "it did not write\n");
    }
  }
  const fs::file_status status = fs::symlink_status(directory + "/" + path, error);
  if (!fs::exists(status)) return;
  if (!earlier.count(path) || !fs::is_regular_file(status)) {
    throw Failure(shown(directory, path) +
                  ": is in the way: quadrivant-author did not write it, and never replaces what "
                  "it did not write\n");
  }
}

// A fresh folder of the tool's own in `directory`, removed with everything left in it when the
// build ends, however it ends.
class StagingFolder {
 public:
  explicit StagingFolder(const std::string& directory) {
    std::string pattern = directory + "/.quadrivant-author-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw Failure(printable(directory) + ": cannot be written (" + std::strerror(errno) + ")\n");
    }
    path_ = pattern;
  }
  ~StagingFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  StagingFolder(const StagingFolder&) = delete;
  StagingFolder& operator=(const StagingFolder&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void make_folders_for(const std::string& file) {
  std::error_code error;
  fs::create_directories(fs::path(file).parent_path(), error);
}

void move_into_place(const std::string& from, const std::string& directory,
                     const std::string& path) {
  const std::string to = directory + "/" + path;
  make_folders_for(to);
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    throw Failure(printable(to) + ": cannot be written (" + std::strerror(errno) + ")\n");
  }
}

// Removes the files of the earlier build that the new one did not write, then the folders they
// leave empty (a folder that still holds anything stays).
void remove_stale(const std::string& directory, const std::set<std::string>& earlier,
                  const std::set<std::string>& written) {
  std::set<fs::path, std::greater<>> folders;
  for (const std::string& path : earlier) {
    if (written.count(path)) continue;
    std::error_code error;
    fs::remove(directory + "/" + path, error);
    for (fs::path folder = fs::path(path).parent_path(); !folder.empty();
         folder = folder.parent_path()) {
      folders.insert(folder);
    }
  }
  // Deeper folders first: they sort after the folders that hold them.
  for (const fs::path& folder : folders) {
    std::error_code error;
    if (fs::is_empty(directory / folder, error)) fs::remove(directory / folder, error);
  }
}

}  // namespace

void replace_world(const std::string& directory, const std::vector<WorldFileText>& files,
                   const std::function<void(const std::string& written)>& prove) {
  const std::set<std::string> earlier = earlier_build(directory);
  std::set<std::string> written;
  for (const WorldFileText& file : files) {
    check_way(directory, file.path, earlier);
    written.insert(file.path);
  }

  std::error_code error;
  fs::create_directories(directory, error);
  const StagingFolder staging(directory);
  for (const WorldFileText& file : files) {
    const std::string path = staging.path() + "/" + file.path;
    make_folders_for(path);
    write_text_file(path, file.text);
  }
  prove(staging.path());

  // The manifest last: until it is in place, the world's directory names the earlier files.
  for (const WorldFileText& file : files) {
    if (file.path != manifest_name) {
      move_into_place(staging.path() + "/" + file.path, directory, file.path);
    }
  }
  move_into_place(staging.path() + "/" + manifest_name, directory, manifest_name);
  remove_stale(directory, earlier, written);
}

}  // namespace quadrivant

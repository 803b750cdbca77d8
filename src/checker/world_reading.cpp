#include "checker/world_reading.h"

#include "base/failure.h"

namespace quadrivant {

namespace {

// Runs `load`; a refusal becomes an error at `where`. Returns whether it loaded.
template <class Load>
bool loads(const std::string& where, Findings& findings, Load load) {
  try {
    load();
    return true;
  } catch (const Failure& refusal) {
    // The refusal's own words, without the game's voice.
    findings.push_back({Severity::error, where, std::string(words_of(refusal.message()))});
    return false;
  }
}

}  // namespace

WorldRead read_world_for_check(const std::string& directory, Findings& findings) {
  WorldRead read;
  const std::string manifest = manifest_path(directory);
  if (!loads(manifest, findings, [&] { read.manifest = read_manifest_file(manifest, nullptr); })) {
    return read;
  }
  read.complete = true;
  for (int k = 0; k < read.manifest.levels; ++k) {
    Level& level = read.world.emplace_back();
    bool level_loaded = true;
    for (int group = group_fg_layer; group < group_count; ++group) {
      const auto file = static_cast<ManifestGroup>(group);
      const std::string& path = read.manifest.paths[file][static_cast<std::size_t>(k)];
      level_loaded &= loads(path, findings, [&] {
        load_level_file(level, read.manifest, k, file, nullptr, directory);
      });
      // The layers can be measured once they and the map have loaded.
      if (file == group_content && level_loaded) {
        level_loaded = loads(path, findings, [&] { check_layer_sizes(level, read.manifest, k); });
      }
    }
    read.complete = read.complete && level_loaded;
  }
  return read;
}

}  // namespace quadrivant

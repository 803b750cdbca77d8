#include "checker/world_reading.h"

#include "base/failure.h"
#include "level/level_file.h"
#include "level/level_tables.h"

namespace quadrivant {

namespace {

// The refusal's own words, without the game's voice, and what the checker adds to them: the line
// of the file it stands on, and a hint how to mend it.
Finding refusal_finding(Place where, const Failure& refusal) {
  Finding finding{Severity::error, where, std::string(words_of(refusal.message()))};
  if (const auto* file_refusal = dynamic_cast<const LevelFileRefusal*>(&refusal)) {
    if (file_refusal->line() > 0) finding.where.line = file_refusal->line();
    if (!file_refusal->hint().empty()) finding.what += " (" + file_refusal->hint() + ")";
  }
  return finding;
}

// Runs `load`; a refusal becomes an error at `where`. Returns whether it loaded.
template <class Load>
bool loads(const Place& where, Findings& findings, Load load) {
  try {
    load();
    return true;
  } catch (const Failure& refusal) {
    findings.push_back(refusal_finding(where, refusal));
    return false;
  }
}

// Every layer of another size than its map, each under its own file.
bool layers_fit(const Level& level, const Manifest& manifest, int k, Findings& findings) {
  bool fit = true;
  for (const ManifestGroup group : {group_fg_layer, group_bg_layer, group_collision_layer}) {
    fit &= loads(file_place(static_cast<std::size_t>(k), group), findings,
                 [&] { check_layer_size(level, manifest, k, group); });
  }
  return fit;
}

TableFormat table_format(ManifestGroup group) {
  if (group == group_transitions) return TableFormat::room_transitions;
  if (group == group_obstructions) return TableFormat::obstructions;
  return TableFormat::dialogues;
}

// Lines after a table's last counted entry: the game never reads them, so entries written there
// are lost (the count was not raised).
void check_table_end(const Manifest& manifest, int k, ManifestGroup group,
                     const std::string& directory, Findings& findings) {
  const std::string& path = manifest.paths[group][static_cast<std::size_t>(k)];
  const TableEnd end = read_table_end({path, directory}, table_format(group));
  if (end.first_unread_line == 0) return;
  findings.push_back({Severity::warning,
                      file_place(static_cast<std::size_t>(k), group, end.first_unread_line),
                      "the game never reads this line or any after it: the entry count on line " +
                          std::to_string(end.count_line) + " is " + std::to_string(end.count) +
                          ", and the entries it counts end before it"});
}

}  // namespace

WorldRead read_world_for_check(const std::string& directory, Findings& findings) {
  WorldRead read;
  const std::string manifest = manifest_path(directory);
  if (!loads(world_place(), findings,
             [&] { read.manifest = read_manifest_file(manifest, nullptr); })) {
    return read;
  }
  read.complete = true;
  for (int k = 0; k < read.manifest.levels; ++k) {
    Level& level = read.world.emplace_back();
    bool level_loaded = true;
    for (int group = group_fg_layer; group < group_count; ++group) {
      const auto file = static_cast<ManifestGroup>(group);
      const bool file_loaded = loads(file_place(static_cast<std::size_t>(k), file), findings, [&] {
        load_level_file(level, read.manifest, k, file, nullptr, directory);
      });
      level_loaded &= file_loaded;
      // The layers can be measured once they and the map have loaded.
      if (file == group_content && level_loaded) {
        level_loaded = layers_fit(level, read.manifest, k, findings);
      }
      if (file_loaded && group >= group_transitions) {
        check_table_end(read.manifest, k, file, directory, findings);
      }
    }
    read.complete = read.complete && level_loaded;
  }
  return read;
}

LevelPicture read_level_picture(const std::string& directory, int k) {
  Findings findings;
  WorldRead read;
  const std::string manifest = manifest_path(directory);
  const auto refuse_on_finding = [&] {
    if (findings.empty()) return;
    const Finding& refusal = findings.front();
    throw Failure(finding_line(refusal, world_file_place(refusal.where, read.manifest, manifest)) +
                  "\n");
  };
  loads(world_place(), findings, [&] { read.manifest = read_manifest_file(manifest, nullptr); });
  refuse_on_finding();
  if (k >= read.manifest.levels) {
    throw Failure("quadrivant-check: --map " + std::to_string(k) + ": the world has only " +
                      level_numbers(static_cast<std::size_t>(read.manifest.levels)) + "\n",
                  Stream::standard_error, 2);
  }
  LevelPicture picture;
  for (const ManifestGroup group : {group_fg_layer, group_bg_layer, group_content}) {
    loads(file_place(static_cast<std::size_t>(k), group), findings,
          [&] { load_level_file(picture.level, read.manifest, k, group, nullptr, directory); });
  }
  refuse_on_finding();
  for (const ManifestGroup group : {group_fg_layer, group_bg_layer}) {
    loads(file_place(static_cast<std::size_t>(k), group), findings,
          [&] { check_layer_size(picture.level, read.manifest, k, group); });
  }
  refuse_on_finding();
  picture.content_file = read.manifest.paths[group_content][static_cast<std::size_t>(k)];
  return picture;
}

}  // namespace quadrivant

// A small valid world written to a directory, for tests that load or play whole worlds.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "level/manifest.h"

struct TestWorld {
  std::string manifest;                                     // `prefix` + "manifest.txt"
  std::vector<std::array<std::string, group_count>> files;  // [level][group], as the manifest
                                                            // names them
};

// Writes manifest.txt and the eight files of each of `levels` levels to `directory`. The manifest
// names each file as `prefix` + its name ("" for names relative to the directory) and holds a
// comment line before every group and between the lines of a group. Level k:
// - a (69 + k) x (23 + k) map whose content rows are all the letter 'a' + k;
// - a plain grey foreground layer (P2) of colour 100 + k everywhere;
// - a raw colour background layer (P6) whose every pixel gives colour 16 + k % 6;
// - a raw grey collision layer (P5): obstacles (255) around the border, free cells (0) inside;
// - one room transition to level (k + 1) % levels, cell (34, 11);
// - one problem "Question k?" / "Solved k." with answer 10 + k;
// - one information entry "Locked k." / "Open k." needing k solved problems;
// - one obstruction "Wall k.".
TestWorld write_test_world(const std::string& directory, int levels, const std::string& prefix);

// The reports of loading `world` up to and including the file of `group` of level `level`: the
// manifest's, then every file of level 0 in group order, then of level 1, and so on.
std::string loading_reports_through(const TestWorld& world, int level, int group);

// The reports of loading all of `world`.
std::string loading_reports(const TestWorld& world);

// Reading "manifest.txt": eight groups of one path per level, comment lines, the paths as they
// stand, and every manifest that is refused.
#include "level/manifest.h"

#include "level/load_test_support.h"

namespace quadrivant {

namespace {

using ManifestFile = LoadTest;
using Paths = std::vector<std::vector<std::string>>;

// Eight groups of one path per level: "g<group>l<level>".
Paths named_paths(int levels) {
  Paths paths(8);
  for (int g = 0; g < 8; ++g)
    for (int k = 0; k < levels; ++k)
      paths[g].push_back("g" + std::to_string(g) + "l" + std::to_string(k));
  return paths;
}

std::string path_lines(int levels) {
  std::string lines;
  for (const std::vector<std::string>& group : named_paths(levels))
    for (const std::string& path : group) lines += path + "\n";
  return lines;
}

// A path of `count` characters: Cyrillic letters (two bytes each) with a slash.
std::string cyrillic_path(int count) {
  std::string path = "\u043a/";
  for (int i = 2; i < count; ++i) path += "\u0416";
  return path;
}

TEST_F(ManifestFile, AcceptedManifests) {
  const Manifest manifest = load(
      read_manifest_file,
      "title\n3 levels, remark ignored\n# before the groups\n#\ng0l0\n# inside a group\ng0l1\n"
      "g0l2\n## between groups, " +
          std::string(300, '#') + "\ng1l0\ng1l1\ng1l2\ng2l0\n# " + std::string(500, 'x') +
          "\ng2l1\ng2l2\ng3l0\ng3l1\ng3l2\ng4l0\ng4l1\ng4l2\ng5l0\ng5l1\ng5l2\ng6l0\ng6l1\ng6l2\n"
          "g7l0\ng7l1\n#\n#\ng7l2\n# after the last path\n");
  EXPECT_EQ(manifest.levels, 3);
  EXPECT_EQ(manifest.paths, named_paths(3)) << "comment lines of any length are skipped whole";
  // The first line is never interpreted.
  EXPECT_EQ(load(read_manifest_file, std::string(5000, '7') + "\n2\n" + path_lines(2)).paths,
            named_paths(2));

  // Path lines in place of "g0l0\n", and the path the reader takes from each: a carriage return
  // before the newline (a manifest saved with Windows line endings) goes with it.
  const Cases first_paths = {{"  spaced name.pgm \r\n", "  spaced name.pgm "},
                             {"a\rb\r\r\n", "a\rb\r"},
                             {std::string("cut\0off\n", 8), "cut"},
                             {std::string(98, 'p') + "\n", std::string(98, 'p')},
                             {cyrillic_path(98) + "\r\n", cyrillic_path(98)}};
  for (const auto& [line, path] : first_paths) {
    EXPECT_EQ(load(read_manifest_file, "t\n1\n" + line + path_lines(1).substr(5)).paths[0][0],
              path);
  }
  // A last line without its newline keeps every character.
  const std::string lines = path_lines(1);
  EXPECT_EQ(load(read_manifest_file, "t\n1\n" + lines.substr(0, lines.size() - 1)).paths[7][0],
            "g7l0");
}

TEST_F(ManifestFile, RefusedManifestsAreReportedAfterTheirLoadingLine) {
  const std::string missing = refused("A line is missing from the manifest file!");
  const Cases cases = {
      {"t\n2\n" + path_lines(2).substr(0, 75) + "# a comment is not a path\n", missing},
      {"t\n2147483647\n" + path_lines(2), missing},  // a huge count reserves nothing
      {"title only", missing},
      {"title\n2", missing},
      {"title\ntwo\n" + path_lines(2),
       refused("The level count on line 2 of " + path() + " is not a number!")},
      {"title\n\n  2147483648\n" + path_lines(2),
       refused("The level count on line 3 of " + path() + " is not a number!")},
      {"title\n0\n" + path_lines(1),
       refused("The level count in " + path() + " must be at least 1!")},
      {"t\n1\n#\n" + std::string(99, 'p') + "\n" + path_lines(1),
       refused("Line 4 of " + path() + " holds a path longer than 98 characters!")},
      {"t\n1\n" + cyrillic_path(99) + "\n" + path_lines(1),
       refused("Line 3 of " + path() + " holds a path longer than 98 characters!")},
      {"t\n1\n" + std::string(1 << 20, 'p'),
       refused("Line 3 of " + path() + " holds a path longer than 98 characters!")},
      // A blank line names no file; the paths after it would all be one place off.
      {"t\n1\n#\n" + path_lines(1).substr(0, 10) + "\n" + path_lines(1).substr(10),
       refused(
           "Line 6 of " + path() +
           " is blank, but every line after the level count names a file or is a comment (#)!")},
      {"t\n1\n \t\r\n" + path_lines(1),
       refused(
           "Line 3 of " + path() +
           " is blank, but every line after the level count names a file or is a comment (#)!")},
  };
  expect_shown(read_manifest_file, cases, loading());
}

}  // namespace

}  // namespace quadrivant

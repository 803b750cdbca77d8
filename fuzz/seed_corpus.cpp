// fuzz_seeds SOURCE_DIR SEEDS_DIR: writes the seed inputs of every fuzz target into
// SEEDS_DIR/<target>/, from which the fuzzers mutate. Sound level files come from the game's own
// world writer (level/world_writer.h) on small worlds that hold every kind of cell; a few near
// misses written by hand beside them keep the odd corners of each format in the seeds; the
// authoring tool's seeds are the shipped adventure's sources in SOURCE_DIR/game/source and the
// starter world's.
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "author/starter_world.h"
#include "event_world.h"
#include "level/world_writer.h"
#include "support/test_world.h"
#include "world_archive.h"

namespace quadrivant {

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

// A world's files as the writer makes them, every image layer in `forms`.
Files written(const World& world, std::array<ImageForm, 3> forms, const std::string& title) {
  WorldLayout layout;
  layout.title = title;
  for (std::size_t k = 0; k < world.size(); ++k) {
    layout.level_folders.push_back("levels/level" + std::to_string(k));
    layout.level_names.push_back("level" + std::to_string(k));
  }
  layout.image_forms = forms;
  Files files;
  for (const WorldFileText& file : world_file_texts(world, layout)) {
    files.emplace_back(file.path, file.text);
  }
  return files;
}

const std::string& file_of(const Files& files, const std::string& ending) {
  for (const auto& [path, text] : files) {
    if (path.ends_with(ending)) return text;
  }
  throw std::runtime_error("no file " + ending);
}

class Seeds {
 public:
  explicit Seeds(std::string directory) : directory_(std::move(directory)) {}
  void write(const std::string& target, const std::string& name, const std::string& bytes) const {
    const std::filesystem::path path = std::filesystem::path(directory_) / target / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

 private:
  std::string directory_;
};

void level_file_seeds(const Seeds& seeds) {
  const World world = event_world();
  const Files plain = written(
      world, {ImageForm::plain_grey, ImageForm::plain_colour, ImageForm::plain_grey}, "Seeds");
  const Files raw =
      written(world, {ImageForm::raw_grey, ImageForm::raw_colour, ImageForm::raw_grey}, "Seeds");
  seeds.write("image_layer", "plain_grey.pgm", file_of(plain, "level1/codes.pgm"));
  seeds.write("image_layer", "plain_colour.ppm", file_of(plain, "level1/bg.pgm"));
  seeds.write("image_layer", "raw_grey.pgm", file_of(raw, "level1/codes.pgm"));
  seeds.write("image_layer", "raw_colour.ppm", file_of(raw, "level1/bg.pgm"));
  // Near misses: a header all on the magic line, a small maxval, comments among the numbers.
  seeds.write("image_layer", "one_line_header.pgm", "P2 2 2 255\n1 2\n3 4\n");
  seeds.write("image_layer", "small_maxval.pgm", std::string("P5\n3 2\n15\n\0\7\17\1\2\3", 17));
  seeds.write("image_layer", "comments.pgm", "P2\n# c\n2 # w\n1\n#\n255\n7 9\n");

  const std::string& content = file_of(plain, "level1/content.txt");
  seeds.write("content_file", "smallest.txt", content);
  seeds.write("content_file", "last_row_without_newline.txt",
              content.substr(0, content.size() - 1));
  seeds.write("content_file", "short_row.txt", content.substr(0, content.size() - 2) + "\n");

  seeds.write("room_transitions", "two.txt", file_of(plain, "level0/transitions.txt"));
  seeds.write("room_transitions", "spread.txt",
              "Transitions\n\n 3 \n(level x y)\n1\n2 3\n\n4 5 6\n7 8 9\n");
  seeds.write("dialogue", "problems.txt", file_of(plain, "level0/problems.txt"));
  seeds.write("dialogue", "infos.txt", file_of(plain, "level0/infos.txt"));
  seeds.write("dialogue", "carriage_returns.txt",
              "Info\n1\n\nLocked.\r\n  Open now  \n\n3 remark\n");
  seeds.write("obstructions", "one.txt", file_of(plain, "level0/obstructions.txt"));
  seeds.write("obstructions", "long_text.txt",
              "Obstructions\n2\n\n\n" + std::string(708, 'x') + "\n");
}

void world_seeds(const Seeds& seeds) {
  const World world = event_world();
  const std::string two_levels = pack_world_archive(written(
      world, {ImageForm::raw_grey, ImageForm::raw_colour, ImageForm::plain_grey}, "Two levels"));
  TestLevel broken = walled_level();
  broken.codes[5][5] = 101;             // a problem the level lacks: refused by the load-time check
  broken.transitions = {{7, -3, 500}};  // used by no cell, and leading nowhere
  const std::string unplayable = pack_world_archive(
      written(make_world({broken}),
              {ImageForm::plain_grey, ImageForm::plain_grey, ImageForm::plain_grey}, "Broken"));
  for (const char* target : {"world_load", "checker"}) {
    seeds.write(target, "two_levels.world", two_levels);
    seeds.write(target, "unplayable.world", unplayable);
  }
}

void author_seed(const Seeds& seeds, const std::string& source_tree) {
  Files sources;
  for (const std::filesystem::directory_entry& entry :
       std::filesystem::directory_iterator(source_tree + "/game/source")) {
    std::ifstream file(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    sources.emplace_back(entry.path().filename().string(), text.str());
  }
  seeds.write("author", "shipped_sources.world", pack_world_archive(sources));
  // The same in UTF-8: box-drawing and Cyrillic legend characters, the hall's top row drawn with
  // them.
  for (auto& [name, text] : sources) {
    if (name == "legend.txt")
      text += "legend \u2550 \u2550 244 239 obstacle\nlegend \u0416 \u2593 7 0 obstacle\n";
    if (name != "hub.level") continue;
    const std::size_t top = text.find("\nmap\n") + 5;
    const std::size_t width = text.find('\n', top) - top;
    std::string row;
    for (std::size_t x = 0; x < width; ++x) row += x % 2 ? "\u2550" : "\u0416";
    text.replace(top, width, row);
  }
  seeds.write("author", "utf8_sources.world", pack_world_archive(sources));
  Files starter;
  for (const WorldFileText& file : starter_world_sources())
    starter.emplace_back(file.path, file.text);
  seeds.write("author", "starter_sources.world", pack_world_archive(starter));
}

// A level drawn in UTF-8: box-drawing walls, French and Russian words, and the characters the game
// shows as U+FFFD (a wide one, a combining mark, a byte that is not UTF-8, a C1 control), with
// texts in French and Russian, so every reader decodes characters of one to four bytes.
World utf8_world() {
  TestLevel level = walled_level();
  const auto line = [](const char* ends, const char* fill) {
    std::string text = std::string(ends, 3);
    for (int x = 1; x < 68; ++x) text += fill;
    return text + (ends + 3);
  };
  level.characters = line("\u2554\u2557", "\u2550");
  level.characters += "\u2551\u00c9t\u00e9 \u0416\u0443\u043a \u4e2d e\u0301\xe9\u009b\U0001F600";
  level.characters += std::string(68 - 16, '.') + "\u2551";
  for (int y = 2; y < 22; ++y) level.characters += line("\u2551\u2551", ".");
  level.characters += line("\u255a\u255d", "\u2550");
  level.codes[11][19] = 100;
  level.problems = {
      {"LA PREMI\u00c8RE \u00c9NIGME\tCombien font 6 \u00d7 7 ?", "\u0416\u0438\u0432\u043e!", 42}};
  level.obstructions = {{"Une porte \u00e0 deux battants\u2026 \u4e2d\xe9"}};
  return make_world({level});
}

void utf8_seeds(const Seeds& seeds) {
  const Files files = written(
      utf8_world(), {ImageForm::plain_grey, ImageForm::raw_colour, ImageForm::raw_grey}, "UTF-8");
  seeds.write("content_file", "utf8.txt", file_of(files, "level0/content.txt"));
  seeds.write("dialogue", "utf8.txt", file_of(files, "level0/problems.txt"));
  seeds.write("obstructions", "utf8.txt", file_of(files, "level0/obstructions.txt"));
  for (const char* target : {"world_load", "checker"}) {
    seeds.write(target, "utf8.world", pack_world_archive(files));
  }
}

void command_seeds(const Seeds& seeds) {
  // The player starts on (19, 13) of the hall of fuzz_commands.cpp.
  seeds.write("commands", "help_and_quit.txt", "help\nokay\nok\nr 31\npause\nquit\n");
  seeds.write("commands", "problem_gate_door.txt", "r 5\n41\n42\n\nu 3\nok\nl 5\n\nd 4\nr 6\nok\n");
  seeds.write("commands", "tower_and_back.txt", "d 4\nu 5\nright 30\nleft 30\ndown 10\nup 10\n");
  seeds.write("commands", "long_lines.txt",
              "r 1234567890123\n\n" + std::string(40, 'l') + "\nu 0\nquit");
}

}  // namespace

}  // namespace quadrivant

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: fuzz_seeds SOURCE_DIR SEEDS_DIR\n";
    return 2;
  }
  const quadrivant::Seeds seeds(argv[2]);
  quadrivant::level_file_seeds(seeds);
  quadrivant::world_seeds(seeds);
  quadrivant::utf8_seeds(seeds);
  quadrivant::author_seed(seeds, argv[1]);
  quadrivant::command_seeds(seeds);
  return 0;
}

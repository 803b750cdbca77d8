#include "checker/character_checks.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "base/cell_fit.h"
#include "base/text.h"
#include "base/utf8.h"
#include "checker/level_texts.h"

namespace quadrivant {

namespace {

// A character that does not fit a cell, where it first stands and how often it stands there.
struct Misfit {
  char32_t character;
  std::size_t first;  // the first cell, or the first character of a text
  std::size_t count;
};

// Collects the misfits of one file in the order they first appear.
class Misfits {
 public:
  void look_at(char32_t character, std::size_t at) {
    if (character < 0x80 || !is_misfit(cell_fit(character))) return;
    const auto [found, added] = index_.emplace(character, found_.size());
    if (added) {
      found_.push_back({character, at, 1});
    } else {
      ++found_[found->second].count;
    }
  }
  const std::vector<Misfit>& found() const { return found_; }

 private:
  std::vector<Misfit> found_;
  std::unordered_map<char32_t, std::size_t> index_;
};

class Collector {
 public:
  Collector(Findings& findings, std::size_t most) : findings_(findings), most_(most) {}
  bool full() const { return findings_.size() >= most_; }
  void add(const Place& where, const std::string& what) {
    if (!full()) findings_.push_back({Severity::error, where, what});
  }

 private:
  Findings& findings_;
  std::size_t most_;
};

void check_map(std::size_t level_index, const Level& level, Collector& collector) {
  Misfits misfits;
  for (std::size_t i = 0; i < level.content.size(); ++i) misfits.look_at(level.content[i], i);
  const auto width = static_cast<std::size_t>(level.width);
  for (const Misfit& misfit : misfits.found()) {
    std::string what = misfit_words(misfit.character);
    if (misfit.count > 1) {
      what += " (" + counted(misfit.count - 1, "more cell holds", "more cells hold") + " it)";
    }
    const Cell cell{static_cast<int>(misfit.first % width), static_cast<int>(misfit.first / width)};
    collector.add(cell_place(level_index, cell, group_content), what);
  }
}

void check_text(std::size_t level, const LevelText& text, Collector& collector) {
  Misfits misfits;
  std::size_t at = 0;
  for_each_character(text.text, [&](char32_t character) { misfits.look_at(character, at++); });
  for (const Misfit& misfit : misfits.found()) {
    collector.add(entry_place(level, text.group, text.entry, text.which),
                  misfit_words(misfit.character));
  }
}

}  // namespace

Findings character_findings(const World& world, std::size_t most) {
  Findings findings;
  Collector collector(findings, most);
  for (std::size_t level = 0; level < world.size() && !collector.full(); ++level) {
    check_map(level, world[level], collector);
    for (const LevelText& text : level_texts(world[level])) check_text(level, text, collector);
  }
  return findings;
}

}  // namespace quadrivant

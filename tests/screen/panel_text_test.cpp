// Laying a text out in a message panel: tabs and full rows start new rows, nothing past row 23.
#include <gtest/gtest.h>

#include "screen/panels.h"
#include "screen_checks.h"
#include "support/fake_console.h"

namespace {

struct Layout {
  std::string bytes;
  std::map<std::pair<int, int>, int> positions;
};

Layout lay_out(const std::string& text) {
  FakeConsole fake;
  fill_panel_text(fake.console(), text, 1);
  EXPECT_TRUE(fake.flushes().empty()) << "the caller flushes";
  std::fflush(fake.console().out);
  return {fake.output(), cursor_positions(fake.output())};
}

// The characters of `text` as the player sees them on `row`, columns 5..67.
std::string panel_row(const Layout& layout, int row) {
  TerminalScreen screen;
  screen.feed(layout.bytes);
  return screen.text(row, 5, 67);
}

int cells_on_row(const Layout& layout, int row) {
  int count = 0;
  for (const auto& [position, times] : layout.positions) {
    if (position.first == row) count += times;
  }
  return count;
}

std::string digits(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += static_cast<char>('0' + i % 10);
  return text;
}

TEST(FillPanelText, PlacesEveryCharacterWithItsOwnPositionInTheCurrentColours) {
  EXPECT_EQ(lay_out("ab\tc").bytes, "\x1b[15;5Ha\x1b[15;6Hb\x1b[16;5Hc");
}

TEST(FillPanelText, SixtyThreeCharactersFillRow15AndTheSixtyFourthWrapsToColumn5) {
  const Layout full = lay_out(digits(63));
  EXPECT_EQ(panel_row(full, 15), digits(63));
  EXPECT_EQ(cells_on_row(full, 16), 0);
  const Layout wrapped = lay_out(digits(63) + "x");
  EXPECT_EQ(panel_row(wrapped, 15), digits(63));
  EXPECT_EQ(wrapped.positions.count({16, 5}), 1u);
  EXPECT_EQ(panel_row(wrapped, 16), "x" + std::string(62, ' '));
}

TEST(FillPanelText, TabAfterAFullRowLeavesTheNextRowEmpty) {
  const Layout layout = lay_out(digits(63) + "\tx");
  EXPECT_EQ(cells_on_row(layout, 16), 0);
  EXPECT_EQ(panel_row(layout, 17), "x" + std::string(62, ' '));
}

TEST(FillPanelText, LeadingTabsStartTheTextLower) {
  const Layout layout = lay_out("\t\t\t\tabc");
  EXPECT_EQ(layout.positions.begin()->first, std::make_pair(19, 5));
  EXPECT_EQ(panel_row(layout, 19).substr(0, 3), "abc");
}

TEST(FillPanelText, TextBeyondTheNinthRowIsCut) {
  const Layout full_rows = lay_out(digits(9 * 63 + 10));
  EXPECT_EQ(full_rows.positions.size(), 9u * 63u) << "nine rows of 63 cells and nothing more";
  EXPECT_EQ(full_rows.positions.rbegin()->first, std::make_pair(23, 67))
      << "the 63rd character of row 23 is still written";
  EXPECT_EQ(panel_row(full_rows, 23), digits(9 * 63).substr(8 * 63));

  const Layout tab_rows = lay_out("1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11");
  EXPECT_EQ(tab_rows.positions.size(), 9u);
  EXPECT_EQ(panel_row(tab_rows, 23).substr(0, 2), "9 ");
}

}  // namespace

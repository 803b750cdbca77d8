// Reading map content files: the size header, the minimum size, and every row fault reported
// for the map row it stands in.
#include "level/content_file.h"

#include "level/load_test_support.h"

namespace quadrivant {

namespace {

using ContentFile = LoadTest;

// `height` rows of `width` characters; each row has a letter of its own, so that a row read from
// the wrong place shows.
std::vector<std::string> map_rows(int width, int height) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) rows.push_back(std::string(width, 'a' + y % 26));
  return rows;
}

// A content file in the usual layout: title line, `size` line(s), ignored line, then the rows.
std::string content_file(const std::string& size, const std::vector<std::string>& rows) {
  std::string text = "Level title\n" + size + "\nignored\n";
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

TEST_F(ContentFile, AcceptedFiles) {
  std::vector<std::string> odd_bytes = map_rows(70, 23);
  odd_bytes[4] = "\t#\r \x01\xff~" + std::string(63, '.');
  const std::string odd = content_file("70 23", odd_bytes);
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {content_file("69 23", map_rows(69, 23)), map_rows(69, 23)},
      // Any byte but newline, and a last row that ends the file.
      {odd.substr(0, odd.size() - 1), odd_bytes},
      // Saved with Windows line endings: each carriage return goes with its newline.
      {[] {
         std::string text;
         for (const char c : content_file("69 23", map_rows(69, 23)))
           text += c == '\n' ? std::string("\r\n") : std::string(1, c);
         return text;
       }(),
       map_rows(69, 23)},
      // The size on two lines, then lines after the last row.
      {content_file("  80\n\n30 remark", map_rows(80, 30)) + "\nnotes\n" + std::string(500, 'z'),
       map_rows(80, 30)},
  };
  for (const auto& [contents, rows] : cases) {
    const MapContent content = load(read_map_content_file, contents);
    std::string cells;
    for (const std::string& row : rows) cells += row;
    EXPECT_EQ(std::tie(content.width, content.height, content.cells),
              std::tuple(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                         MapCharacters(cells)));
  }
}

// `count` copies of `character` (UTF-8).
std::string repeated(const std::string& character, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += character;
  return text;
}

// A UTF-8 character is one cell however many bytes it takes, and so is a byte that is not part of
// one: rows of French, Russian and box-drawing characters hold `width` characters. A map of
// single bytes keeps one byte a cell.
TEST_F(ContentFile, RowsCountUtf8Characters) {
  const std::string french = "\u00c9t\u00e9 \u00e0 l'\u00eele" + std::string(58, '.');
  const std::string russian = repeated("\u0416", 69);                    // Ж, 2 bytes
  const std::string box = "\u2554" + repeated("\u2550", 67) + "\u2557";  // ╔═╗, 3 bytes
  const std::string emoji = repeated("\U0001F600", 69);                  // 4 bytes
  const std::string latin1 = "\xc9t\xe9 " + std::string(65, '.');        // bytes, not UTF-8
  std::vector<std::string> rows = map_rows(69, 23);
  // An overlong '/', a surrogate and a code point past U+10FFFF: nine bytes, none of them UTF-8.
  const std::string ill_formed = "\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80" + std::string(60, '.');
  rows[0] = french, rows[1] = russian, rows[2] = box, rows[3] = emoji, rows[22] = latin1;
  rows[5] = ill_formed;
  const MapContent content = load(read_map_content_file, content_file("69 23", rows));
  ASSERT_EQ(content.cells.size(), 69u * 23u);
  EXPECT_FALSE(content.cells.is_narrow());
  EXPECT_EQ(content.cells[0], U'\u00c9');
  EXPECT_EQ(content.cells[69 + 68], U'\u0416');
  EXPECT_EQ(content.cells[2 * 69], U'\u2554');
  EXPECT_EQ(content.cells[3 * 69 + 5], U'\U0001F600');
  EXPECT_EQ(content.cells[22 * 69], stray_byte_character(0xc9));
  EXPECT_EQ(content.cells[4 * 69], U'e');
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(content.cells[5 * 69 + i],
              stray_byte_character(static_cast<unsigned char>(ill_formed[i])));
  }
  std::string written;  // the world writer's bytes are the file's
  for (int y = 0; y < 23; ++y) content.cells.append_bytes(written, y * 69u, 69);
  std::string file_rows;
  for (const std::string& row : rows) file_rows += row;
  EXPECT_EQ(written, file_rows);

  rows = map_rows(69, 23);
  rows[0] = latin1;
  rows[22] = std::string(68, '.') + "\x7f";
  EXPECT_TRUE(load(read_map_content_file, content_file("69 23", rows)).cells.is_narrow());

  // The row faults count characters too; a character cut short by the newline is a stray byte.
  const std::string at_69x23 = "Map dimensions: 69x23\n";
  const Cases cases = {
      {content_file("69 23", {repeated("\u2550", 67)}), refused("Line 1 has too few chars!")},
      {content_file("69 23", {repeated("\u0416", 70)}), refused("Line 1 has too many chars!")},
      {content_file("69 23", {repeated("\u0416", 66) + "\xe2\x95"}),
       refused("A char is missing on line 1 !")},
      {content_file("69 23", {repeated("\u0416", 68) + "\xe2\x95"}),
       refused("Line 1 has too many chars!")},
  };
  expect_shown(read_map_content_file, cases, "Loading " + path() + "  |  " + at_69x23);
}

TEST_F(ContentFile, RefusedFilesAreReportedOnTheirLoadingLine) {
  const std::string at_69x23 = "Map dimensions: 69x23\n";
  const std::string missing = refused("A line is missing from the content file!");
  const std::string too_small = refused("Minimum map dimensions should be 69x23");
  const std::string short_header =
      refused("The header of the content file " + path() + " ends before its map rows!");
  Cases cases = {
      {content_file("68 23", map_rows(68, 23)), too_small},
      {content_file("69 22", map_rows(69, 22)), too_small},
      {"title\n69", short_header},
      {"title\n69 23\nignored line without newline", short_header},
      {"title\nwide 23\nignored\n",
       refused("The map width in the content file " + path() + " is not a number!")},
      {"title\n69x23\nignored\n",
       refused("The map height in the content file " + path() + " is not a number!")},
      {content_file("69 23", map_rows(69, 22)), at_69x23 + missing},
      // Nothing is reserved for the promised rows: the sanitizer build would fail on the attempt.
      {content_file("69 2147483647", map_rows(69, 23)),
       "Map dimensions: 69x2147483647\n" + missing},
      {content_file("2147483647 23", map_rows(69, 23)),
       "Map dimensions: 2147483647x23\n" + refused("Line 1 has too few chars!")},
  };
  // Each row fault is reported for the map row it stands in; the last row may end the file.
  const std::vector<std::tuple<std::string, std::string, std::vector<int>>> row_faults = {
      {std::string(68, '.') + "\n", "A char is missing on line %i !", {1, 12, 23}},
      {std::string(67, '.') + "\n", "Line %i has too few chars!", {1, 12, 23}},
      {std::string(70, '.') + "\n", "Line %i has too many chars!", {1, 12, 23}},
      {std::string(70, '.') + "\r\n", "Line %i has too many chars!", {1, 12, 23}},
      {std::string(68, '.') + "\r\n", "A char is missing on line %i !", {1, 23}},
      {std::string(70, '.'), "Line %i has a char too many!", {23}},
      {std::string(71, '.'), "Line %i has too many chars!", {23}},
      {std::string(68, '.'), "Line %i has too few chars!", {23}},
      {std::string(70, '.') + "\n\n", "Line %i has too many chars!", {2}},  // the first of two
  };
  for (const auto& [row, message, numbers] : row_faults) {
    for (const int number : numbers) {
      std::string contents = content_file("69 23", map_rows(69, 23));
      contents.replace(contents.find(std::string(69, 'a' + number - 1)), 70, row);
      std::string text = message;
      cases.push_back(
          {contents, at_69x23 + refused(text.replace(text.find("%i"), 2, std::to_string(number)))});
    }
  }
  expect_shown(read_map_content_file, cases, "Loading " + path() + "  |  ");
}

}  // namespace

}  // namespace quadrivant

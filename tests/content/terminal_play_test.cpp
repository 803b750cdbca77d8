// The real game in a real terminal: quadrivant runs under tmux with its real timings, plays the
// opening of the shipped adventure (title page, a few moves, the welcome panel, quit), and the
// captured screen is checked cell by cell, text and colours, with the exit status at the end.
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "shipped_game.h"
#include "support/terminal_screen.h"
#include "support/tmux_terminal.h"

namespace quadrivant {

namespace {

using Clock = std::chrono::steady_clock;
using Screen = TmuxTerminal::Screen;

// The shell shows the game's exit status after it; the window keeps the screen then.
std::string game_command() {
  return "cd '" + game_directory() + "' && '" QUADRIVANT_PROGRAM "'; echo exit:\\$?";
}

// A cell as the player sees it: character, foreground and background.
using Look = std::tuple<char, int, int>;
Look look(const TerminalScreen& s, int row, int column) {
  return {s.character(row, column), s.foreground(row, column), s.background(row, column)};
}

// The player's marker at the middle of the viewport, and the welcome plaque of the hall
// (map cell (19, 8)) at `row`, `column`.
bool player_at_home(const TerminalScreen& s) {
  return look(s, 13, 36) == Look{'X', 255, 160};
}
Screen plaque_at(int row, int column) {
  return [=](const TerminalScreen& s) {
    return player_at_home(s) && look(s, row, column) == Look{'i', 16, 159};
  };
}

// The game waits for a command: the prompt box is empty and the cursor at its input position.
bool waits_for_a_command(const TerminalScreen& s) {
  return s.text(2, 29, 44) == ">>              " && s.cursor_row() == 2 && s.cursor_column() == 32;
}

TEST(TerminalPlay, OpeningOfTheShippedAdventureUnderTmux) {
  // Taken before the game starts: the title page lasts at least 3.5 s from then on.
  const Clock::time_point started = Clock::now();
  TmuxTerminal game(game_command(), 80, 26, true);

  // The title page: the first '#' of the block letters' first row, pale yellow on black. It
  // stays for 3.5 s, long enough to be seen however late it comes.
  ASSERT_TRUE(game.wait_for([](const TerminalScreen& s) {
    return look(s, 4, 25) == Look{'#', 228, 16};
  }));

  // After 3.5 s the hall appears, with the player at the start, (19, 13), view (-15, 2).
  ASSERT_TRUE(game.wait_for(
      [](const TerminalScreen& s) { return plaque_at(8, 36)(s) && waits_for_a_command(s); }));
  EXPECT_GE(Clock::now() - started, std::chrono::milliseconds(3500));
  const TerminalScreen& hall = game.screen();
  EXPECT_EQ(look(hall, 2, 29), (Look{'>', 36, 235}));  // the prompt
  EXPECT_EQ(look(hall, 2, 30), (Look{'>', 36, 235}));
  EXPECT_EQ(look(hall, 25, 1), (Look{'#', 30, 235}));    // the frame
  EXPECT_EQ(look(hall, 13, 10), (Look{' ', 16, 16}));    // left of the map: black
  EXPECT_EQ(look(hall, 5, 20), (Look{'#', 244, 239}));   // map cell (3, 5): the hall's wall
  EXPECT_EQ(look(hall, 13, 37), (Look{'.', 240, 236}));  // map cell (20, 13): floor
  EXPECT_EQ(look(hall, 13, 23), (Look{'?', 16, 220}));   // map cell (6, 13): the riddle

  // Three steps right and back: the map scrolls under the marker.
  game.type("r 3");
  EXPECT_TRUE(game.wait_for(
      [](const TerminalScreen& s) { return plaque_at(8, 33)(s) && waits_for_a_command(s); }));
  game.type("l 3");
  EXPECT_TRUE(game.wait_for(
      [](const TerminalScreen& s) { return plaque_at(8, 36)(s) && waits_for_a_command(s); }));

  // Up into the plaque: four steps, then its panel rises with the welcome text.
  game.type("u 5");
  ASSERT_TRUE(game.wait_for([](const TerminalScreen& s) {
    return s.text(15, 5, 49) == "WELCOME, SEEKER, TO THE HALL OF THE FOUR WAYS" &&
           s.text(24, 56, 59) == "[ok]" && waits_for_a_command(s);
  }));
  EXPECT_EQ(look(game.screen(), 15, 5), (Look{'W', 151, 236}));
  EXPECT_EQ(look(game.screen(), 14, 3), (Look{'#', 43, 236}));  // the panel's frame
  EXPECT_TRUE(plaque_at(12, 36)(game.screen())) << "the player stands right below the plaque";

  // Confirmed, the panel sinks and the hall is back.
  game.type("");
  EXPECT_TRUE(game.wait_for([](const TerminalScreen& s) {
    return plaque_at(12, 36)(s) && s.character(15, 5) != 'W' && waits_for_a_command(s);
  }));

  // quit: the goodbye page, then the program ends with status 0.
  game.type("quit");
  EXPECT_TRUE(game.wait_for([](const TerminalScreen& s) {
    return s.text(7, 28, 45) == "THANKS FOR PLAYING" && s.foreground(7, 28) == 228;
  }));
  EXPECT_TRUE(game.wait_for([](const TerminalScreen& s) {
    return screen_text(s, 26, 80).find("\nexit:0 ") != std::string::npos;
  }));
}

}  // namespace

}  // namespace quadrivant

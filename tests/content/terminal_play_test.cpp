// The real game in a real terminal: quadrivant runs under tmux with its real timings, plays the
// opening of the shipped adventure (title page, a few moves, the welcome panel, quit), and the
// captured screen is checked cell by cell, text and colours, with the exit status at the end.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "shipped_game.h"
#include "support/run_program.h"
#include "support/terminal_screen.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string quoted(const std::string& text) {
  return "'" + text + "'";
}

// One tmux server of its own (its own socket), with the game in a 80 x 26 window.
class TmuxGame {
 public:
  TmuxGame() : socket_("quadrivant-content-" + std::to_string(getpid())) {
    scratch_ = make_temporary_directory();
    write_file(scratch_ + "/play.sh", "cd " + quoted(game_directory()) + " && " +
                                          quoted(QUADRIVANT_PROGRAM) + "\necho \"exit:$?\" > " +
                                          quoted(scratch_ + "/status") + "\n");
    // remain-on-exit keeps the last screen for capture after the game has ended.
    tmux("-f /dev/null new-session -d -s play -x 80 -y 26 " +
         quoted("sh " + scratch_ + "/play.sh") + " \\; set-option -g remain-on-exit on");
    started_ = Clock::now();
  }
  ~TmuxGame() {
    tmux("kill-server");
    std::filesystem::remove_all(scratch_);
  }

  double seconds_since_start() const {
    return std::chrono::duration<double>(Clock::now() - started_).count();
  }

  // Types `line` and ENTER, as a player would.
  void type(const std::string& line) {
    if (!line.empty()) tmux("send-keys -t play -l " + quoted(line));
    tmux("send-keys -t play Enter");
  }

  // The screen as tmux shows it now, with colours.
  void capture(TerminalScreen& screen) const {
    std::FILE* pipe = popen(command("capture-pane -p -e -t play").c_str(), "r");
    if (pipe == nullptr) return;
    char line[8192];
    for (int row = 1; std::fgets(line, sizeof line, pipe) != nullptr && row <= 26; ++row) {
      std::string text(line);
      if (!text.empty() && text.back() == '\n') text.pop_back();
      screen.feed("\x1b[" + std::to_string(row) + ";1H" + text);  // colours carry over lines
    }
    pclose(pipe);
  }

  // Polls the screen until `seen` holds; false after `seconds`.
  bool wait_for(const std::function<bool(const TerminalScreen&)>& seen, double seconds) const {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < deadline) {
      TerminalScreen screen;
      capture(screen);
      if (seen(screen)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  std::string exit_line() const { return read_file(scratch_ + "/status"); }

 private:
  std::string command(const std::string& arguments) const {
    return "TERM=xterm-256color tmux -L " + socket_ + " " + arguments;
  }
  void tmux(const std::string& arguments) const {
    const std::string line = command(arguments) + " > /dev/null 2>&1";
    if (std::system(line.c_str()) != 0 && arguments != "kill-server") {
      ADD_FAILURE() << "tmux failed: " << line;
    }
  }

  std::string socket_;
  std::string scratch_;
  Clock::time_point started_;
};

// The title page: the first row of the block letters, '#' in pale yellow on black.
bool title_letters_shown(const TerminalScreen& s) {
  for (int column = 2; column <= 70; ++column) {
    if (s.character(4, column) == '#')
      return s.foreground(4, column) == 228 && s.background(4, column) == 16;
  }
  return false;
}

bool player_at_home(const TerminalScreen& s) {
  return s.character(13, 36) == 'X' && s.background(13, 36) == 160 && s.foreground(13, 36) == 255;
}

// The welcome plaque of the hall, map cell (19, 8): drawn as 'i' on pale cyan.
bool plaque_at(const TerminalScreen& s, int row, int column) {
  return s.character(row, column) == 'i' && s.background(row, column) == 159 &&
         s.foreground(row, column) == 16;
}

TEST(TerminalPlay, OpeningOfTheShippedAdventureUnderTmux) {
  TmuxGame game;

  // The title page: block letters in pale yellow on black.
  ASSERT_TRUE(game.wait_for(title_letters_shown, 3.0));

  // After 3.5 s the hall appears, with the player at the start, (19, 13), view (-15, 2).
  ASSERT_TRUE(game.wait_for(player_at_home, 8.0));
  EXPECT_GE(game.seconds_since_start(), 3.4);
  {
    TerminalScreen s;
    game.capture(s);
    EXPECT_EQ(s.text(2, 29, 30), ">>");
    EXPECT_EQ(s.foreground(2, 29), 36);
    EXPECT_EQ(s.background(2, 29), 235);
    EXPECT_EQ(s.character(25, 1), '#');
    EXPECT_EQ(s.foreground(25, 1), 30);
    EXPECT_EQ(s.background(13, 10), 16);  // left of the map: black
    EXPECT_EQ(s.character(5, 20), '#');   // map cell (3, 5): the hall's wall
    EXPECT_EQ(s.foreground(5, 20), 244);
    EXPECT_EQ(s.background(5, 20), 239);
    EXPECT_EQ(s.character(13, 37), '.');  // map cell (20, 13): floor
    EXPECT_EQ(s.foreground(13, 37), 240);
    EXPECT_EQ(s.background(13, 37), 236);
    EXPECT_EQ(s.character(13, 23), '?');  // map cell (6, 13): the riddle, black on yellow
    EXPECT_EQ(s.background(13, 23), 220);
    EXPECT_TRUE(plaque_at(s, 8, 36));
  }

  // Three steps right and back: the map scrolls under the marker.
  game.type("r 3");
  EXPECT_TRUE(game.wait_for(
      [](const TerminalScreen& s) { return plaque_at(s, 8, 33) && player_at_home(s); }, 4.0));
  game.type("l 3");
  EXPECT_TRUE(game.wait_for(
      [](const TerminalScreen& s) { return plaque_at(s, 8, 36) && player_at_home(s); }, 4.0));

  // Up into the plaque: four steps, then its panel rises with the welcome text.
  game.type("u 5");
  ASSERT_TRUE(game.wait_for(
      [](const TerminalScreen& s) {
        return s.text(15, 5, 49) == "WELCOME, SEEKER, TO THE HALL OF THE FOUR WAYS" &&
               s.text(24, 56, 59) == "[ok]";
      },
      6.0));
  {
    TerminalScreen s;
    game.capture(s);
    EXPECT_EQ(s.foreground(15, 5), 151);
    EXPECT_EQ(s.background(15, 5), 236);
    EXPECT_EQ(s.character(14, 3), '#');
    EXPECT_EQ(s.foreground(14, 3), 43);
    EXPECT_TRUE(plaque_at(s, 12, 36));  // the player stands right below it
  }

  // Confirmed, the panel sinks and the hall is back.
  game.type("");
  EXPECT_TRUE(game.wait_for(
      [](const TerminalScreen& s) {
        return player_at_home(s) && plaque_at(s, 12, 36) && s.character(15, 5) != 'W';
      },
      4.0));

  // quit: the goodbye page, then the program ends with status 0.
  game.type("quit");
  EXPECT_TRUE(game.wait_for(
      [](const TerminalScreen& s) {
        return s.text(7, 28, 45) == "THANKS FOR PLAYING" && s.foreground(7, 28) == 228;
      },
      4.0));
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
  while (game.exit_line().empty() && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(game.exit_line(), "exit:0\n");
}

}  // namespace

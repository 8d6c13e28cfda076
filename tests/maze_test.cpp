// The electric maze: the walls appear with the start button, every pointer movement over a
// visible wall kills, and the goal yields the key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::after;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::withoutTimes;

const std::string kStart = "click Form27.Command1\n";
const std::string kBoom = R"(msgbox "どっカーン！")";

// Along the middle of the corridor, from the start button to the goal.
const std::string kCorridor =
    "path Form27 547 1747 3487 1747 3487 3127 1147 3127 1147 4327 5107 4327 5107 2047 6367 2047 "
    "6367 5347 1507 5347 1507 5947\n";

std::vector<std::string> play(const std::string& script, const char* mazeKey = "0") {
  return withoutTimes(
      after(replayLines(script, startAt("Form27", {{Slot::MazeKey, mazeKey}})), "show F5"));
}

std::vector<std::string> controlLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) {
    if (line.rfind("control ", 0) == 0) out.push_back(line);
  }
  return out;
}

std::string visibility(const std::vector<std::string>& dump) {
  std::string flags;
  for (const auto& line : dump) flags += line.find(" visible=1") != std::string::npos ? '1' : '0';
  return flags;
}

TEST(Maze, StartButtonShowsTheWallsAndTheGoal) {
  // Design order: Command1, Command2, Picture1 to Picture11.
  const struct {
    std::string script;
    const char* visible;
  } cases[] = {
      {"", "1000000000000"},
      {kStart, "1111111111111"},
      {kStart + kStart, "1111111111111"},
  };
  for (const auto& c : cases) {
    const auto lines = play(c.script + "dump Form27\n");
    EXPECT_EQ(visibility(controlLines(lines)), c.visible) << c.script;
    EXPECT_EQ(lines.size(), 13u) << c.script;  // the dump and nothing else
  }
}

TEST(Maze, HiddenWallsTakeNoPointer) {
  // Straight across every wall and the goal's spot, before the start.
  const auto lines = play(
      "path Form27 0 0 7875 7245\nmove Form27 1500 6000\npath Form27 100 100 7800 100 100 7200\n"
      "dump\n");
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
                "forms F5* Form27*"}));
}

TEST(Maze, CorridorLeadsToTheGoalAndTheKey) {
  for (const char* before : {"0", "1"}) {
    const auto lines = play(kStart + "move Form27 547 1747\n" + kCorridor +
                                "click Form27.Command2\ndump\nok\ndump\nclick Form10.Image3\n",
                            before);
    const std::vector<std::string> expected = {
        "unload Form27",
        R"(msgbox "モーリンは、カギを見つけた！")",
        // The key is recorded before the message.
        R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "1")",
        "forms F5*",
        "ok",
        "load Form10",
        "show Form10",
        R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "1")",
        "forms F5* Form10*",
        // The city hall now lets the hero in.
        R"(msgbox "モーリン：市長はどこだ！")",
    };
    EXPECT_EQ(lines, expected) << before;
  }
}

TEST(Maze, EveryVisibleWallKills) {
  const struct {
    const char* wall;
    const char* point;
  } walls[] = {
      {"Picture1", "1867 727"},   {"Picture2", "1627 2467"},  {"Picture3", "4207 1687"},
      {"Picture4", "427 5047"},   {"Picture5", "3067 3727"},  {"Picture6", "3187 4867"},
      {"Picture7", "5767 3787"},  {"Picture8", "6247 847"},   {"Picture9", "7267 4447"},
      {"Picture10", "4447 6367"}, {"Picture11", "1507 6847"},
  };
  for (const auto& w : walls) {
    const auto lines = play(kStart + "move Form27 " + w.point + "\n");
    EXPECT_EQ(lines, std::vector<std::string>{kBoom}) << w.wall;
  }
}

TEST(Maze, FirstTouchEndsTheGame) {
  const struct {
    const char* name;
    std::string touch;
  } cases[] = {
      // The narrowest passage is 345 twips high; one pixel below it is the wall.
      {"floor of the last passage",
       "path Form27 547 1747 3487 1747 3487 3127 1147 3127 1147 4327 5107 4327 5107 2047 6367 "
       "2047 6367 5347 3000 5347 3000 5520 1507 5520\n"},
      {"straight up from the start button", "path Form27 547 1747 547 0\n"},
      {"across three walls at once", "path Form27 547 1747 7800 1747\n"},
      {"a single jump onto a wall", "move Form27 4000 4000\n"},
  };
  for (const auto& c : cases) {
    const auto lines = play(kStart + c.touch + "move Form27 5000 800\nok\nok\nok\ndump\n");
    const std::vector<std::string> expected = {
        kBoom,
        "ignored move Form27 5000 800 (a message box is open)",
        "ok",
        R"(msgbox "壁に当たってしまった！")",
        "ok",
        R"(msgbox "モーリンは、目の前が暗くなった")",
        "ok",
        "load Form19",
        "show Form19",
        "unload Form27",
        R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
        "forms F5* Form19*",
    };
    EXPECT_EQ(lines, expected) << c.name;
  }
}

}  // namespace

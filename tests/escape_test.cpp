// The escape up the pole: mouse presses climb, the officer follows every 100 ms from the first
// press, and the catch is judged only when the 1/64 s check ticks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using testing_support::after;
using testing_support::controlLine;
using testing_support::repeated;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::withoutTimes;

const std::string kPress = "down Form26.Command1\n";
const std::string kEscaped = R"(msgbox "モーリンは逃げ切れた！！")";
const std::string kCaught = R"(msgbox "モーリンは、目の前が真っ暗になった！")";

// What the script did on the escape screen, times kept.
std::vector<std::string> play(const std::string& script) {
  return after(replayLines(script, startAt("Form26")), "show F5");
}

TEST(Escape, EveryMousePressClimbsAndTheKeyboardNever) {
  const struct {
    const char* input;
    bool climbs;
  } cases[] = {
      {"down Form26.Command1", true},
      {"down Form26.Command1 right", true},
      {"down Form26.Command1 middle", true},
      {"click Form26.Command1", true},  // the release adds no second rung
      {"click Form26 6600 480", true},  // the button's far corner
      {"key Form26.Command1 space", false},
      {"key Form26.Command1 enter", false},
  };
  for (const auto& c : cases) {
    const auto lines = play(std::string(c.input) + "\ndump Form26\n");
    EXPECT_EQ(controlLine(lines, "Form26.Image2"),
              c.climbs ? "control Form26.Image2 visible=1 picture=Form26_Image3 left=7200 top=4150"
                       : "control Form26.Image2 visible=1 picture=Form26_Image2 left=7200 top=4200")
        << c.input;
    EXPECT_EQ(controlLine(lines, "Form26.Timer1"),
              c.climbs ? "control Form26.Timer1 visible=0 interval=100"
                       : "control Form26.Timer1 visible=0 interval=0")
        << c.input;
  }
}

TEST(Escape, BothFiguresSwapPosesAtEveryRung) {
  const struct {
    std::string script;
    const char* hero;
    const char* officer;
  } cases[] = {
      {kPress, "picture=Form26_Image3 left=7200 top=4150",
       "picture=Form26_Image4 left=7200 top=6200"},
      {repeated(kPress, 2), "picture=Form26_Image2 left=7200 top=4100",
       "picture=Form26_Image4 left=7200 top=6200"},
      {repeated(kPress, 3), "picture=Form26_Image3 left=7200 top=4050",
       "picture=Form26_Image4 left=7200 top=6200"},
      {kPress + "wait 100\n", "picture=Form26_Image3 left=7200 top=4150",
       "picture=Form26_Image5 left=7200 top=6150"},
      {kPress + "wait 200\n", "picture=Form26_Image3 left=7200 top=4150",
       "picture=Form26_Image4 left=7200 top=6100"},
      {kPress + "wait 300\n", "picture=Form26_Image3 left=7200 top=4150",
       "picture=Form26_Image5 left=7200 top=6050"},
  };
  for (const auto& c : cases) {
    const auto lines = play(c.script + "dump Form26\n");
    EXPECT_EQ(controlLine(lines, "Form26.Image2"),
              std::string("control Form26.Image2 visible=1 ") + c.hero)
        << c.script;
    EXPECT_EQ(controlLine(lines, "Form26.Image4"),
              std::string("control Form26.Image4 visible=1 ") + c.officer)
        << c.script;
  }
}

TEST(Escape, OfficerWaitsForTheFirstPress) {
  const auto lines = play("wait 60000\ndump Form26\n");
  EXPECT_EQ(controlLine(lines, "Form26.Image4"),
            "control Form26.Image4 visible=1 picture=Form26_Image4 left=7200 top=6200");
  EXPECT_EQ(controlLine(lines, "Form26.Timer1"), "control Form26.Timer1 visible=0 interval=0");
  for (const auto& line : withoutTimes(lines)) EXPECT_EQ(line.rfind("control ", 0), 0u) << line;
}

// 41 rungs at 100 ms each after the first press, then the next 1/64 s check.
TEST(Escape, IdleHeroIsCaughtAndTheGameIsOver) {
  const struct {
    const char* before;
    const char* caught;
  } cases[] = {
      {"", "4109"},
      {"wait 1000\n", "5109"},
  };
  for (const auto& c : cases) {
    const auto lines =
        play(std::string(c.before) + kPress + "wait 100000\ndump Form26\nwait 5000\nok\ndump\n");
    const auto bare = withoutTimes(lines);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::string(c.caught) + " " + kCaught);
    // The chase stopped at the catch: nothing moves while the message is open.
    EXPECT_EQ(controlLine(lines, "Form26.Image2"),
              "control Form26.Image2 visible=1 picture=Form26_Image3 left=7200 top=4150");
    EXPECT_EQ(controlLine(lines, "Form26.Image4"),
              "control Form26.Image4 visible=1 picture=Form26_Image5 left=7200 top=4150");
    EXPECT_EQ(controlLine(lines, "Form26.Timer1"), "control Form26.Timer1 visible=0 interval=0");
    EXPECT_EQ(controlLine(lines, "Form26.Timer2"), "control Form26.Timer2 visible=0 interval=0");
    const std::vector<std::string> end(bare.end() - 6, bare.end());
    EXPECT_EQ(end,
              (std::vector<std::string>{
                  "ok", "load Form19", "show Form19", "unload Form26",
                  R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
                  "forms F5* Form19*"}))
        << c.before;
  }
}

// The officer draws level at 4200 ms; the check after it ticks at 4203.125 ms.
TEST(Escape, PressBetweenTheOfficersStepAndTheCheckGetsAway) {
  const struct {
    const char* secondPress;
    const char* caught;
  } cases[] = {
      {"4100", "4203"},  // the officer is level at 4100 too, but the check comes at 4109
      {"4109", "4203"},
      {"4110", "4109"},  // too late: the check at 4109.375 caught him
  };
  for (const auto& c : cases) {
    const auto lines = play(kPress + "wait " + c.secondPress + "\n" + kPress + "wait 1000\n");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::string(c.caught) + " " + kCaught) << c.secondPress;
  }
}

// 84 presses at a steady pace: above about 6.75 a second the hero gets away.
TEST(Escape, SteadyPaceDecidesTheRace) {
  const struct {
    int every;
    std::string first;
  } cases[] = {
      {100, "8300 " + kEscaped},
      {148, "12284 " + kEscaped},
      {149, "12203 " + kCaught},
      {150, "12109 " + kCaught},
  };
  for (const auto& c : cases) {
    const std::string step = kPress + "wait " + std::to_string(c.every) + "\n";
    const auto lines = play(repeated(step, 83) + kPress);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], c.first) << c.every;
  }
}

// Hero at 50 after 83 quick presses; the officer is one rung behind at 12200 ms and level at
// 12300 ms, judged at 12312.5 ms.
TEST(Escape, EightyFourthPressEscapesUnlessTheCheckCameFirst) {
  const struct {
    const char* lastPress;
    std::string first;
  } cases[] = {
      {"12200", "12200 " + kEscaped},
      {"12312", "12312 " + kEscaped},
      {"12313", "12312 " + kCaught},
  };
  for (const auto& c : cases) {
    const auto lines = play(repeated(kPress, 83) + "wait " + c.lastPress + "\n" + kPress);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], c.first) << c.lastPress;
  }
}

TEST(Escape, EscapeStopsTheChaseAndOpensTheMaze) {
  const std::string step = kPress + "wait 100\n";
  const auto lines = play(repeated(step, 83) + kPress + "wait 1000\ndump Form26\n" +
                          repeated("ok\n", 5) + "dump\n");
  EXPECT_EQ(controlLine(lines, "Form26.Image2"),
            "control Form26.Image2 visible=1 picture=Form26_Image2 left=7200 top=0");
  EXPECT_EQ(controlLine(lines, "Form26.Timer1"), "control Form26.Timer1 visible=0 interval=0");
  EXPECT_EQ(controlLine(lines, "Form26.Timer2"), "control Form26.Timer2 visible=0 interval=0");
  const auto rest = after(lines, kEscaped);
  const std::vector<std::string> expected = {
      "9300 ok",
      "9300 unload Form26",
      "9300 load Form27",
      "9300 show Form27",
      R"(9300 msgbox "幹部がでてきた！")",
      "9300 ok",
      R"(9300 msgbox "幹部に追われて、電気の部屋にきた！")",
      "9300 ok",
      R"(9300 msgbox "壁に当たったら、死んでしまいます！")",
      "9300 ok",
      R"(9300 msgbox "制限時間内にゴールしてください。")",
      "9300 ok",
      R"(9300 state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
      "9300 forms F5* Form27*",
  };
  std::vector<std::string> tail;
  for (const auto& line : rest) {
    if (line.find(" control ") == std::string::npos) tail.push_back(line);
  }
  EXPECT_EQ(tail, expected);
}

}  // namespace

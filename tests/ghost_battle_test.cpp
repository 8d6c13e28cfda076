// The ghost battle: blows only bring the curse, five bombs win the candy, HP below zero loses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::msgboxLine;
using testing_support::Prelude;
using testing_support::startAt;
using testing_support::stateLine;

// What the game does after the prelude, without times, keeping of the dumped controls only
// `controls` ("Form22.Label4").
std::vector<std::string> play(const Prelude& start, const std::string& script,
                              const std::vector<std::string>& controls = {}) {
  auto lines = testing_support::play(start, script);
  std::erase_if(lines, [&](const std::string& line) {
    if (line.rfind("control ", 0) != 0) return false;
    for (const auto& c : controls) {
      if (line.rfind("control " + c + " ", 0) == 0) return false;
    }
    return true;
  });
  return lines;
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

const std::vector<std::string> kBombHits = {msgboxLine("モーリンの水爆！"), "ok",
                                            msgboxLine("幽霊はダメージを受けている！！"), "ok"};

TEST(GhostBattle, OpensWithTheHerosHpAndNotTheGhosts) {
  EXPECT_EQ(play(startAt("Form22", {{Slot::Hp, "35"}}), "dump Form22\n",
                 {"Form22.Label2", "Form22.Label4", "Form22.Text1"}),
            (std::vector<std::string>{
                "control Form22.Label2 visible=1 caption=\"HP：不明\" left=3000 top=1560",
                "control Form22.Label4 visible=1 caption=\"35\" left=1200 top=3000",
                "control Form22.Text1 visible=0 text=\"5\" left=720 top=2280",
            }));
}

// Every curse costs 20 and is written to the state at once; 0 still stands, below 0 loses.
TEST(GhostBattle, CursesCostTwentyUntilHpFallsBelowZero) {
  const struct {
    const char* startHp;
    std::vector<const char*> hpAfterEachBlow;  // the last one loses
  } cases[] = {
      {"100", {"80", "60", "40", "20", "0", "-20"}},
      {"10", {"-10"}},
  };
  for (const auto& c : cases) {
    std::string script;
    std::vector<std::string> expected;
    for (const char* hp : c.hpAfterEachBlow) {
      script += "click Form22.Command1\nok\nok\nok\ndump Form22\nok\n";
      append(
          expected,
          {msgboxLine("幽霊には効果がないみたいだ！"), "ok", msgboxLine("幽霊の攻撃！"), "ok",
           msgboxLine("「のろい」"), "ok", msgboxLine("モーリンは20のダメージを受けた！"),
           "control Form22.Label4 visible=1 caption=\"" + std::string(hp) + "\" left=1200 top=3000",
           "ok"});
    }
    script += "ok\ndump\n";
    append(expected, {msgboxLine("モーリンは目の前が真っ暗になった！！"), "ok", "load Form19",
                      "show Form19", "unload Form22",
                      stateLine({{Slot::Hp, c.hpAfterEachBlow.back()}}), "forms F5* Form19*"});
    EXPECT_EQ(play(startAt("Form22", {{Slot::Hp, c.startHp}}), script, {"Form22.Label4"}), expected)
        << c.startHp;
  }
}

// A blow leaves the ghost's strength alone and bombs never hurt the hero: after one blow the
// fifth bomb still wins, at 80 HP. The section comes back showing the bombs left.
TEST(GhostBattle, TheFifthBombWinsTheCandy) {
  std::string script = "click Form22.Command1\nok\nok\nok\nok\n";
  std::vector<std::string> expected = {msgboxLine("幽霊には効果がないみたいだ！"),
                                       "ok",
                                       msgboxLine("幽霊の攻撃！"),
                                       "ok",
                                       msgboxLine("「のろい」"),
                                       "ok",
                                       msgboxLine("モーリンは20のダメージを受けた！"),
                                       "ok"};
  for (int bomb = 0; bomb < 5; ++bomb) {
    script += "click Form22.Command2\nok\nok\n";
    append(expected, kBombHits);
  }
  script += "ok\nok\ndump\ndump Form9\n";
  append(expected,
         {msgboxLine("幽霊は、消えた！"), "ok", msgboxLine("幽霊は不思議なアメをおいていった！"),
          "ok", "unload Form22", "load Form9", "show Form9",
          stateLine({{Slot::Bombs, "2"}, {Slot::Hp, "80"}, {Slot::Candy, "1"}}), "forms F5* Form9*",
          "control Form9.Label8 visible=1 caption=\"2\" left=1440 top=6240",
          "control Form9.Label13 visible=1 caption=\"80\" left=6000 top=4920"});
  EXPECT_EQ(
      play(startAt("Form22", {{Slot::Bombs, "7"}}), script, {"Form9.Label8", "Form9.Label13"}),
      expected);
}

// Out of bombs, a press only says so: no bomb below zero, no damage to the ghost, no way out.
TEST(GhostBattle, WithoutBombsThePressOnlySaysSo) {
  std::string script;
  std::vector<std::string> expected;
  for (int bomb = 0; bomb < 3; ++bomb) {
    script += "click Form22.Command2\nok\nok\n";
    append(expected, kBombHits);
  }
  for (int press = 0; press < 2; ++press) {
    script += "click Form22.Command2\nok\n";
    append(expected, {msgboxLine("水爆がない！！"), "ok"});
  }
  script += "dump\ndump Form22\n";
  append(expected, {stateLine(), "forms F5* Form22*",
                    "control Form22.Text1 visible=0 text=\"2\" left=720 top=2280"});
  EXPECT_EQ(play(startAt("Form22", {{Slot::Bombs, "3"}}), script, {"Form22.Text1"}), expected);
}

}  // namespace

// The gentleman battle: eight blows win the canteen, the hero's HP decides a loss, and the state
// learns nothing until the fight is won.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::captionOf;
using testing_support::controlLine;
using testing_support::repeated;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::stateLine;
using testing_support::throughOpening;
using testing_support::withoutTimes;

// One press of the attack button and the five messages of every turn.
const std::string kTurn = "click Form13.Command1\nok\nok\nok\nok\nok\n";

std::string turns(int count) { return repeated(kTurn, count); }

// The transcript without times and without the control lines of `dump FORM`, last `count` lines.
std::vector<std::string> tail(const std::vector<std::string>& lines, std::size_t count) {
  std::vector<std::string> kept;
  for (const auto& line : withoutTimes(lines)) {
    if (line.rfind("control ", 0) != 0) kept.push_back(line);
  }
  if (kept.size() > count) kept.erase(kept.begin(), kept.end() - static_cast<long>(count));
  return kept;
}

// The state line of a dump: the initial state with the slots the fight touches.
std::string state(const char* hp, const char* canteen, const char* bombs = "0") {
  return stateLine({{Slot::Bombs, bombs}, {Slot::Hp, hp}, {Slot::Canteen, canteen}});
}

TEST(GentlemanBattle, HeroHpDecidesWhetherAndWhenTheFightEnds) {
  const struct {
    const char* hp;
    int presses;
    bool wins;
    const char* hpAfter;
  } cases[] = {
      {"100", 8, true, "60"},  // the 8th press takes him to -10
      {"40", 8, true, "0"},    // exactly 0 is still alive, and wins
      {"39", 8, false, "39"},  // both fall on the 8th press: the hero is tested first
      {"5", 2, false, "5"},    // survives the first press at 0
      {"4", 1, false, "4"},
  };
  for (const auto& c : cases) {
    const std::string closing = c.wins ? "ok\nok\nok\n" : "ok\n";
    const auto lines = replayLines(turns(c.presses) + closing + "dump\ndump Form4\n",
                                   startAt("Form13", {{Slot::Hp, c.hp}}));
    const auto bare = withoutTimes(lines);
    EXPECT_EQ(std::count(bare.begin(), bare.end(), R"(msgbox "モーリンのリンチ！！")"), c.presses)
        << c.hp;
    std::vector<std::string> expected = {R"(msgbox "モーリンのhpが5減った")", "ok"};
    if (c.wins) {
      expected.insert(
          expected.end(),
          {
              R"(msgbox "ジェントルマンは倒れた")",
              "ok",
              R"(msgbox "モーリンは賞金として水筒をもらった")",
              "ok",
              R"(msgbox "ジェントルマン：あんた強いよね！水筒あげるからあっちいけ！その水筒で水を持ち運べるからな")",
              "ok",
              "unload Form13",
              "load Form4",
              "show Form4",
              state(c.hpAfter, "1"),
              "forms F5* Form4*",
          });
      EXPECT_EQ(captionOf(lines, "Form4.Label13"), c.hpAfter) << c.hp;  // the panel's HP
    } else {
      // A lost fight writes nothing: the state is as it was before it.
      expected.insert(expected.end(), {
                                          R"(msgbox "目の前が真っ暗になった。")",
                                          "ok",
                                          "load Form19",
                                          "show Form19",
                                          "unload Form13",
                                          state(c.hpAfter, "0"),
                                          "forms F5* Form19*",
                                          "form Form4 unloaded",
                                      });
    }
    EXPECT_EQ(tail(lines, expected.size()), expected) << c.hp;
  }
}

TEST(GentlemanBattle, FightGoesOnWithTheGentlemanAtZeroAndTheStateUntouched) {
  const auto lines = replayLines(turns(7) + "dump\ndump Form13\n", startAt("Form13"));
  EXPECT_EQ(captionOf(lines, "Form13.Label3"), "0");
  EXPECT_EQ(captionOf(lines, "Form13.Label5"), "65");
  EXPECT_EQ(tail(lines, 2), (std::vector<std::string>{state("100", "0"), "forms Form13* F5*"}));
}

TEST(GentlemanBattle, OnlyTheFirstCommandActsAndBringsUpTheAttackPicture) {
  const std::string picture = "control Form13.Picture1 visible=1 picture=";
  const auto before = replayLines(
      "click Form13.Command2\nclick Form13.Command3\nclick Form13.Command4\n"
      "key Form13.Command4 enter\ndump\ndump Form13\n",
      startAt("Form13", {{Slot::Bombs, "3"}}));
  // The dead buttons leave no trace at all.
  EXPECT_EQ(tail(before, 3),
            (std::vector<std::string>{"show F5", state("100", "0", "3"), "forms F5* Form13*"}));
  EXPECT_EQ(controlLine(before, "Form13.Picture1"), picture + "none left=0 top=1200");
  EXPECT_EQ(captionOf(before, "Form13.Label3"), "70");
  EXPECT_EQ(captionOf(before, "Form13.Label5"), "100");
  EXPECT_EQ(captionOf(before, "Form13.Label7"), "3");

  const auto after = replayLines("click Form13.Command1\nok\nok\nok\nok\nok\ndump Form13\n",
                                 startAt("Form13", {{Slot::Bombs, "3"}}));
  EXPECT_EQ(controlLine(after, "Form13.Picture1"), picture + "Form13_Picture2 left=0 top=1200");
  EXPECT_EQ(captionOf(after, "Form13.Label3"), "60");
  EXPECT_EQ(captionOf(after, "Form13.Label5"), "95");
  EXPECT_EQ(captionOf(after, "Form13.Label7"), "3");  // shown as on entry, never changed
}

TEST(GentlemanBattle, SkillLevelNamesTheCommands) {
  const struct {
    const char* skill;
    const char* captions[4];
  } cases[] = {
      {"1", {"リンチ", "なし", "なし", "なし"}},
      {"2", {"リンチ", "水爆", "なし", "なし"}},
      {"3", {"リンチ", "水爆", "ニキビ光線", "牛たいあたり"}},
      {"4", {"Command1", "Command2", "Command3", "Command4"}},
      {"0", {"Command1", "Command2", "Command3", "Command4"}},
  };
  for (const auto& c : cases) {
    const auto lines = replayLines("dump Form13\n", startAt("Form13", {{Slot::Skill, c.skill}}));
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(captionOf(lines, "Form13.Command" + std::to_string(i + 1)), c.captions[i])
          << c.skill;
    }
  }
}

// The road of a new game: the pasta restaurant, the fight, and back on section 1 with the
// canteen, where the gentleman now only sends the hero away.
TEST(GentlemanBattle, WonFromTheRestaurantOfSectionOne) {
  const auto lines = replayLines(throughOpening() + "click Form4.Image6\nok\nok\n" + turns(8) +
                                 "ok\nok\nok\nclick Form4.Image6\nok\nok\ndump\n");
  EXPECT_EQ(tail(lines, 9), (std::vector<std::string>{
                                "unload Form13",
                                "load Form4",
                                "show Form4",
                                R"(msgbox "従業員「うちのパスタは、さいこうねーー！！」")",
                                "ok",
                                R"(msgbox "ジェントルマン：おまえは前のやろうだな！あっちいけ！")",
                                "ok",
                                state("60", "1"),
                                "forms F5* Form4*",
                            }));
}

}  // namespace

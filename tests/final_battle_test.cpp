// The final battle: the running number steps once per 1/64 s tick and is the damage where it
// stops; オヤジ strikes back for 15; the hero falls first.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::after;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::withoutTimes;

const std::string kPress = "click Form28.Command1\n";
const std::string kLost = R"(msgbox "モーリンは目の前が真っ暗になった！")";

// A wait of exactly `ticks` steps of the number (1/64 s each).
std::string ticks(int count) {
  const long long micros = 15625LL * count;
  char text[40];
  std::snprintf(text, sizeof text, "wait %lld.%03lld\n", micros / 1000, micros % 1000);
  return text;
}

// Attacks that stop the number on each of `damages` in turn, their four messages answered;
// `beforeLast` goes in before the last attack.
std::string attacks(const std::vector<int>& damages, const std::string& beforeLast = "") {
  std::string script;
  int shown = 0;
  for (std::size_t i = 0; i < damages.size(); ++i) {
    if (i + 1 == damages.size()) script += beforeLast;
    script += kPress + ticks((damages[i] - shown + 100) % 100) + kPress + "ok\nok\nok\nok\n";
    shown = damages[i];
  }
  return script;
}

std::vector<std::string> play(const std::string& script, const char* hp = "100") {
  return withoutTimes(after(replayLines(script, startAt("Form28", {{Slot::Hp, hp}})), "show F5"));
}

// The control's line of the `index`-th `dump FORM` (counting from 0), without its time.
std::string control(const std::vector<std::string>& lines, const std::string& name, int index = 0) {
  for (const auto& line : lines) {
    if (line.rfind("control " + name + " ", 0) == 0 && index-- == 0) return line;
  }
  return "no " + name;
}

std::string label(const char* name, const char* caption, const char* place) {
  return std::string("control Form28.") + name + " visible=1 caption=\"" + caption + "\" " + place;
}
std::string enemyHp(const char* caption) { return label("Label2", caption, "left=2160 top=7080"); }
std::string number(const char* caption) { return label("Label3", caption, "left=2640 top=8160"); }
std::string heroHp(const char* caption) { return label("Label6", caption, "left=4560 top=8160"); }
std::string phase(const char* text) {
  return std::string("control Form28.Text1 visible=1 text=\"") + text + "\" left=4920 top=8880";
}
std::string timer(int interval) {
  return "control Form28.Timer1 visible=0 interval=" + std::to_string(interval);
}

std::vector<std::string> withoutControls(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) {
    if (line.rfind("control ", 0) != 0) out.push_back(line);
  }
  return out;
}

TEST(FinalBattle, NumberRunsZeroToNinetyNineThenZeroOneStepPerTick) {
  std::string script = kPress;
  const int kSamples = 230;
  for (int i = 0; i < kSamples; ++i) script += "dump Form28\n" + ticks(1);
  const auto lines = play(script);
  for (int i = 0; i < kSamples; ++i) {
    EXPECT_EQ(control(lines, "Form28.Label3", i), number(std::to_string(i % 100).c_str())) << i;
  }
  EXPECT_EQ(withoutControls(lines), std::vector<std::string>{});
}

TEST(FinalBattle, FirstPressOnlyStartsTheNumber) {
  const struct {
    std::string script;
    const char* phase;
    int interval;
    const char* hero;
  } cases[] = {
      {kPress, "1", 1, "95"},
      {"key Form28.Command1 space\n", "1", 1, "95"},  // the button is a button to the keyboard
      {"wait 3000\n", "0", 0, "95"},
      // Stopped before the first tick: no damage, and the counter-attack all the same.
      {kPress + kPress + "ok\nok\nok\nok\n", "0", 0, "80"},
  };
  for (const auto& c : cases) {
    const auto lines = play(c.script + "dump Form28\n", "95");
    EXPECT_EQ(control(lines, "Form28.Label2"), enemyHp("500")) << c.script;
    EXPECT_EQ(control(lines, "Form28.Label3"), number("0")) << c.script;
    EXPECT_EQ(control(lines, "Form28.Label6"), heroHp(c.hero)) << c.script;
    EXPECT_EQ(control(lines, "Form28.Text1"), phase(c.phase)) << c.script;
    EXPECT_EQ(control(lines, "Form28.Timer1"), timer(c.interval)) << c.script;
  }
}

TEST(FinalBattle, AttackDealsTheNumberShownAndTheNextRunGoesOnFromIt) {
  const auto lines =
      play(kPress + ticks(64) + kPress + "dump Form28\nok\nok\ndump Form28\nok\nok\n" +
           "wait 5000\ndump Form28\n" + kPress + ticks(10) + "dump Form28\n");
  EXPECT_EQ(withoutControls(lines), (std::vector<std::string>{
                                        R"(msgbox "オヤジは、ダメージを受けた！")",
                                        "ok",
                                        R"(msgbox "オヤジの攻撃！")",
                                        "ok",
                                        R"(msgbox "ゴンザ光線！")",
                                        "ok",
                                        R"(msgbox "モーリンは15のダメージをくらった！")",
                                        "ok",
                                    }));
  // Stopped and dealt before the first message; the counter-attack after the second.
  EXPECT_EQ(control(lines, "Form28.Timer1", 0), timer(0));
  EXPECT_EQ(control(lines, "Form28.Label3", 0), number("64"));
  EXPECT_EQ(control(lines, "Form28.Label2", 0), enemyHp("436"));
  EXPECT_EQ(control(lines, "Form28.Label6", 0), heroHp("100"));
  EXPECT_EQ(control(lines, "Form28.Label6", 1), heroHp("85"));
  EXPECT_EQ(control(lines, "Form28.Text1", 1), phase("1"));
  // Waiting for the next press, the number keeps its value.
  EXPECT_EQ(control(lines, "Form28.Label3", 2), number("64"));
  EXPECT_EQ(control(lines, "Form28.Text1", 2), phase("0"));
  EXPECT_EQ(control(lines, "Form28.Label3", 3), number("74"));
  EXPECT_EQ(control(lines, "Form28.Label2", 3), enemyHp("436"));
}

TEST(FinalBattle, HeroIsTestedFirstAndAnEnemyAtZeroFightsOn) {
  const std::vector<std::string> lost = {
      "ok",
      kLost,
      "ok",
      "load Form19",
      "show Form19",
      "unload Form28",
      R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
      "forms F5* Form19*",
  };
  const auto won = [](const char* hp) {
    return std::vector<std::string>{
        "ok",
        R"(msgbox "オヤジは死んだ！")",
        "ok",
        R"(msgbox "モーリンは、任務を完了した！！")",
        "ok",
        R"(msgbox "お疲れ様でした！")",
        "ok",
        "unload Form28",
        "load Form29",
        R"(msgbox "その後水爆の制定がされました。")",
        "ok",
        R"(msgbox "おしまい。")",
        "ok",
        "show Form29",
        std::string(R"(state "0" "0" "0" "100" ")") + hp +
            R"(" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
        "forms F5* Form29*",
    };
  };
  const struct {
    const char* name;
    const char* hp;
    std::vector<int> damages;
    const char* enemyBeforeLast;
    const char* heroBeforeLast;
    std::string tail;
    std::vector<std::string> outcome;
  } cases[] = {
      {"both below 0 on the seventh attack",
       "100",
       {99, 99, 99, 99, 99, 5, 1},
       "0",
       "10",
       "ok\ndump\n",
       lost},
      {"an enemy at 0 needs one more attack",
       "1000",
       {99, 99, 99, 99, 99, 5, 1},
       "0",
       "910",
       "ok\nok\nok\nok\nok\ndump\n",
       won("1000")},
      {"501 in six attacks",
       "100",
       {84, 84, 84, 84, 84, 84},
       "80",
       "25",
       "ok\nok\nok\nok\nok\ndump\n",
       won("100")},
  };
  for (const auto& c : cases) {
    const auto lines = play(attacks(c.damages, "dump Form28\n") + c.tail, c.hp);
    EXPECT_EQ(control(lines, "Form28.Label2"), enemyHp(c.enemyBeforeLast)) << c.name;
    EXPECT_EQ(control(lines, "Form28.Label6"), heroHp(c.heroBeforeLast)) << c.name;
    // Only the last attack decides: the lines after its last message.
    std::vector<std::string> last;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
      if (*it == R"(msgbox "モーリンは15のダメージをくらった！")") {
        last.assign(it.base(), lines.end());
        break;
      }
    }
    EXPECT_EQ(last, c.outcome) << c.name;
  }
}

TEST(FinalBattle, TextInThePhaseBoxThatIsNeitherPhaseMakesAPressDoNothing) {
  for (const char* typed : {"abc", "", "   ", "2", "-1", "0.5", "１"}) {
    const auto lines = play(std::string("type Form28.Text1 \"") + typed + "\"\n" + kPress +
                            "wait 1000\ndump Form28\n");
    EXPECT_EQ(withoutControls(lines), std::vector<std::string>{}) << typed;
    EXPECT_EQ(control(lines, "Form28.Label3"), number("0")) << typed;
    EXPECT_EQ(control(lines, "Form28.Text1"), phase(typed)) << typed;
    EXPECT_EQ(control(lines, "Form28.Timer1"), timer(0)) << typed;
    EXPECT_EQ(control(lines, "Form28.Label2"), enemyHp("500")) << typed;
    EXPECT_EQ(control(lines, "Form28.Label6"), heroHp("100")) << typed;
  }
}

TEST(FinalBattle, PhaseBoxIsReadAsANumberWhileTheNumberRuns) {
  const auto lines = play(kPress + ticks(6) + "type Form28.Text1 \"abc\"\n" + kPress + ticks(6) +
                          "dump Form28\ntype Form28.Text1 \" 1 \"\n" + kPress + "dump Form28\n");
  // The press on "abc" neither stopped nor restarted the number.
  EXPECT_EQ(control(lines, "Form28.Label3", 0), number("12"));
  EXPECT_EQ(control(lines, "Form28.Timer1", 0), timer(1));
  // Blanks around a 1 are still phase 1: stop and attack.
  EXPECT_EQ(control(lines, "Form28.Label2", 1), enemyHp("488"));
  EXPECT_EQ(control(lines, "Form28.Timer1", 1), timer(0));
  EXPECT_EQ(withoutControls(lines),
            std::vector<std::string>{R"(msgbox "オヤジは、ダメージを受けた！")"});
}

TEST(FinalBattle, HeroTestRunsAfterAPressThatDidNothing) {
  const auto lines = play("type Form28.Text1 \"abc\"\n" + kPress + "ok\ndump\n", "-5");
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                kLost, "ok", "load Form19", "show Form19", "unload Form28",
                R"(state "0" "0" "0" "100" "-5" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
                "forms F5* Form19*"}));
}

}  // namespace

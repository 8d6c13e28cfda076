// Bomb making at ガブリン's house, the try prompt, and the test in the field that always ends the
// game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::after;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::stateLine;
using testing_support::withoutTimes;

using Lines = std::vector<std::string>;

// Prefixes each line with a time of the transcript.
Lines at(const std::string& time, const Lines& lines) {
  Lines out;
  for (const auto& line : lines) out.push_back(time + " " + line);
  return out;
}

// What making one bomb from 2 bottles, 3 dry ice and water leaves.
std::string oneBombMade() {
  return stateLine({{Slot::Bottles, "1"},
                    {Slot::DryIce, "2"},
                    {Slot::Bombs, "1"},
                    {Slot::Water, "1"},
                    {Slot::BombMade, "1"}});
}

const std::string kGreeting = "ok\nok\n";  // the two greetings of every visit
const std::string kMakeBomb = "click Form15.Command1\nwait 100\n";

TEST(Workshop, GreetsOnEveryVisitBeforeItsWindowIsUp) {
  const auto lines = replayLines("click Form5.Image4\nok\n" + kGreeting +
                                     "click Form15.Command2\nclick Form5.Image4\nok\n" + kGreeting,
                                 startAt("Form5"));
  const Lines visit = {
      R"(msgbox "ガブリンの家だ！！！")",
      "ok",
      "unload Form5",
      "load Form15",
      R"(msgbox "ガブリン：お！！モーリン！！")",
      "ok",
      R"(msgbox "ガブリン：水爆作っていきゃー")",
      "ok",
      "show Form15",
  };
  Lines expected = visit;
  expected.insert(expected.end(), {"unload Form15", "load Form5", "show Form5"});
  expected.insert(expected.end(), visit.begin(), visit.end());
  EXPECT_EQ(withoutTimes(after(lines, "show F5")), expected);
}

// The chain stops at the first missing item; a complaint box stays alone however long it is open,
// and what the earlier steps took is not given back.
TEST(Workshop, MissingItemSendsTheHeroBackAndKeepsWhatWasTaken) {
  const struct {
    const char *bottles, *dryIce, *water;
    const char* complaint;
    const char* shownAt;  // the chain's step: the click, the first tick or the second
    const char* closedAt;
    const char *bottlesAfter, *dryIceAfter;
  } cases[] = {
      {"0", "3", "1", "ガブリン：ペットボトルがないわ！！", "0", "1100", "0", "3"},
      {"1", "0", "1", "ガブリン：ドライアイスがないわ！！", "15", "1015", "0", "0"},
      {"2", "3", "0", "ガブリン：水がないわ！！", "31", "1031", "1", "2"},
  };
  for (const auto& c : cases) {
    const auto lines = replayLines(
        kGreeting + kMakeBomb + "wait 1000\nok\nok\ndump\n",
        startAt("Form15",
                {{Slot::Bottles, c.bottles}, {Slot::DryIce, c.dryIce}, {Slot::Water, c.water}}));
    Lines expected = {std::string(c.shownAt) + " msgbox \"" + c.complaint + "\""};
    const Lines rest = at(c.closedAt, {
                                          "ok",
                                          R"(msgbox "チョロすけ：牛！もってこい！！")",
                                          "ok",
                                          "unload Form15",
                                          "load Form5",
                                          "show Form5",
                                          stateLine({{Slot::Bottles, c.bottlesAfter},
                                                     {Slot::DryIce, c.dryIceAfter},
                                                     {Slot::Water, c.water}}),
                                          "forms F5* Form5*",
                                      });
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(after(lines, "show F5"), expected) << c.complaint;
  }
}

const auto kReadyForOne =
    startAt("Form15", {{Slot::Bottles, "2"}, {Slot::DryIce, "3"}, {Slot::Water, "1"}});

TEST(Workshop, FinishedBombIsCountedAndTheTryQuestionComesOverThePrompt) {
  const auto lines = replayLines(kGreeting + kMakeBomb +
                                     "wait 1000\n"  // one arming is one step: no more dry ice
                                     "ok\nclick Form16.Command1\nok\ndump\n",
                                 kReadyForOne);
  EXPECT_EQ(after(lines, "show F5"),
            (Lines{
                R"(31 msgbox "一つできたぞ！")",
                "1031 ok",
                "1031 load Form16",
                "1031 show Form16",
                "1031 unload Form15",
                R"(1031 msgbox "試すか？")",
                "1031 ignored click Form16.Command1 (a message box is open)",
                "1031 ok",
                "1031 " + oneBombMade(),
                "1031 forms F5* Form16*",
            }));
}

TEST(TryPrompt, BothAnswersCloseThePromptAndKeepTheBomb) {
  const struct {
    const char* answer;
    Lines expected;
  } cases[] = {
      {"click Form16.Command2\nok\n",
       {"ok", R"(msgbox "チョロすけ：死ね牛")", "ok", "unload Form16", "load Form5", "show Form5",
        oneBombMade(), "forms F5* Form5*"}},
      {"click Form16.Command1\n",
       {"ok", "unload Form16", "load Form17", "show Form17", oneBombMade(), "forms F5* Form17*"}},
  };
  for (const auto& c : cases) {
    const auto lines =
        replayLines(kGreeting + kMakeBomb + "ok\nok\n" + c.answer + "dump\n", kReadyForOne);
    EXPECT_EQ(withoutTimes(after(lines, R"(msgbox "試すか？")")), c.expected) << c.answer;
  }
}

// Water is not used up: after declining, the next bomb needs only a bottle and dry ice.
TEST(TryPrompt, DecliningLeavesTheWaterForTheNextBomb) {
  const auto lines =
      replayLines(kGreeting + kMakeBomb + "ok\nok\nclick Form16.Command2\nok\n" +
                      "click Form5.Image4\nok\n" + kGreeting + kMakeBomb + "ok\nok\ndump\n",
                  kReadyForOne);
  EXPECT_EQ(withoutTimes(lines).back(), "forms F5* Form16*");
  EXPECT_EQ(withoutTimes(lines).end()[-2], stateLine({{Slot::Bottles, "0"},
                                                      {Slot::DryIce, "1"},
                                                      {Slot::Bombs, "2"},
                                                      {Slot::Water, "1"},
                                                      {Slot::BombMade, "1"}}));
}

TEST(BombTest, ExplosionAtFiveSecondsOwnerAtTenWhateverThePlayerClicks) {
  const auto lines = replayLines(
      "click Form17.Image1\nwait 4999\ndump Form17\n"
      "wait 1\nclick Form17.Image2\nclick Form17 100 100\ndump Form17\n"
      "wait 4999\nclick Form17.Image2\nwait 1\nok\nok\nok\n",
      startAt("Form17"));
  EXPECT_EQ(after(lines, "show F5"),
            (Lines{
                "4999 control Form17.Image1 visible=1 picture=Form17_Image1 left=0 top=0",
                "4999 control Form17.Image2 visible=0 picture=Form17_Image2 left=0 top=0",
                "4999 control Form17.Timer1 visible=0 interval=5000",
                "4999 control Form17.Timer2 visible=0 interval=0",
                "5000 control Form17.Image1 visible=0 picture=Form17_Image1 left=0 top=0",
                "5000 control Form17.Image2 visible=1 picture=Form17_Image2 left=0 top=0",
                "5000 control Form17.Timer1 visible=0 interval=0",
                "5000 control Form17.Timer2 visible=0 interval=5000",
                "10000 unload Form17",
                "10000 load Form18",
                R"(10000 msgbox "ラピタのジジイ：おまえら何やっとんだ！")",
                "10000 ok",
                R"(10000 msgbox "ラピタのジジイ：畑がぐちゃぐちゃだかがや！")",
                "10000 ok",
                R"(10000 msgbox "ラピタのジジイ：どうするつもりだ！！")",
                "10000 ok",
                "10000 show Form18",
            }));
}

// From the workshop to the end of the game: trying the bomb always loses, and the state stays as
// the workshop left it.
TEST(FieldOwner, BothAnswersEndInTheGameOverScreen) {
  const struct {
    const char* button;
    const char* hero;
    const char* owner;
  } cases[] = {
      {"Command1", "モーリン：す・すいません", "ラピタのジジイ：すいませんではすまないだろ！！"},
      {"Command2", "モーリン：うるせぇー！！", "ラピタのジジイ：うるせぇーだと？なめんな！！！"},
  };
  for (const auto& c : cases) {
    const auto lines =
        replayLines(kGreeting + kMakeBomb + "ok\nok\nclick Form16.Command1\n" +
                        "wait 10000\nok\nok\nok\nclick Form18." + c.button + "\nok\nok\nok\ndump\n",
                    kReadyForOne);
    EXPECT_EQ(withoutTimes(after(lines, "show Form18")),
              (Lines{
                  std::string("msgbox \"") + c.hero + "\"",
                  "ok",
                  std::string("msgbox \"") + c.owner + "\"",
                  "ok",
                  R"(msgbox "ラピタのジジイ：警察に行くぞ！！！！")",
                  "ok",
                  "unload Form18",
                  "load Form19",
                  "show Form19",
                  oneBombMade(),
                  "forms F5* Form19*",
              }))
        << c.button;
  }
}

}  // namespace

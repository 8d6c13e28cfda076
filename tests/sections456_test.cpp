// The places of map sections 4 to 6 and of the police-station screen: what each answers with
// and without its item, and in which order the scenes they open come and go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::captionOf;
using testing_support::msgboxLine;
using testing_support::play;
using testing_support::Prelude;
using testing_support::Slots;
using testing_support::startAt;
using testing_support::stateLine;

// Each place reads its item once and answers by it; the screen stays either way. Every case
// opens its screen with the item slot written, so F5 is loaded before the screen.
TEST(LaterPlaces, AnswerByTheirItemAndKeepTheScreen) {
  const struct {
    const char* name;
    Prelude start;
    const char* form;
    const char* place;
    int clicks;
    std::vector<const char*> messages;  // of one click
    Slots state;                        // afterwards, over the initial texts
  } cases[] = {
      {"clinic hint",
       startAt("Form7", {{Slot::Scope, "0"}}),
       "Form7",
       "Image2",
       1,
       {"従業員：幽霊は肉眼では見えないが、シルフスコープを使えば見えるんだって！不思議！！"},
       {}},
      {"drugstore without the card key",
       startAt("Form7", {{Slot::CardKey, "0"}}),
       "Form7",
       "Image4",
       1,
       {"カードキーがありません！！"},
       {}},
      {"water spot without the canteen",
       startAt("Form8", {{Slot::Canteen, "0"}}),
       "Form8",
       "Image2",
       1,
       {"水だ！！", "水がくめない。"},
       {}},
      // Water is a flag: the second draw says the same and leaves it at 1.
      {"water spot with the canteen, twice",
       startAt("Form8", {{Slot::Canteen, "1"}}),
       "Form8",
       "Image2",
       2,
       {"水だ！！", "モーリンは水を手に入れた！！"},
       {{Slot::Canteen, "1"}, {Slot::Water, "1"}}},
      {"ポコタ without the scooter key",
       startAt("Form8", {{Slot::ScooterKey, "0"}}),
       "Form8",
       "Image3",
       1,
       {"ポコタの家だ！！", "ポコタ：モーやんか。。。おれ電動スクーターのカギなくしちゃったんだ。"},
       {}},
      {"ポコタ with the scooter key, twice",
       startAt("Form8", {{Slot::ScooterKey, "1"}}),
       "Form8",
       "Image3",
       2,
       {"ポコタの家だ！！", "ポコタ：モーやんか。。。おれ電動スクーターのカギなくしちゃったんだ。",
        "ポコタ：電動のカギ見つけてくれたのか？", "ポコタ：ありがとう！お礼にこれやるわ！",
        "モーリンはポコタからシルフスコープをもらった！",
        "ポコタ：幽霊って、水爆５個くらいで倒せちゃった気がする。"},
       {{Slot::ScooterKey, "1"}, {Slot::Scope, "1"}}},
      {"child without candy",
       startAt("Form9", {{Slot::Candy, "0"}}),
       "Form9",
       "Image2",
       1,
       {"遊んでいる子供：おい！牛！アメもってこい！"},
       {}},
      // The candy is not taken: it still reads 1 beside the LED.
      {"child with candy",
       startAt("Form9", {{Slot::Candy, "1"}}),
       "Form9",
       "Image2",
       1,
       {"遊んでいる子供：お！牛！よくもってきたな！", "遊んでいる子供：これやるわ！",
        "モーリンは、LEDをもらった！"},
       {{Slot::Candy, "1"}, {Slot::Led, "1"}}},
      {"cemetery without the scope",
       startAt("Form9", {{Slot::Scope, "0"}}),
       "Form9",
       "Image3",
       1,
       {"怖くて入れない！！", "何か道具が必要だ！"},
       {}},
      {"ムニャ without the LED",
       startAt("Form9", {{Slot::Led, "0"}}),
       "Form9",
       "Image4",
       1,
       {"ムニャ：LEDほしーなー"},
       {}},
      {"city hall without the maze key",
       startAt("Form10", {{Slot::MazeKey, "0"}}),
       "Form10",
       "Image3",
       1,
       {"カギがない！"},
       {}},
  };
  for (const auto& c : cases) {
    const std::string form = c.form;
    std::string script;
    std::vector<std::string> expected;
    for (int i = 0; i < c.clicks; ++i) {
      script += "click " + form + "." + c.place + "\n";
      for (const char* message : c.messages) {
        script += "ok\n";
        expected.push_back(msgboxLine(message));
        expected.push_back("ok");
      }
    }
    script += "dump\n";
    expected.push_back(stateLine(c.state));
    expected.push_back("forms F5* " + form + "*");
    EXPECT_EQ(play(c.start, script), expected) << c.name;
  }
}

TEST(LaterPlaces, SceneryAndTheBareMapAnswerNoClick) {
  const struct {
    const char* form;
    const char* click;
  } cases[] = {
      {"Form7", "click Form7.Image3"},      {"Form7", "click Form7 6500 1000"},
      {"Form8", "click Form8 1000 1000"},   {"Form9", "click Form9 6000 3000"},
      {"Form10", "click Form10 1000 1000"},
  };
  for (const auto& c : cases) {
    const std::string form = c.form;
    const auto lines = play(startAt(form), std::string(c.click) + "\ndump\n");
    const std::vector<std::string> expected = {stateLine(), "forms " + form + "* F5*"};
    EXPECT_EQ(lines, expected) << c.click;
  }
}

// Where a place opens a scene, the order of messages, show and unload is what the player sees:
// the drugstore's yard, the ghost and the catching scene open over the section, which goes only
// afterwards; the police station and the city hall speak once more over the scene they opened.
TEST(LaterPlaces, ExitsOpenTheirSceneInOrder) {
  const struct {
    const char* name;
    Prelude start;
    const char* script;
    std::vector<std::string> expected;
  } cases[] = {
      {"drugstore with the card key",
       startAt("Form7", {{Slot::CardKey, "1"}}),
       "click Form7.Image4\nok\n",
       {msgboxLine("カードキーで店の裏側に入れた！"), "ok", "load Form21", "show Form21",
        "unload Form7"}},
      {"cemetery with the scope",
       startAt("Form9", {{Slot::Scope, "1"}}),
       "click Form9.Image3\nok\n",
       {msgboxLine("シルフスコープのおかげで、幽霊が見える！！！"), "ok", "load Form22",
        "show Form22", "unload Form9"}},
      {"ムニャ with the LED: no word from the map",
       startAt("Form9", {{Slot::Led, "1"}}),
       "click Form9.Image4\n",
       {"load Form24", "show Form24", "unload Form9"}},
      // Whatever the state: an empty-handed hero gets in as well.
      {"police station",
       startAt("Form10"),
       "click Form10.Image2\nok\nok\ndump\nok\nok\n",
       {msgboxLine("知多警察署だ！！"), "ok", msgboxLine("中に潜入します。"), "ok", "load Form26",
        "show Form26", "unload Form10", msgboxLine("警察が追ってきた！"), stateLine(),
        "forms F5* Form26*", "ok", msgboxLine("スタートボタンを連打して逃げてください"), "ok"}},
      {"city hall with the maze key",
       startAt("Form10", {{Slot::MazeKey, "1"}}),
       "click Form10.Image3\nok\nok\ndump\nok\n",
       {msgboxLine("モーリン：市長はどこだ！"), "ok",
        msgboxLine("役員：市長はいません！変わりにオヤジがいます。案内します。"), "ok",
        "unload Form10", "load Form28", "show Form28", msgboxLine("オヤジが勝負を仕掛けてきた！"),
        stateLine({{Slot::MazeKey, "1"}}), "forms F5* Form28*", "ok"}},
      // Section 1 is up before the police station goes.
      {"back button",
       startAt("Form10"),
       "click Form10.Command1\ndump\n",
       {"load Form4", "show Form4", "unload Form10", stateLine(), "forms F5* Form4*"}},
  };
  for (const auto& c : cases) EXPECT_EQ(play(c.start, c.script), c.expected) << c.name;
}

// Leaving the police station, by the back button or a move icon, shows the state as it is.
TEST(LaterPlaces, PoliceStationIsLeftWithThePanelIntact) {
  const Prelude start = startAt("Form10", {{Slot::Bottles, "3"},
                                           {Slot::DryIce, "2"},
                                           {Slot::Bombs, "4"},
                                           {Slot::Money, "250"},
                                           {Slot::Hp, "-5"}});
  const struct {
    const char* script;
    const char* destination;
  } cases[] = {
      {"click Form10.Command1\ndump Form4\n", "Form4"},
      {"click Form10.Image13\ndump Form8\n", "Form8"},
  };
  for (const auto& c : cases) {
    const auto lines = play(start, c.script);
    const std::string form = c.destination;
    EXPECT_EQ(captionOf(lines, form + ".Label4"), "3") << c.script;
    EXPECT_EQ(captionOf(lines, form + ".Label6"), "2") << c.script;
    EXPECT_EQ(captionOf(lines, form + ".Label8"), "4") << c.script;
    EXPECT_EQ(captionOf(lines, form + ".Label10"), "250") << c.script;
    EXPECT_EQ(captionOf(lines, form + ".Label13"), "-5") << c.script;
  }
}

// The later half of the adventure through these screens: card key, scooter key, scope, candy,
// LED, and the catching scene that ends on the police station. Each item is handed on by the
// state alone, across unloads and fresh loads of every screen on the way.
TEST(LaterPlaces, TheItemsCarryTheStoryToThePoliceStation) {
  std::string script =
      "click Form7.Image4\nok\n"                      // into the yard
      "click Form21.Image8\nok\n"                     // the scooter key
      "click Form7.Image13\n"                         // to section 5
      "click Form8.Image3\nok\nok\nok\nok\nok\nok\n"  // the scope
      "click Form8.Image12\n"                         // to section 6
      "click Form9.Image3\nok\n";                     // the ghost
  for (int bomb = 0; bomb < 5; ++bomb) script += "click Form22.Command2\nok\nok\n";
  script +=
      "ok\nok\n"                          // the ghost vanishes, the candy
      "click Form9.Image2\nok\nok\nok\n"  // the LED
      "click Form9.Image4\nwait 5000\nok\nok\nok\nok\nok\n"
      "click Form10.Command1\ndump\n";
  const auto lines = play(startAt("Form7", {{Slot::CardKey, "1"}, {Slot::Bombs, "5"}}), script);
  ASSERT_GE(lines.size(), 2u);
  for (const auto& line : lines) EXPECT_EQ(line.rfind("ignored", 0), std::string::npos) << line;
  EXPECT_EQ(lines[lines.size() - 2], stateLine({{Slot::CardKey, "1"},
                                                {Slot::ScooterKey, "1"},
                                                {Slot::Scope, "1"},
                                                {Slot::Candy, "1"},
                                                {Slot::Led, "1"}}));
  EXPECT_EQ(lines.back(), "forms F5* Form4*");
}

}  // namespace

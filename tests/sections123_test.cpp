// The places of map sections 1 to 3: what a click on each says, changes and opens, and in which
// order the screens come and go.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::msgboxLine;
using testing_support::play;
using testing_support::Prelude;
using testing_support::startAt;
using testing_support::stateLine;

TEST(SectionPlaces, MessagePlacesTalkAndChangeNothing) {
  const struct {
    const char* form;
    const char* place;
    const char* message;
  } cases[] = {
      {"Form4", "Image4", "休業中だ"},
      {"Form5", "Image2", "従業員「ニキビでも直す？？？」"},
      {"Form6", "Image2", "キャーエッチ！！！！！！！！１１"},
      {"Form6", "Image3", "従業員：スギ薬局ってカードキーがあれば、店の裏側に入れるんだって！！"},
      {"Form6", "Image6", "電気びりびり"},
  };
  for (const auto& c : cases) {
    const std::string form = c.form;
    const auto lines = play(startAt(form), "click " + form + "." + c.place + "\nok\ndump\n");
    const std::vector<std::string> expected = {msgboxLine(c.message), "ok", stateLine(),
                                               "forms " + form + "* F5*"};
    EXPECT_EQ(lines, expected) << form << "." << c.place;
  }
}

TEST(SectionPlaces, SceneryAndTheBareMapAnswerNoClick) {
  const struct {
    const char* form;
    const char* click;
  } cases[] = {
      {"Form5", "click Form5.Image3"},
      {"Form4", "click Form4 6500 4000"},
      {"Form5", "click Form5 6000 1000"},
      {"Form6", "click Form6 1000 4000"},
  };
  for (const auto& c : cases) {
    const std::string form = c.form;
    const auto lines = play(startAt(form), std::string(c.click) + "\ndump\n");
    const std::vector<std::string> expected = {stateLine(), "forms " + form + "* F5*"};
    EXPECT_EQ(lines, expected) << c.click;
  }
}

// The section is rebuilt before the message, so the panel behind the box already counts the new
// bottle; the other panel values are rebuilt from the state as they were.
TEST(SectionPlaces, BottleSpotsRebuildTheSectionBeforeTheirMessage) {
  const struct {
    const char* form;
    const char* place;
  } cases[] = {{"Form4", "Image7"}, {"Form5", "Image5"}, {"Form5", "Image6"}};
  for (const auto& c : cases) {
    const std::string form = c.form;
    std::string script;
    for (int i = 0; i < 5; ++i)
      script += "click " + form + "." + c.place + "\ndump " + form + "\nok\n";
    script += "dump\n";
    const auto lines = play(startAt(form, {{Slot::Bottles, "7"}, {Slot::Money, "300"}}), script);

    std::vector<std::string> expected;
    for (int bottles = 8; bottles <= 12; ++bottles) {
      const std::vector<std::string> one = {
          "unload " + form,
          "load " + form,
          "show " + form,
          msgboxLine("モーリンはペットボトルを見つけた！！"),
          "control " + form + ".Label4 visible=1 caption=\"" + std::to_string(bottles) +
              "\" left=1800 top=5520",
          "control " + form + ".Label10 visible=1 caption=\"300\" left=1440 top=6600",
          "ok",
      };
      expected.insert(expected.end(), one.begin(), one.end());
    }
    expected.push_back(stateLine({{Slot::Bottles, "12"}, {Slot::Money, "300"}}));
    expected.push_back("forms F5* " + form + "*");

    std::vector<std::string> seen;
    const std::string bottleLabel = "control " + form + ".Label4 ";
    const std::string moneyLabel = "control " + form + ".Label10 ";
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(seen), [&](const std::string& l) {
      return l.rfind("control ", 0) != 0 || l.rfind(bottleLabel, 0) == 0 ||
             l.rfind(moneyLabel, 0) == 0;
    });
    EXPECT_EQ(seen, expected) << form << "." << c.place;
  }
}

// Places that lead elsewhere: their messages, then the switch. The battle, the workshop and the
// job offer have load steps of their own, so only the transcript up to their load is checked.
TEST(SectionPlaces, ExitsShowTheirMessagesThenSwitchScreens) {
  const struct {
    const char* name;
    Prelude start;
    const char* script;
    std::vector<std::string> expected;
  } cases[] = {
      // The clinic's greeting comes with section 1 already gone.
      {"clinic",
       startAt("Form4"),
       "click Form4.Image2\ndump\n",
       {"unload Form4", "load Form12", msgboxLine("いらっしゃいませ。"), stateLine(),
        "forms F5* Form12"}},
      // The store's greeting comes over section 1, which closes only once the shop is up.
      {"store",
       startAt("Form4"),
       "click Form4.Image3\ndump\nok\nok\nok\ndump\n",
       {"load Form11",
        msgboxLine("社員：いらっしゃいませ。当店ではいろいろなものを売っております。"), stateLine(),
        "forms Form4* F5* Form11", "ok", msgboxLine("社員：ドライアイスですか？"), "ok",
        msgboxLine("でしたらこちらです。"), "ok", "show Form11", "unload Form4", stateLine(),
        "forms F5* Form11*"}},
      {"pharmacy",
       startAt("Form4"),
       "click Form4.Image5\nok\n",
       {msgboxLine("薬局だ！！"), "ok", "unload Form4", "load Form14", "show Form14"}},
      {"pasta restaurant before the canteen",
       startAt("Form4"),
       "click Form4.Image6\nok\nok\n",
       {msgboxLine("従業員「うちのパスタは、さいこうねーー！！」"), "ok",
        msgboxLine("ジェントルマンが勝負をしかけてきた。"), "ok", "unload Form4", "load Form13"}},
      {"pasta restaurant with the canteen won",
       startAt("Form4", {{Slot::Canteen, "1"}}),
       "click Form4.Image6\nok\nok\ndump\n",
       {msgboxLine("従業員「うちのパスタは、さいこうねーー！！」"), "ok",
        msgboxLine("ジェントルマン：おまえは前のやろうだな！あっちいけ！"), "ok",
        stateLine({{Slot::Canteen, "1"}}), "forms F5* Form4*"}},
      {"ガブリン's house",
       startAt("Form5"),
       "click Form5.Image4\nok\n",
       {msgboxLine("ガブリンの家だ！！！"), "ok", "unload Form5", "load Form15"}},
      {"restaurant",
       startAt("Form6"),
       "click Form6.Image4\nok\n",
       {msgboxLine("従業員：へいらっしゃい！食べてく？"), "ok", "unload Form6", "load Form20",
        "show Form20"}},
      {"job offer",
       startAt("Form6"),
       "click Form6.Image7\nok\n",
       {msgboxLine("ちょっとそこのお兄ちゃん！！バイトしない？"), "ok", "unload Form6",
        "load Form23"}},
  };
  for (const auto& c : cases) {
    auto lines = play(c.start, c.script);
    if (lines.size() > c.expected.size()) lines.resize(c.expected.size());
    EXPECT_EQ(lines, c.expected) << c.name;
  }
}

// ぺろりん answers by the bomb flag alone; the card key he gives is not on the panel, so the
// section is not rebuilt.
TEST(SectionPlaces, PerorinGivesTheCardKeyOnlyAfterTheFirstBomb) {
  const std::vector<std::string> hints = {
      msgboxLine("ガブリンとかいうやつの家で水爆作れるって！"), "ok",
      msgboxLine("ガブリンの家に行って水爆を作ればいいものやる"), "ok"};
  const std::vector<std::string> gift = {msgboxLine("私ぺろりんです。"),
                                         "ok",
                                         msgboxLine("これやる！"),
                                         "ok",
                                         msgboxLine("モーリンはカードキーをもらった！"),
                                         "ok"};
  const struct {
    const char* name;
    Prelude start;
    const char* script;
    std::vector<std::string> messages;
    std::string state;
  } cases[] = {
      {"before the bomb", startAt("Form6", {{Slot::BombMade, "0"}}),
       "click Form6.Image5\nok\nok\ndump\n", hints, stateLine()},
      {"after the bomb", startAt("Form6", {{Slot::BombMade, "1"}}),
       "click Form6.Image5\nok\nok\nok\ndump\n", gift,
       stateLine({{Slot::CardKey, "1"}, {Slot::BombMade, "1"}})},
      {"again with the key", startAt("Form6", {{Slot::BombMade, "1"}, {Slot::CardKey, "1"}}),
       "click Form6.Image5\nok\nok\nok\ndump\n", gift,
       stateLine({{Slot::CardKey, "1"}, {Slot::BombMade, "1"}})},
  };
  for (const auto& c : cases) {
    auto expected = c.messages;
    expected.push_back(c.state);
    expected.push_back("forms F5* Form6*");
    EXPECT_EQ(play(c.start, c.script), expected) << c.name;
  }
}

}  // namespace

// The dry-ice shop, the dermatology clinic, the medicine shop and the restaurant: what money
// buys, the refusals, and the section each of them returns to with its panel up to date.
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
using testing_support::repeated;
using testing_support::startAt;
using testing_support::stateLine;

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The panel of a map screen from a `dump FORM`: bottles, dry ice, bombs, money, HP.
std::vector<std::string> panel(const std::vector<std::string>& lines, const std::string& form) {
  std::vector<std::string> values;
  for (const char* label : {"Label4", "Label6", "Label8", "Label10", "Label13"}) {
    const std::string prefix = "control " + form + "." + label + " ";
    for (const auto& line : lines) {
      if (line.rfind(prefix, 0) != 0) continue;
      const auto begin = line.find("caption=\"") + 9;
      values.push_back(line.substr(begin, line.find('"', begin) - begin));
    }
  }
  return values;
}

// The transcript without the control lines of dumps.
std::vector<std::string> events(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines)
    if (line.rfind("control ", 0) != 0) out.push_back(line);
  return out;
}

// The lines after the first one equal to `marker`.
std::vector<std::string> following(const std::vector<std::string>& lines,
                                   const std::string& marker) {
  const auto it = std::find(lines.begin(), lines.end(), marker);
  return {it == lines.end() ? it : it + 1, lines.end()};
}

const std::vector<std::string> kThanks = {msgboxLine("ありがとうございました。"), "ok"};

TEST(DryIceShop, SellsOnePiecePerClickWhileTheMoneyLasts) {
  const std::vector<std::string> refused = {msgboxLine("お金が足りません。"), "ok"};
  const struct {
    const char* money;
    int clicks;
    std::vector<std::string> answers;
    const char* moneyAfter;
    const char* dryIceAfter;
  } cases[] = {
      {"100", 2, kThanks + refused, "0", "1"},
      {"200", 2, kThanks + kThanks, "0", "2"},
      {"99", 1, refused, "99", "0"},
  };
  for (const auto& c : cases) {
    const auto lines = play(startAt("Form4", {{Slot::Money, c.money}}),
                            "click Form4.Image3\nok\nok\nok\n" +
                                repeated("click Form11.Command1\nok\n", c.clicks) +
                                "click Form11.Command2\nok\ndump\ndump Form4\n");
    const auto expected =
        c.answers + kThanks +
        std::vector<std::string>{
            "unload Form11", "load Form4", "show Form4",
            stateLine({{Slot::DryIce, c.dryIceAfter}, {Slot::Money, c.moneyAfter}}),
            "forms F5* Form4*"};
    EXPECT_EQ(events(following(lines, "unload Form4")), expected) << c.money << " yen";
    EXPECT_EQ(panel(lines, "Form4"),
              (std::vector<std::string>{"0", c.dryIceAfter, "0", c.moneyAfter, "100"}))
        << c.money << " yen";
  }
}

TEST(Clinic, PaysForOneSampleOnlyAndAlwaysReturnsToSectionOne) {
  const std::vector<std::string> greeting = {
      "unload Form4",
      "load Form12",
      msgboxLine("いらっしゃいませ。"),
      "ok",
      msgboxLine("！！！！！！！！！！！すっすばらしいニキビ！！"),
      "ok",
      msgboxLine("５００円あげるのでサンプルをとらせてください。"),
      "ok",
      "show Form12"};
  const std::vector<std::string> back = {"unload Form12", "load Form4", "show Form4"};
  const std::vector<std::string> sample = {msgboxLine("では、サンプルをとらせてもらいます。"),
                                           "ok",
                                           msgboxLine("モーリン「イッテ！！！！」"),
                                           "ok",
                                           msgboxLine("モーリンはHPを5へらした。"),
                                           "ok"};
  const std::string enter = "click Form4.Image2\nok\nok\nok\n";
  const struct {
    const char* name;
    Prelude start;
    std::string script;
    std::vector<std::string> expected;
    std::vector<std::string> panel;
  } cases[] = {
      {"first sample",
       startAt("Form4", {{Slot::Clinic, "0"}}),
       enter + "click Form12.Command1\nok\nok\nok\n",
       greeting + sample + back,
       {"0", "0", "0", "600", "95"}},
      // HP is not looked at: the sample can leave the hero below 0.
      {"sample at 3 HP",
       startAt("Form4", {{Slot::Hp, "3"}}),
       enter + "click Form12.Command1\nok\nok\nok\n",
       greeting + sample + back,
       {"0", "0", "0", "600", "-2"}},
      {"second sample",
       startAt("Form4", {{Slot::Money, "600"}, {Slot::Hp, "95"}, {Slot::Clinic, "1"}}),
       enter + "click Form12.Command1\nok\n",
       greeting + std::vector<std::string>{msgboxLine("あんたのもうあるわ！！"), "ok"} + back,
       {"0", "0", "0", "600", "95"}},
      {"refused",
       startAt("Form4", {{Slot::Clinic, "0"}}),
       enter + "click Form12.Command2\nok\n",
       greeting + std::vector<std::string>{msgboxLine("だめですかーちぇ"), "ok"} + back,
       {"0", "0", "0", "100", "100"}},
      // Refusing leaves the offer open.
      {"refused, then agreed on a later visit",
       startAt("Form4", {{Slot::Clinic, "0"}}),
       enter + "click Form12.Command2\nok\n" + enter + "click Form12.Command1\nok\nok\nok\n",
       greeting + std::vector<std::string>{msgboxLine("だめですかーちぇ"), "ok"} + back + greeting +
           sample + back,
       {"0", "0", "0", "600", "95"}},
  };
  for (const auto& c : cases) {
    const auto lines = play(c.start, c.script + "dump Form4\n");
    EXPECT_EQ(events(lines), c.expected) << c.name;
    EXPECT_EQ(panel(lines, "Form4"), c.panel) << c.name;
  }
}

// The reward is already paid while the messages tell of it; the clinic remembers the sample only
// once they are read.
TEST(Clinic, ChangesMoneyAndHpBeforeItsMessagesAndTheFlagAfterThem) {
  const auto lines = play(startAt("Form4", {{Slot::Clinic, "0"}}),
                          "click Form4.Image2\nok\nok\nok\nclick Form12.Command1\ndump\nok\nok\n"
                          "dump\nok\ndump\n");
  const std::vector<std::string> expected = {
      msgboxLine("では、サンプルをとらせてもらいます。"),
      stateLine({{Slot::Money, "600"}, {Slot::Hp, "95"}}),
      "forms F5* Form12*",
      "ok",
      msgboxLine("モーリン「イッテ！！！！」"),
      "ok",
      msgboxLine("モーリンはHPを5へらした。"),
      stateLine({{Slot::Money, "600"}, {Slot::Hp, "95"}}),
      "forms F5* Form12*",
      "ok",
      "unload Form12",
      "load Form4",
      "show Form4",
      stateLine({{Slot::Money, "600"}, {Slot::Hp, "95"}, {Slot::Clinic, "1"}}),
      "forms F5* Form4*",
  };
  EXPECT_EQ(following(lines, "show Form12"), expected);
}

TEST(MedicineShop, SellsACureOfTenHpPerClickWhileTheMoneyLasts) {
  const std::vector<std::string> cure = {
      msgboxLine("従業員：ありがとうございました。100円になります。"), "ok",
      msgboxLine("モーリンのHPが10アップした！"), "ok"};
  const std::vector<std::string> refused = {msgboxLine("お金が足りない"), "ok"};
  const std::string buy = "click Form14.Command1\nok\nok\n";
  const std::string refuse = "click Form14.Command1\nok\n";
  const struct {
    const char* money;
    std::string clicks;
    std::vector<std::string> answers;
    const char* moneyAfter;
    const char* hpAfter;
  } cases[] = {
      {"100", buy + refuse, cure + refused, "0", "110"},
      {"250", buy + buy + refuse, cure + cure + refused, "50", "120"},
      {"99", refuse, refused, "99", "100"},
  };
  for (const auto& c : cases) {
    const auto lines = play(startAt("Form14", {{Slot::Money, c.money}}),
                            c.clicks + "click Form14.Command2\nok\ndump\ndump Form4\n");
    const auto expected =
        c.answers + kThanks +
        std::vector<std::string>{"unload Form14", "load Form4", "show Form4",
                                 stateLine({{Slot::Money, c.moneyAfter}, {Slot::Hp, c.hpAfter}}),
                                 "forms F5* Form4*"};
    EXPECT_EQ(events(lines), expected) << c.money << " yen";
    EXPECT_EQ(panel(lines, "Form4"),
              (std::vector<std::string>{"0", "0", "0", c.moneyAfter, c.hpAfter}))
        << c.money << " yen";
  }
}

TEST(Restaurant, EveryAnswerReturnsToSectionThree) {
  const std::string charge = msgboxLine("100円いただきやす！");
  const std::string comeAgain = msgboxLine("また来てね！！");
  const struct {
    const char* name;
    const char* money;
    const char* script;
    std::vector<std::string> answers;
    const char* moneyAfter;
    const char* hpAfter;
  } cases[] = {
      {"99 yen",
       "99",
       "click Form20.Command1\nok\nok\nok\n",
       {charge, "ok", msgboxLine("お金が足らんよ！"), "ok", comeAgain, "ok"},
       "99",
       "100"},
      {"100 yen",
       "100",
       "click Form20.Command1\nok\nok\n",
       {charge, "ok", msgboxLine("モーリンのHPが10あがった！！！"), "ok"},
       "0",
       "110"},
      {"200 yen",
       "200",
       "click Form20.Command1\nok\nok\n",
       {charge, "ok", msgboxLine("モーリンのHPが10あがった！！！"), "ok"},
       "100",
       "110"},
      {"declined", "100", "click Form20.Command2\nok\n", {comeAgain, "ok"}, "100", "100"},
  };
  for (const auto& c : cases) {
    const auto lines = play(startAt("Form20", {{Slot::Money, c.money}}),
                            std::string(c.script) + "dump\ndump Form6\n");
    const auto expected =
        c.answers +
        std::vector<std::string>{"unload Form20", "load Form6", "show Form6",
                                 stateLine({{Slot::Money, c.moneyAfter}, {Slot::Hp, c.hpAfter}}),
                                 "forms F5* Form6*"};
    EXPECT_EQ(events(lines), expected) << c.name;
    EXPECT_EQ(panel(lines, "Form6"),
              (std::vector<std::string>{"0", "0", "0", c.moneyAfter, c.hpAfter}))
        << c.name;
  }
}

}  // namespace

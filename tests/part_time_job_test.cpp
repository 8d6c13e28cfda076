// The part-time job: the offer on section 3, and ten seconds of clicking that bake rice crackers
// at 100 yen each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::after;
using testing_support::controlLine;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::stateLine;
using testing_support::withoutTimes;

using Lines = std::vector<std::string>;

// The state line of a dump with the given money and every other slot as at the start.
std::string stateWithMoney(const std::string& money) { return stateLine({{Slot::Money, money}}); }

const std::string kClosingMessages = "ok\nok\nok\n";

TEST(JobOffer, DecliningChangesNothing) {
  const auto lines =
      replayLines("click Form6.Image7\nok\nclick Form23.Command2\ndump\n", startAt("Form6"));
  EXPECT_EQ(withoutTimes(after(lines, "show F5")),
            (Lines{
                R"(msgbox "ちょっとそこのお兄ちゃん！！バイトしない？")",
                "ok",
                "unload Form6",
                "load Form23",
                "show Form23",
                "unload Form23",
                "load Form6",
                "show Form6",
                stateWithMoney("100"),
                "forms F5* Form6*",
            }));
}

// The ten seconds start when the player has read the rules and the game window opens.
TEST(JobOffer, TakingItOpensTheGameAfterTheRules) {
  const auto lines = replayLines(
      "click Form6.Image7\nok\nclick Form23.Command1\nwait 3000\nok\nwait 9999\nwait 1\n",
      startAt("Form6"));
  EXPECT_EQ(after(lines, "show Form23"),
            (Lines{
                R"(0 msgbox "OKを押したらスタートしますので、スタートボタンを連打してください。")",
                "3000 ok",
                "3000 load Form25",
                "3000 show Form25",
                "3000 unload Form23",
                R"(13000 msgbox "終わりです。")",
            }));
}

// Clicks follow one another with no time between them, as in a fast double click: each counts.
TEST(RiceCrackerGame, EveryFifthClickFinishesACrackerThatPaysAtTheEnd) {
  const struct {
    int clicks;
    const char* picture;  // what Picture1 shows when the time is up
    const char* step;
    const char* crackers;
    const char* money;
  } cases[] = {
      {0, "Form25_Picture1", "1", "0", "100"},
      {4, "Form25_Picture4", "5", "0", "100"},  // a cracker in progress earns nothing
      {5, "Form25_Picture5", "1", "1", "200"},
      {6, "Form25_Picture1", "2", "1", "200"},  // the next cracker starts raw
      {10, "Form25_Picture5", "1", "2", "300"},
      {14, "Form25_Picture4", "5", "2", "300"},
  };
  for (const auto& c : cases) {
    std::string script;
    for (int i = 0; i < c.clicks; ++i) script += "click Form25.Label2\n";
    const auto lines =
        replayLines(script + "dump Form25\nwait 10000\n" + kClosingMessages + "dump\ndump Form6\n",
                    startAt("Form25"));
    EXPECT_EQ(controlLine(lines, "Form25.Picture1"),
              std::string("control Form25.Picture1 visible=1 picture=") + c.picture +
                  " left=2400 top=840")
        << c.clicks;
    EXPECT_EQ(
        controlLine(lines, "Form25.Text1"),
        std::string("control Form25.Text1 visible=0 text=\"") + c.step + "\" left=960 top=3480")
        << c.clicks;
    EXPECT_EQ(controlLine(lines, "Form25.Text2"),
              std::string("control Form25.Text2 visible=0 text=\"") + c.crackers +
                  "\" left=1320 top=2760")
        << c.clicks;
    Lines closing;  // what follows the first dump
    for (const auto& line : after(lines, "show F5")) {
      if (line.find(" control ") == std::string::npos) closing.push_back(line);
    }
    EXPECT_EQ(closing, (Lines{
                           R"(10000 msgbox "終わりです。")",
                           "10000 ok",
                           R"(10000 msgbox "せんべい１枚につき、100円の報酬です。")",
                           "10000 ok",
                           R"(10000 msgbox "また手伝ってちょ！")",
                           "10000 ok",
                           "10000 unload Form25",
                           "10000 load Form6",
                           "10000 show Form6",
                           "10000 " + stateWithMoney(c.money),
                           "10000 forms F5* Form6*",
                       }))
        << c.clicks;
    // Section 3 is opened anew, so its panel shows the pay.
    EXPECT_EQ(controlLine(lines, "Form6.Label10"),
              std::string("control Form6.Label10 visible=1 caption=\"") + c.money +
                  "\" left=1440 top=6600")
        << c.clicks;
  }
}

TEST(RiceCrackerGame, PaysOnceHoweverLongTheClosingMessagesStayOpen) {
  const auto lines = replayLines(
      "click Form25.Label2\nclick Form25.Label2\nclick Form25.Label2\nclick Form25.Label2\n"
      "click Form25.Label2\n"
      "wait 10000\nwait 60000\nclick Form25.Label2\nok\nwait 60000\nok\nwait 60000\nok\n"
      "wait 60000\nclick Form25.Label2\ndump\n",
      startAt("Form25", {{Slot::Money, "0"}}));
  EXPECT_EQ(after(lines, "show F5"),
            (Lines{
                R"(10000 msgbox "終わりです。")",
                "70000 ignored click Form25.Label2 (a message box is open)",
                "70000 ok",
                R"(70000 msgbox "せんべい１枚につき、100円の報酬です。")",
                "130000 ok",
                R"(130000 msgbox "また手伝ってちょ！")",
                "190000 ok",
                "190000 unload Form25",
                "190000 load Form6",
                "190000 show Form6",
                "250000 ignored click Form25.Label2 (Form25 is not loaded)",
                "250000 " + stateWithMoney("100"),
                "250000 forms F5* Form6*",
            }));
}

}  // namespace

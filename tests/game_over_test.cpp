// The game-over screen: "OK" ends the game, "やだ！" starts a scolding that only dismissing one
// of its boxes ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using testing_support::after;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::withoutTimes;

using Lines = std::vector<std::string>;

TEST(GameOver, OkEndsTheGameWhateverTheLetterSays) {
  for (const char* letter : {"", "type Form19.Text1 \"もうしません\"\n"}) {
    const auto lines =
        replayLines(std::string(letter) + "click Form19.Command1\n", startAt("Form19"));
    EXPECT_EQ(withoutTimes(after(lines, "show F5")), Lines{"end"}) << letter;
  }
}

TEST(GameOver, ScoldingComesOneBoxAtATimeUntilABoxIsDismissed) {
  const auto lines = replayLines(
      "click Form19.Command2\n"
      "wait 1000\n"  // the first box stays alone however long it is open
      "ok\n"
      "wait 15\n"
      "wait 1\n"  // the timer service's shortest period has passed
      "click Form19.Command1\n"
      "ok\n"
      "wait 100\n"
      "wait 5000\n"  // never a second box over the first, nor a burst after it
      "ok\n"
      "wait 100\n"
      "close msgbox\n"
      "wait 1000\n",
      startAt("Form19"));
  EXPECT_EQ(after(lines, "show F5"),
            (Lines{
                R"(0 msgbox "なに？こうしてやる！")",
                "1000 ok",
                R"(1015 msgbox "何やっとんだー！")",
                "1015 ignored click Form19.Command1 (a message box is open)",
                "1015 ok",
                R"(1031 msgbox "何やっとんだー！")",
                "6031 ok",
                R"(6046 msgbox "何やっとんだー！")",
                "6046 close msgbox",
                "6046 end",
            }));
}

TEST(GameOver, DismissingTheFirstBoxAlsoEndsTheGame) {
  const auto lines =
      replayLines("click Form19.Command2\nclose msgbox\nwait 1000\n", startAt("Form19"));
  EXPECT_EQ(withoutTimes(after(lines, "show F5")),
            (Lines{R"(msgbox "なに？こうしてやる！")", "close msgbox", "end"}));
}

}  // namespace

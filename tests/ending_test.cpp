// The ending and the closing slideshow: two messages before the picture, then eight slides of
// five seconds each, and the program ends; nothing the player does changes the show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using testing_support::after;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::withoutTimes;

TEST(Ending, BothMessagesComeBeforeThePictureAndOkStartsTheSlides) {
  const auto lines = withoutTimes(
      after(replayLines("click Form29.Command1\nok\nok\ndump\nclick Form29.Command1\ndump\n",
                        startAt("Form29")),
            "unload Form1"));
  const std::vector<std::string> expected = {
      "load Form29",
      R"(msgbox "その後水爆の制定がされました。")",
      "ignored click Form29.Command1 (a message box is open)",
      "ok",
      R"(msgbox "おしまい。")",
      "ok",
      "show Form29",
      "load F5",
      "show F5",
      R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
      "forms Form29* F5*",
      "unload Form29",
      "load Form30",
      "show Form30",
      R"(state "0" "0" "0" "100" "100" "0" "1" "0" "0" "0" "0" "0" "0" "0" "0" "0")",
      "forms F5* Form30*",
  };
  EXPECT_EQ(lines, expected);
}

TEST(Ending, SlideshowRunsFortySecondsFromItsLoad) {
  const auto lines =
      replayLines("ok\nok\nwait 1234\nclick Form29.Command1\nwait 100000\n", startAt("Form29"));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "1234 show Form30");
  EXPECT_EQ(lines.back(), "41234 end");
}

// The slideshow's dumps of its picture box and counter, with a line of input before each.
std::vector<std::string> slides(const std::vector<std::string>& inputs) {
  const int times[] = {0, 4999, 5000, 10000, 15000, 20000, 25000, 30000, 35000, 39999};
  std::string script;
  int now = 0;
  for (std::size_t i = 0; i < std::size(times); ++i) {
    if (times[i] > now) script += "wait " + std::to_string(times[i] - now) + "\n";
    now = times[i];
    script += inputs[i % inputs.size()] + "\ndump Form30\n";
  }
  script += "wait 1\n";
  std::vector<std::string> out;
  for (const auto& line : after(replayLines(script, startAt("Form30")), "show F5")) {
    const bool kept = line.find(" control Form30.Picture1 ") != std::string::npos ||
                      line.find(" control Form30.Text1 ") != std::string::npos ||
                      line.find(" control ") == std::string::npos;
    if (kept && line.find(" ignored ") == std::string::npos) out.push_back(line);
  }
  return out;
}

TEST(Ending, EightSlidesFiveSecondsEachThenTheEnd) {
  std::vector<std::string> expected;
  const struct {
    const char* time;
    int slide;
  } shown[] = {{"0", 1},     {"4999", 1},  {"5000", 2},  {"10000", 3}, {"15000", 4},
               {"20000", 5}, {"25000", 6}, {"30000", 7}, {"35000", 8}, {"39999", 8}};
  for (const auto& s : shown) {
    const std::string n = std::to_string(s.slide);
    expected.push_back(std::string(s.time) +
                       " control Form30.Picture1 visible=1 picture=Form30_Image" + n +
                       " left=0 top=0");
    expected.push_back(std::string(s.time) + " control Form30.Text1 visible=0 text=\"" + n +
                       "\" left=1080 top=2400");
  }
  expected.push_back("40000 end");
  EXPECT_EQ(slides({""}), expected);
}

TEST(Ending, NoClickOrKeyChangesTheSlideshow) {
  const auto undisturbed = slides({""});
  const std::vector<std::string> inputs = {
      "click Form30.Picture1",     "click Form30 6000 4000",     "down Form30.Picture1 right",
      "key Form30.Picture1 enter", "key Form30.Text1 space",     "move Form30 100 100",
      "click Form30.Image8",       "path Form30 0 0 11985 8955",
  };
  EXPECT_EQ(slides(inputs), undisturbed);
}

}  // namespace

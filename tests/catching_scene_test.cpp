// The catching scene: the picture that grows a second a step, the five closing messages, and the
// ride to the police station. Timed on the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using core::Slot;
using testing_support::after;
using testing_support::replayLines;
using testing_support::startAt;

// The scene, from the click on ムニャ's house with the LED. Dumps of Form24 are reduced to the
// one line "T shows ImageN" per picture on screen.
std::vector<std::string> scene(const std::string& script) {
  const auto lines =
      replayLines("click Form9.Image4\n" + script, startAt("Form9", {{Slot::Led, "1"}}));
  std::vector<std::string> out;
  for (const auto& line : after(lines, "unload Form9")) {
    const auto control = line.find(" control Form24.");
    if (control == std::string::npos) {
      out.push_back(line);
    } else if (line.find(" visible=1 ") != std::string::npos &&
               line.find(".Image") != std::string::npos) {
      const auto name = control + 16;
      out.push_back(line.substr(0, control) + " shows " +
                    line.substr(name, line.find(' ', name) - name));
    }
  }
  return out;
}

// One size at a time, each alone on screen. The first timer shows the size already there, so
// the smallest picture holds for two seconds; nothing is said before the fifth second.
TEST(CatchingScene, ThePictureGrowsASecondAStep) {
  const int checks[] = {0, 999, 1000, 1999, 2000, 2999, 3000, 3999, 4000, 4999, 5000};
  std::string script;
  int now = 0;
  for (int at : checks) {
    script += "wait " + std::to_string(at - now) + "\ndump Form24\n";
    now = at;
  }
  EXPECT_EQ(scene(script), (std::vector<std::string>{
                               "0 shows Image4",
                               "999 shows Image4",
                               "1000 shows Image4",
                               "1999 shows Image4",
                               "2000 shows Image3",
                               "2999 shows Image3",
                               "3000 shows Image2",
                               "3999 shows Image2",
                               "4000 shows Image1",
                               "4999 shows Image1",
                               "5000 msgbox \"ムニャ：お！LEDくれるのか？ありがとー！\"",
                               "5000 shows Image1",
                           }));
}

// However long each message stays open, the scene's last timer does not come round again: five
// messages once each over the largest picture, then the police station. The LED is not taken.
TEST(CatchingScene, FiveMessagesOnceEachThenThePoliceStation) {
  std::string script = "wait 5000\n";
  for (int i = 0; i < 5; ++i) script += "dump Form24\nwait 3000\nok\n";
  script += "wait 3000\ndump\n";
  EXPECT_EQ(scene(script), (std::vector<std::string>{
                               "5000 msgbox \"ムニャ：お！LEDくれるのか？ありがとー！\"",
                               "5000 shows Image1",
                               "8000 ok",
                               "8000 msgbox \"ムニャは、喜んでいる。\"",
                               "8000 shows Image1",
                               "11000 ok",
                               "11000 msgbox \"モーリンはモンスターボールを投げた！\"",
                               "11000 shows Image1",
                               "14000 ok",
                               "14000 msgbox \"やった！ムニャを捕まえたぞ！\"",
                               "14000 shows Image1",
                               "17000 ok",
                               "17000 msgbox \"ムニャがいきなりモーリンを連れ出した！！\"",
                               "17000 shows Image1",
                               "20000 ok",
                               "20000 unload Form24",
                               "20000 load Form10",
                               "20000 show Form10",
                               "23000 state \"0\" \"0\" \"0\" \"100\" \"100\" \"0\" \"1\" \"0\" "
                               "\"0\" \"0\" \"0\" \"0\" \"0\" \"0\" \"1\" \"0\"",
                               "23000 forms F5* Form10*",
                           }));
}

}  // namespace

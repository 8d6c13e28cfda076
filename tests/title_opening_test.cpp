// The title screen, the quit confirmation and the opening dialogue.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using testing_support::replayLines;
using testing_support::throughOpening;
using testing_support::withoutTimes;
using Lines = std::vector<std::string>;

TEST(TitleScreen, QuitConfirmation) {
  const struct {
    const char* name;
    std::string script;
    Lines expected;  // after "load Form1", "show Form1"
  } cases[] = {
      {"yes ends the program",
       "click Form1.Command1\nclick Form2.Command1\nclick Form1.Image1\n",
       {"load Form2", "show Form2", "end"}},
      {"no closes only the confirmation",
       "click Form1.Command1\nclick Form2.Command2\ndump\ndump Form1\n",
       {"load Form2", "show Form2", "unload Form2", "state unloaded", "forms Form1*",
        "control Form1.Label1 visible=1 caption=\"ドカスカ\" left=0 top=0",
        "control Form1.Label2 visible=1 caption=\"2\" left=4800 top=0",
        "control Form1.Image1 visible=1 picture=Form1_Image1 left=600 top=960",
        "control Form1.Label3 visible=1 caption=\"写真を押してください\" left=360 top=6120",
        "control Form1.Command1 visible=1 caption=\"終了\" left=4560 top=5760"}},
      {"a second 終了 only brings the open confirmation forward",
       "click Form1.Command1\nclick Form1.Command1\ndump\n",
       {"load Form2", "show Form2", "state unloaded", "forms Form1* Form2*"}},
      {"the photograph starts the story and leaves the confirmation open",
       "click Form1.Command1\nclick Form1.Image1\ndump\nclick Form2.Command2\ndump\n",
       {"load Form2", "show Form2", "unload Form1", "load Form3", "show Form3", "state unloaded",
        "forms Form2* Form3*", "unload Form2", "state unloaded", "forms Form3*"}},
      {"yes still ends the program from the opening",
       "click Form1.Command1\nclick Form1.Image1\nclick Form2.Command1\n",
       {"load Form2", "show Form2", "unload Form1", "load Form3", "show Form3", "end"}},
      {"enter on the focused button is a click",
       "key Form1.Command1 enter\nkey Form2.Command1 space\n",
       {"load Form2", "show Form2", "end"}},
      {"closing the title window ends the program", "close Form1\n", {"unload Form1", "end"}},
      {"closing the confirmation is its いいえ",
       "click Form1.Command1\nclose Form2\ndump\n",
       {"load Form2", "show Form2", "unload Form2", "state unloaded", "forms Form1*"}},
  };
  for (const auto& c : cases) {
    Lines expected = {"load Form1", "show Form1"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(withoutTimes(replayLines(c.script)), expected) << c.name;
  }
}

TEST(OpeningDialogue, SeventeenPressesTellTheStoryAndOpenTheTown) {
  const char* lines[] = {
      "いつまで寝ているんだ！！！",
      "おまえに任務だ！！",
      "モーリン「何の任務ですか？」",
      "おまえの任務は、知多市長に水爆を仕掛けるのだ！",
      "モーリン「水爆って、水素爆弾ですか？」",
      "何をいっちょる！！ペットボトル爆弾に決まっているだろう！！",
      "モーリン「ペットボトル爆弾って何ですか？」",
      "何言ってるんだ！？ペットボトルにドライアイスをいれて爆発させるんだろうが！！",
      "モーリン「やっやめろーー」",
      "なに？親分に向かってやめろだと？",
      "モーリン「すっすいません」",
      "じゃあやるな！！",
      "モーリン「・・・・・」",
      "やるな！！！！！！！！！！！！！",
      "モリン「やっやります」",
      "がんばれよ",
  };
  std::string script = "click Form1.Image1\ndump Form3\n";
  for (int press = 1; press <= 16; ++press) script += "click Form3.Command1\ndump Form3\n";
  script += "click Form3.Command1\ndump\ndump Form4\n";
  const Lines out = withoutTimes(replayLines(script));

  auto captionAfter = [&](int dumpIndex) {
    int seen = 0;
    for (const auto& l : out) {
      if (l.rfind("control Form3.Label1 ", 0) == 0 && seen++ == dumpIndex) return l;
    }
    return std::string();
  };
  EXPECT_EQ(captionAfter(0),
            "control Form3.Label1 visible=1 caption=\"起きろ！！\" left=360 top=360");
  for (int press = 1; press <= 16; ++press) {
    EXPECT_EQ(captionAfter(press), "control Form3.Label1 visible=1 caption=\"" +
                                       std::string(lines[press - 1]) + "\" left=360 top=360")
        << press;
  }
  // The seventeenth press leaves: the dialogue is gone before section 1 loads, the state
  // window loads with section 1's panel and is shown last, in front.
  const auto leave = std::find(out.begin(), out.end(), "unload Form3");
  ASSERT_NE(leave, out.end());
  const Lines tail(leave, out.end());
  EXPECT_EQ(Lines(tail.begin(), tail.begin() + 7),
            (Lines{"unload Form3", "load Form4", "load F5", "show Form4", "show F5",
                   "state \"0\" \"0\" \"0\" \"100\" \"100\" \"0\" \"1\" \"0\" \"0\" \"0\" \"0\" "
                   "\"0\" \"0\" \"0\" \"0\" \"0\"",
                   "forms Form4* F5*"}));
  for (const char* panel : {"Label4 visible=1 caption=\"0\"", "Label6 visible=1 caption=\"0\"",
                            "Label8 visible=1 caption=\"0\"", "Label10 visible=1 caption=\"100\"",
                            "Label13 visible=1 caption=\"100\""}) {
    bool found = false;
    for (const auto& l : tail) found |= l.rfind(std::string("control Form4.") + panel, 0) == 0;
    EXPECT_TRUE(found) << panel;
  }
}

TEST(OpeningDialogue, TheWholeOpeningTakesNoTime) {
  const auto lines = replayLines(throughOpening());
  EXPECT_EQ(lines.back(), "0 show F5");
}

}  // namespace

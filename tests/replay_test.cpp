// The replay harness as a black box: malformed scripts, input the screen swallows, the clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replay/script.h"
#include "test_support.h"

namespace {

using testing_support::replayLines;
using testing_support::withoutTimes;

TEST(ReplayScript, AMalformedLineStopsTheRunAndNamesItsLine) {
  const struct {
    std::string script;
    std::string error;  // the last transcript line
  } cases[] = {
      {"jump Form1\n", "error script:1: unknown command \"jump\""},
      {"\n# comment\n  click Form1.Nothing\n", "error script:3: Form1 has no control \"Nothing\""},
      {"click Form99.Image1\n", "error script:1: the game has no form \"Form99\""},
      {"click Form1\n", "error script:1: \"Form1\" names no control (FORM.CONTROL)"},
      {"click Form1 10\n",
       "error script:1: wrong number of arguments; usage: click FORM.CONTROL | click FORM X Y"},
      {"click Form1 10 ten\n", "error script:1: \"ten\" is not a whole number"},
      {"ok\n", "error script:1: no message box is open"},
      {"close msgbox\n", "error script:1: no message box is open"},
      {"wait -5\n", "error script:1: \"-5\" is not a number of milliseconds"},
      {"wait 1.2345\n",
       "error script:1: \"1.2345\" is not a number of milliseconds (at most three decimals)"},
      {"type Form1.Command1 hello\n", "error script:1: the text must be written in double quotes"},
      {"type Form1.Command1 \"open\n", "error script:1: a text is not closed with \""},
      {"type Form1.Command1 \"a\\n\"\n",
       "error script:1: only \\\" and \\\\ may follow a backslash in a text"},
      {"down Form1.Command1 thumb\n", "error script:1: the mouse button is left, right or middle"},
      {"key Form1.Command1 tab\n", "error script:1: the key is enter or space"},
      {"path Form1 0 0 10 10 5\n", "error script:1: path needs pairs of coordinates"},
      {"dump\nshot \"a\"\n", "error script:2: only the text of \"type\" is written in quotes"},
      {"dump\n\xff\xfe\n", "error script:2: the line is not UTF-8 text"},
      {"dump\n\xe3\x81\n", "error script:2: the line is not UTF-8 text"},
  };
  for (const auto& c : cases) {
    const auto lines = withoutTimes(replayLines(c.script));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.error) << c.script;
    // The transcript up to the bad line is still written.
    EXPECT_EQ(lines.front(), "load Form1") << c.script;
  }
}

TEST(ReplayScript, QuotedTextsKeepTheirEscapes) {
  const auto cmd = replay::parseLine(R"(type Form19.Text1 "say \"はい\" \\ done")", 1);
  ASSERT_TRUE(cmd);
  EXPECT_EQ(cmd->words[1], "say \"はい\" \\ done");
  EXPECT_EQ(replay::quote(cmd->words[1]), R"("say \"はい\" \\ done")");
}

TEST(ReplayScript, InputTheScreenSwallowsIsNotedAndTheRunGoesOn) {
  const auto lines =
      withoutTimes(replayLines("click Form3.Command1\n"       // not loaded
                               "click Form1.Command1\n"       // opens Form2
                               "close Form4\n"                // not loaded
                               "type Form1.Command1 \"x\"\n"  // not a text box
                               "click Form2.Command2\n"
                               "dump\n"));
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "load Form1", "show Form1", "ignored click Form3.Command1 (Form3 is not loaded)",
                "load Form2", "show Form2", "ignored close Form4 (Form4 is not loaded)",
                "ignored type Form1.Command1 \"x\" (Command1 is not a text box)", "unload Form2",
                "state unloaded", "forms Form1*"}));
}

TEST(ReplayClock, WaitsAddUpExactlyBelowTheMillisecond) {
  // 0.5 ms twice is a whole millisecond; times are written rounded down.
  const auto lines = replayLines("wait 0.5\nwait 0.5\ndump\nwait 1.999\ndump\n");
  EXPECT_EQ(lines[2], "1 state unloaded");
  EXPECT_EQ(lines[4], "2 state unloaded");
}

TEST(ReplayClock, TheRunStopsWhereTheScriptEndsWithoutAnEndLine) {
  const auto lines = withoutTimes(replayLines(testing_support::throughOpening()));
  EXPECT_NE(lines.back(), "end");
  EXPECT_EQ(lines.back(), "show F5");
}

}  // namespace

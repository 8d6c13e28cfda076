// Whole runs of the game: the bundled walkthrough and the longer scripts, each compared line by
// line with its stored transcript, and the six ways to lose.
//
// A changed transcript is accepted only on purpose: run the tests with DOKASUKA2_UPDATE_GOLDEN=1
// to rewrite the stored transcripts, then read the diff before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "replay/replay.h"
#include "test_support.h"

namespace {

using testing_support::readSourceFile;
using testing_support::replayLines;
using testing_support::withoutTimes;
using Lines = std::vector<std::string>;

Lines splitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string joined(const Lines& lines) {
  std::string text;
  for (const auto& l : lines) text += l + '\n';
  return text;
}

// The first difference of two transcripts, with a little context, as a reader wants to see it.
std::string firstDifference(const Lines& expected, const Lines& actual) {
  std::size_t i = 0;
  while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
  std::ostringstream out;
  out << "transcripts differ at line " << i + 1 << ":\n";
  for (std::size_t k = i >= 3 ? i - 3 : 0; k < i; ++k) out << "    " << expected[k] << '\n';
  for (std::size_t k = i; k < std::min(expected.size(), i + 4); ++k)
    out << "  - " << expected[k] << '\n';
  for (std::size_t k = i; k < std::min(actual.size(), i + 4); ++k)
    out << "  + " << actual[k] << '\n';
  return out.str();
}

struct GoldenRun {
  const char* script;      // relative to the source tree
  const char* transcript;  // relative to the source tree
};

const GoldenRun kGoldenRuns[] = {
    {"scripts/walkthrough.txt", "tests/golden/walkthrough.transcript"},
    {"tests/scripts/early_game.txt", "tests/golden/early_game.transcript"},
    {"tests/scripts/bomb_tried.txt", "tests/golden/bomb_tried.transcript"},
};

TEST(GoldenTranscripts, EveryStoredRunPlaysExactlyAsRecorded) {
  const bool update = std::getenv("DOKASUKA2_UPDATE_GOLDEN") != nullptr;
  for (const GoldenRun& run : kGoldenRuns) {
    const Lines actual = replayLines(readSourceFile(run.script));
    if (update) {
      std::ofstream(std::string(DOKASUKA_SOURCE_DIR) + "/" + run.transcript, std::ios::binary)
          << joined(actual);
      continue;
    }
    const Lines expected = splitLines(readSourceFile(run.transcript));
    ASSERT_FALSE(expected.empty()) << run.transcript << " is missing";
    EXPECT_TRUE(expected == actual) << run.script << ": " << firstDifference(expected, actual);
  }
}

TEST(Walkthrough, WinsEveryFightAndEndsAfterTheSlideshow) {
  const Lines out = withoutTimes(replayLines(readSourceFile("scripts/walkthrough.txt")));
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.back(), "end");
  EXPECT_EQ(std::count(out.begin(), out.end(), "end"), 1);
  // Every screen but the three of a tried bomb or a lost game.
  std::set<std::string> loaded;
  for (const auto& line : out) {
    if (line.rfind("load ", 0) == 0) loaded.insert(line.substr(5));
  }
  for (int n = 1; n <= 30; ++n) {
    const std::string form = "Form" + std::to_string(n);
    const bool expected = n != 17 && n != 18 && n != 19;
    EXPECT_EQ(loaded.count(form) == 1, expected) << form;
  }
  EXPECT_EQ(loaded.count("F5"), 1u);
  // The slideshow shows its eight slides for forty seconds, and the program ends with it.
  const Lines timed = replayLines(readSourceFile("scripts/walkthrough.txt"));
  const auto show30 = std::find_if(timed.begin(), timed.end(), [](const std::string& l) {
    return l.size() > 11 && l.compare(l.size() - 11, 11, "show Form30") == 0;
  });
  ASSERT_NE(show30, timed.end());
  EXPECT_EQ(std::stol(timed.back()) - std::stol(*show30), 40000);
}

// The walkthrough up to the line that starts `marker` (a section heading of the guide).
std::string walkthroughUpTo(const std::string& marker) {
  const std::string text = readSourceFile("scripts/walkthrough.txt");
  const auto at = text.find(marker);
  EXPECT_NE(at, std::string::npos) << marker;
  return text.substr(0, at);
}

std::string repeated(const std::string& lines, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += lines;
  return out;
}

TEST(Defeats, EveryWayToLoseEndsOnTheApologyLetter) {
  const struct {
    const char* name;
    std::string script;
    testing_support::Prelude prelude;
    Lines lastLines;  // the transcript's last lines, without times
  } cases[] = {
      {"the gentleman, met with too little HP (no road of the game gets there: the clinic alone "
       "cannot bring HP below 40)",
       "click Form4.Image6\nok\nok\n" + repeated("click Form13.Command1\nok\nok\nok\nok\nok\n", 7) +
           "ok\ndump\n",
       testing_support::startAt("Form4", {{core::Slot::Hp, "30"}}),
       {"msgbox \"モーリンのhpが5減った\"", "ok", "msgbox \"目の前が真っ暗になった。\"", "ok",
        "load Form19", "show Form19", "unload Form13",
        "state \"0\" \"0\" \"0\" \"100\" \"30\" \"0\" \"1\" \"0\" \"0\" \"0\" \"0\" \"0\" \"0\" "
        "\"0\" \"0\" \"0\"",
        "forms F5* Form19*"}},
      {"a bomb tried in the field",
       readSourceFile("tests/scripts/bomb_tried.txt"),
       {},
       {"msgbox \"ラピタのジジイ：警察に行くぞ！！！！\"", "ok", "unload Form18", "load Form19",
        "show Form19",
        "state \"0\" \"0\" \"1\" \"0\" \"60\" \"0\" \"1\" \"1\" \"1\" \"0\" \"0\" \"0\" \"1\" "
        "\"0\" "
        "\"0\" \"0\"",
        "forms F5* Form19*"}},
      {"the ghost, fought with blows: 105 HP stand five curses, not six",
       walkthroughUpTo("shot ghost") + repeated("click Form22.Command1\nok\nok\nok\nok\n", 6) +
           "ok\ndump\n",
       {},
       {"msgbox \"モーリンは20のダメージを受けた！\"", "ok",
        "msgbox \"モーリンは目の前が真っ暗になった！！\"", "ok", "load Form19", "show Form19",
        "unload Form22",
        "state \"0\" \"0\" \"6\" \"1500\" \"-15\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" "
        "\"0\" \"0\" \"0\"",
        "forms F5* Form19*"}},
      {"the officer, when the player stops pressing",
       walkthroughUpTo("# 84 presses") + "click Form26.Command1\nwait 5000\nok\ndump\n",
       {},
       {"msgbox \"モーリンは、目の前が真っ暗になった！\"", "ok", "load Form19", "show Form19",
        "unload Form26",
        "state \"0\" \"0\" \"1\" \"1500\" \"105\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" "
        "\"1\" \"1\" \"0\"",
        "forms F5* Form19*"}},
      {"a wall of the electric maze",
       walkthroughUpTo("# --- The electric maze") +
           "click Form27.Command1\npath Form27 547 1747 547 1300 547 1000\nok\nok\nok\ndump\n",
       {},
       {"msgbox \"どっカーン！\"", "ok", "msgbox \"壁に当たってしまった！\"", "ok",
        "msgbox \"モーリンは、目の前が暗くなった\"", "ok", "load Form19", "show Form19",
        "unload Form27",
        "state \"0\" \"0\" \"1\" \"1500\" \"105\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" "
        "\"1\" \"1\" \"0\"",
        "forms F5* Form19*"}},
      {"オヤジ, stopped at 0 every time: 105 HP stand seven counter-attacks, not eight",
       walkthroughUpTo("# 攻撃 starts") +
           repeated("click Form28.Command1\nclick Form28.Command1\nok\nok\nok\nok\n", 8) +
           "ok\ndump\n",
       {},
       {"msgbox \"モーリンは15のダメージをくらった！\"", "ok",
        "msgbox \"モーリンは目の前が真っ暗になった！\"", "ok", "load Form19", "show Form19",
        "unload Form28",
        "state \"0\" \"0\" \"1\" \"1500\" \"105\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" "
        "\"1\" \"1\" \"1\"",
        "forms F5* Form19*"}},
  };
  for (const auto& c : cases) {
    const Lines out = withoutTimes(replayLines(c.script, c.prelude));
    ASSERT_GE(out.size(), c.lastLines.size()) << c.name;
    EXPECT_EQ(Lines(out.end() - static_cast<long>(c.lastLines.size()), out.end()), c.lastLines)
        << c.name;
    EXPECT_EQ(std::count(out.begin(), out.end(), "load Form19"), 1) << c.name;
  }
}

}  // namespace

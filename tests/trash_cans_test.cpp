// The yard behind the drugstore: which can a click searches, the count of empty searches that
// brings the manager, and the key.
#include <gtest/gtest.h>

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

Prelude inTheYard() { return startAt("Form21", {{Slot::CardKey, "1"}}); }

const std::vector<std::string> kEmptyCan = {msgboxLine("ガサガサ"), "ok",
                                            msgboxLine("ごみ箱はからだ"), "ok"};
const std::vector<std::string> kKeyFound = {msgboxLine("電動スクーターのカギを見つけた！"), "ok",
                                            "unload Form21", "load Form7", "show Form7"};

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// Neighbouring cans overlap by 75 twips and the later can lies in front, so the key's can
// answers from its own left edge (1080) up to where the next can begins (2040).
TEST(TrashCans, TheCanInFrontTakesTheClick) {
  enum class Finds { Key, Nothing, NoClick };
  const struct {
    int x;
    int y;
    Finds finds;
  } cases[] = {
      {1079, 4000, Finds::Nothing},  // the can to its left, alone
      {1080, 4000, Finds::Key},      // the key's can over its left neighbour
      {1154, 4000, Finds::Key},      // still over the left neighbour
      {2039, 4000, Finds::Key},
      {2040, 4000, Finds::Nothing},  // the right neighbour lies over the key's can
      {2114, 4000, Finds::Nothing},
      {1500, 3000, Finds::Nothing},  // the key's column, a row up
      {1100, 2000, Finds::Nothing},  // a top-row overlap
      {1500, 2745, Finds::NoClick},  // between the rows
  };
  for (const auto& c : cases) {
    const std::string point = std::to_string(c.x) + " " + std::to_string(c.y);
    std::string script = "click Form21 " + point + "\n";
    std::vector<std::string> expected;
    if (c.finds == Finds::Key) {
      script += "ok\n";
      expected = kKeyFound;
    } else if (c.finds == Finds::Nothing) {
      script += "ok\nok\n";
      expected = kEmptyCan;
    }
    EXPECT_EQ(play(inTheYard(), script), expected) << point;
  }
}

// The same can searched five times counts five times; the fifth brings the manager, and with the
// card key gone the drugstore lets the hero in no more.
TEST(TrashCans, TheFifthEmptySearchCostsTheCardKey) {
  std::string script;
  std::vector<std::string> expected;
  for (int i = 0; i < 4; ++i) {
    script += "click Form21.Image1\nok\nok\n";
    append(expected, kEmptyCan);
  }
  script += "click Form21.Image1\nok\nok\nok\nok\nclick Form7.Image4\nok\ndump\n";
  append(expected, kEmptyCan);
  append(expected, {msgboxLine("やばい！店長に見つかった！"), "ok",
                    msgboxLine("モーリンは、カードキーをとられた。"), "ok", "unload Form21",
                    "load Form7", "show Form7", msgboxLine("カードキーがありません！！"), "ok",
                    stateLine(), "forms F5* Form7*"});
  EXPECT_EQ(play(inTheYard(), script), expected);
}

// The key's can ignores the count, and the count belongs to one visit: four empty searches
// before the key, then four more on the next visit, never make the fifth.
TEST(TrashCans, TheKeyAnswersWhateverTheCountAndEachVisitCountsAfresh) {
  const char* const emptyCans[] = {"Image1", "Image5", "Image9", "Image3"};
  std::string visit;
  std::vector<std::string> searches;
  for (const char* can : emptyCans) {
    visit += std::string("click Form21.") + can + "\nok\nok\n";
    append(searches, kEmptyCan);
  }
  visit += "dump Form21\nclick Form21.Image8\nok\n";
  append(searches, {"control Form21.Text1 visible=0 text=\"4\" left=2280 top=1320"});
  append(searches, kKeyFound);

  const std::string script = visit + "dump\nclick Form7.Image4\nok\n" + visit + "dump\n";
  std::vector<std::string> expected = searches;
  const std::string afterTheKey = stateLine({{Slot::CardKey, "1"}, {Slot::ScooterKey, "1"}});
  append(expected, {afterTheKey, "forms F5* Form7*", msgboxLine("カードキーで店の裏側に入れた！"),
                    "ok", "load Form21", "show Form21", "unload Form7"});
  append(expected, searches);
  append(expected, {afterTheKey, "forms F5* Form7*"});

  auto lines = play(inTheYard(), script);
  // Of the yard's dump, only the counter matters here.
  std::erase_if(lines, [](const std::string& line) {
    return line.rfind("control ", 0) == 0 && line.rfind("control Form21.Text1 ", 0) != 0;
  });
  EXPECT_EQ(lines, expected);
}

}  // namespace

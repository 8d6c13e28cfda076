// The frame of the seven map screens: the panel that mirrors the state and the move panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/state.h"
#include "test_support.h"

namespace {

using core::Slot;
using testing_support::replayLines;
using testing_support::startAt;
using testing_support::withoutTimes;
using Lines = std::vector<std::string>;

const char* const kMaps[] = {"Form4", "Form5", "Form6", "Form7", "Form8", "Form9", "Form10"};

struct Icon {
  const char* name;
  const char* destination;
};
const Icon kIcons[] = {{"Image8", "Form4"},  {"Image9", "Form5"},  {"Image10", "Form6"},
                       {"Image11", "Form7"}, {"Image12", "Form9"}, {"Image13", "Form8"}};

TEST(MovePanel, EveryIconOfEveryMapLeadsToItsSection) {
  for (const char* map : kMaps) {
    for (const Icon& icon : kIcons) {
      const Lines out = withoutTimes(
          replayLines("click " + std::string(map) + "." + icon.name + "\ndump\n", startAt(map)));
      // The move never leaves two maps open: the current one goes first, even to itself.
      const Lines expected = {"unload " + std::string(map), "load " + std::string(icon.destination),
                              "show " + std::string(icon.destination)};
      const auto from = std::find(out.begin(), out.end(), "unload " + std::string(map));
      ASSERT_NE(from, out.end()) << map << " " << icon.name;
      EXPECT_EQ(Lines(from, from + 3), expected) << map << " " << icon.name;
      EXPECT_EQ(out.back(), "forms F5* " + std::string(icon.destination) + "*")
          << map << " " << icon.name;
    }
  }
}

TEST(MovePanel, OverlapsGoToTheIconInFront) {
  // Points in twips of the section screens, where icons overlap; on section 1 every icon lies
  // 120 twips further right and down.
  const struct {
    const char* map;
    int x, y;
    const char* destination;
  } cases[] = {
      {"Form5", 3000, 5200, "Form8"},  // Image13 over Image12
      {"Form5", 3100, 5500, "Form8"},  // Image13 over Image11
      {"Form5", 3600, 5450, "Form9"},  // Image12 over Image11 (right of Image13)
      {"Form5", 3550, 6100, "Form7"},  // Image11 over Image10
      {"Form5", 4000, 6300, "Form6"},  // Image10 over Image9
      {"Form5", 4400, 6800, "Form5"},  // Image9 over Image8
      {"Form5", 5300, 7650, "Form4"},  // Image8 alone
      {"Form5", 3700, 4950, "Form9"},  // Image12 over the heading 移動
      {"Form4", 3000, 5200, "Form9"},  // on section 1 Image13 starts only at 2880, 5280
      {"Form4", 2900, 5300, "Form8"}, {"Form4", 5400, 7750, "Form4"},  // Image8's shifted corner
  };
  for (const auto& c : cases) {
    const Lines out =
        withoutTimes(replayLines("click " + std::string(c.map) + " " + std::to_string(c.x) + " " +
                                     std::to_string(c.y) + "\ndump\n",
                                 startAt(c.map)));
    EXPECT_EQ(out.back(), "forms F5* " + std::string(c.destination) + "*")
        << c.map << " " << c.x << "," << c.y;
  }
}

TEST(MapPanel, MirrorsTheStateAndWritesAllButHpBack) {
  // The panel is filled from the state on load; a move copies bottles, dry ice, bombs and money
  // back, never HP. A panel label changed behind the game's back shows the direction of each copy.
  const Lines out = withoutTimes(
      replayLines("dump Form6\nclick Form6.Image9\ndump\ndump Form5\n", [](core::Runtime& runtime) {
        startAt("Form6", {{Slot::Bottles, "2"},
                          {Slot::DryIce, "3"},
                          {Slot::Bombs, "4"},
                          {Slot::Money, "500"},
                          {Slot::Hp, "85"},
                          {Slot::Water, "1"}})(runtime);
        core::Form& map = runtime.form("Form6");
        map.control("Label10").setCaption("700");
        map.control("Label13").setCaption("1");
      }));
  const auto has = [&](const std::string& line) {
    return std::find(out.begin(), out.end(), line) != out.end();
  };
  EXPECT_TRUE(has("control Form6.Label4 visible=1 caption=\"2\" left=1800 top=5520"));
  EXPECT_TRUE(has("control Form6.Label6 visible=1 caption=\"3\" left=1800 top=5880"));
  // "水" shows the bombs, not the water flag.
  EXPECT_TRUE(has("control Form6.Label8 visible=1 caption=\"4\" left=1440 top=6240"));
  EXPECT_TRUE(
      has("state \"2\" \"3\" \"4\" \"700\" \"85\" \"0\" \"1\" \"0\" \"1\" \"0\" \"0\" \"0\" "
          "\"0\" \"0\" \"0\" \"0\""));
  EXPECT_TRUE(has("control Form5.Label10 visible=1 caption=\"700\" left=1440 top=6600"));
  EXPECT_TRUE(has("control Form5.Label13 visible=1 caption=\"85\" left=6000 top=4920"));
}

TEST(MapScreens, LayoutDiffersOnlyWhereTheScreensDo) {
  const struct {
    const char* map;
    const char* hpLabel;
    const char* hpValue;
  } cases[] = {
      {"Form4", "left=4560 top=5040", "left=5040 top=5040"},
      {"Form5", "left=5520 top=4920", "left=6000 top=4920"},
      {"Form6", "left=5280 top=4920", "left=5760 top=4920"},
      {"Form7", "left=5400 top=4920", "left=5880 top=4920"},
      {"Form8", "left=5520 top=4920", "left=6000 top=4920"},
      {"Form9", "left=5520 top=4920", "left=6000 top=4920"},
      {"Form10", "left=5400 top=4920", "left=5880 top=4920"},
  };
  for (const auto& c : cases) {
    const Lines out =
        withoutTimes(replayLines("dump " + std::string(c.map) + "\n", startAt(c.map)));
    const auto has = [&](const std::string& line) {
      return std::find(out.begin(), out.end(), line) != out.end();
    };
    const std::string m = c.map;
    EXPECT_TRUE(has("control " + m + ".Label12 visible=1 caption=\"HP\" " + c.hpLabel)) << m;
    EXPECT_TRUE(has("control " + m + ".Label13 visible=1 caption=\"100\" " + c.hpValue)) << m;
    EXPECT_TRUE(has("control " + m + ".Image1 visible=1 picture=" + m + "_Image1 left=0 top=0"))
        << m;
    const std::string shift = m == "Form4" ? "left=4440 top=6840" : "left=4320 top=6720";
    EXPECT_TRUE(has("control " + m + ".Image8 visible=1 picture=Form4_Image8 " + shift)) << m;
  }
}

}  // namespace

// The form runtime's contract, on small forms of its own: loading, showing and unloading,
// message boxes as nested loops, the timer service, hit-testing, input and the end.
#include "core/runtime.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/screen.h"
#include "replay/replay.h"
#include "test_support.h"

namespace {

using namespace core;
using testing_support::withoutTimes;

// A form whose handlers write what they do into a log label, so a transcript shows it.
class Probe : public Form {
 public:
  explicit Probe(Runtime& runtime) : Form(runtime, design()) {
    on("Tick", Event::Timer, [this] { Tick_Timer(); });
    on("Slow", Event::Timer, [this] { Slow_Timer(); });
    on("Button", Event::Click, [this] { say("Button click"); });
    on("Button", Event::MouseDown, [this] { say("Button down"); });
    on("Back", Event::Click, [this] { say("Back click"); });
    on("Front", Event::Click, [this] { say("Front click"); });
    on("Pic", Event::Click, [this] { say("Pic click"); });
    on("Child", Event::Click, [this] { say("Child click"); });
    on("Pic", Event::MouseMove, [this] { say("Pic move"); });
    on("Gone", Event::Click, [this] { say("Gone click"); });
    on("Ask", Event::Click, [this] { Ask_Click(); });
    on("Quit", Event::Click, [this] { Quit_Click(); });
    on("Arm", Event::Click, [this] { Arm_Click(); });
  }

  int loads = 0;
  std::vector<std::string>* log = nullptr;

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Probe";
    f.caption = "Probe";
    f.width = 6000;
    f.height = 6000;
    f.controls = {
        label("Count", "0", {0, 0, 600, 255}),
        image("Back", "Form4_Image8", {1000, 1000, 1000, 1000}),
        image("Front", "Form4_Image9", {1500, 1500, 1000, 1000}),
        label("Gone", "hidden", {3000, 3000, 600, 600}).hidden(),
        shape("Frame", {2900, 2900, 900, 900}),
        pictureBox("Pic", "", {4000, 0, 1500, 1500}),
        image("Child", "Form4_Image10", {100, 100, 300, 300}).inside("Pic"),
        button("Button", "press", {1800, 1800, 600, 600}),
        button("Ask", "ask", {0, 4000, 600, 300}),
        button("Quit", "quit", {1000, 4000, 600, 300}),
        button("Arm", "arm", {2000, 4000, 600, 300}),
        timer("Tick", 0),
        timer("Slow", 0),
    };
    return f;
  }

  void Form_Load() override { ++loads; }
  void say(const std::string& what) {
    if (log) log->push_back(what);
  }
  // Each tick counts, and the third opens a box: ticks that fall due meanwhile are dropped.
  void Tick_Timer() {
    ctl("Count").setNumber(ctl("Count").number() + 1);
    if (ctl("Count").is(3)) msgbox("third");
  }
  void Slow_Timer() { msgbox("slow"); }
  void Ask_Click() {
    msgbox("one");
    say("after one");
    msgbox("two");
    say("after two");
  }
  void Quit_Click() {
    msgbox("bye");
    end();
  }
  void Arm_Click() {
    const int ms = static_cast<int>(ctl("Count").number());
    ctl("Tick").setInterval(ms == 0 ? 1 : ms);
  }
};

class Other : public Form {
 public:
  explicit Other(Runtime& runtime) : Form(runtime, design()) {}

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Other";
    f.width = 1500;
    f.height = 1500;
    f.controls = {label("Text", "design", {0, 0, 900, 255})};
    return f;
  }
};

struct ProbeRun {
  std::vector<std::string> transcript;
  std::vector<std::string> log;
  std::string error;
  int probeLoads = 0;  // how often Probe's Form_Load ran
};

// Replays `script` on a runtime that holds Probe, Other and the state window, starting on Probe.
ProbeRun replayProbe(const std::string& script, const std::function<void(Runtime&)>& prelude = {}) {
  ProbeRun run;
  std::istringstream in(script);
  std::ostringstream out;
  replay::Replay replay(in, out, "probe", [&](Runtime& runtime) {
    auto probe = std::make_unique<Probe>(runtime);
    probe->log = &run.log;
    runtime.add(std::move(probe));
    runtime.add(std::make_unique<Other>(runtime));
    runtime.add(std::make_unique<F5>(runtime));
  });
  const auto outcome = replay.run("Probe", prelude);
  run.error = outcome.error;
  run.probeLoads = static_cast<Probe&>(replay.runtime().form("Probe")).loads;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) run.transcript.push_back(line);
  return run;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  for (const auto& l : lines)
    if (l == line) return true;
  return false;
}

TEST(Runtime, MessageBoxesAreNestedLoopsThatBlockInputButNotTimers) {
  // The first box is open while the player clicks and time passes; only OK lets the handler go
  // on to its second box.
  const ProbeRun run = replayProbe(
      "click Probe.Arm\n"  // Tick at 1 ms: every 1/64 s
      "click Probe.Ask\n"
      "click Probe.Button\n"
      "close Probe\n"
      "wait 20\n"
      "ok\n"
      "ok\n"
      "dump Probe\n");
  EXPECT_EQ(run.log, (std::vector<std::string>{"after one", "after two"}));
  const auto bare = withoutTimes(run.transcript);
  EXPECT_TRUE(contains(bare, "ignored click Probe.Button (a message box is open)"));
  EXPECT_TRUE(contains(bare, "ignored close Probe (a message box is open)"));
  // One tick of the 1/64 s timer fell inside the 20 ms the box was open.
  EXPECT_TRUE(contains(bare, "control Probe.Count visible=1 caption=\"1\" left=0 top=0"));
  EXPECT_EQ(run.transcript[2], "0 msgbox \"one\"");
  EXPECT_EQ(run.transcript[5], "20 ok");
  EXPECT_EQ(run.transcript[6], "20 msgbox \"two\"");
}

TEST(Runtime, ATimerIsNeverReenteredAndDropsTheTicksItMissed) {
  // Tick runs every 1/64 s; its third tick (at 46.875 ms) opens a box for 100 ms. Ticks due
  // meanwhile are dropped, and no burst follows the OK: the next tick is the next on the grid.
  const ProbeRun run = replayProbe(
      "click Probe.Arm\n"
      "wait 1000\n"  // stops at the box, 46 ms
      "wait 100\n"   // the box stays open
      "ok\n"
      "dump Probe\n"
      "wait 15\n"  // 146 ms: the grid point at 140.625 ms ticks once
      "dump Probe\n");
  ASSERT_EQ(run.error, "");
  EXPECT_TRUE(contains(run.transcript, "46 msgbox \"third\""));
  EXPECT_TRUE(contains(run.transcript, "146 ok"));
  EXPECT_TRUE(
      contains(run.transcript, "146 control Probe.Count visible=1 caption=\"3\" left=0 top=0"));
  EXPECT_TRUE(
      contains(run.transcript, "161 control Probe.Count visible=1 caption=\"4\" left=0 top=0"));
}

TEST(Runtime, TimerPeriodsAreCountedFromTheArmingWithoutDrift) {
  // Intervals below 1/64 s tick at 1/64 s; longer ones at their own interval, with due times
  // counted from the arming so that a second holds exactly interval-many ticks.
  const struct {
    int interval;
    const char* afterOneSecond;
  } cases[] = {{1, "64"}, {15, "64"}, {16, "62"}, {100, "10"}, {1000, "1"}, {1001, "0"}};
  for (const auto& c : cases) {
    const ProbeRun run = replayProbe("wait 1000\ndump Probe\n", [&](Runtime& runtime) {
      runtime.form("Probe").control("Count").setCaption("-100000");  // no box on the way
      runtime.form("Probe").control("Tick").setInterval(c.interval);
    });
    EXPECT_TRUE(contains(withoutTimes(run.transcript),
                         "control Probe.Count visible=1 caption=\"" +
                             std::to_string(-100000 + std::stoi(c.afterOneSecond)) +
                             "\" left=0 top=0"))
        << c.interval;
  }
}

TEST(Runtime, TimersDueTogetherRunInTheOrderTheyWereArmed) {
  std::vector<std::string> order;
  const ProbeRun run = replayProbe("wait 100\n", [&](Runtime& runtime) {
    Form& probe = runtime.form("Probe");
    probe.control("Count").setCaption("-100000");
    probe.control("Slow").setInterval(100);  // armed first: its box comes before Tick's tick
    probe.control("Tick").setInterval(100);
  });
  // Slow's box stops the wait at 100 ms, before Tick's tick of the same instant.
  EXPECT_EQ(run.transcript.back(), "100 msgbox \"slow\"");
}

TEST(Runtime, LoadOnFirstUseRunsFormLoadOnceAndUnloadRestoresTheDesign) {
  const ProbeRun run = replayProbe("dump Other\ndump\n", [&](Runtime& runtime) {
    Form& other = runtime.form("Other");
    other.control("Text").setCaption("changed");  // touching a control loads the form, hidden
    EXPECT_TRUE(other.loaded());
    EXPECT_FALSE(other.visible());
    runtime.show(other);
    runtime.show(other);  // already visible: only brought forward
    runtime.unload(other);
    EXPECT_EQ(other.control("Text").rawCaption(), "design");
    runtime.show(runtime.form("Probe"));  // visible already: no second load
  });
  EXPECT_EQ(withoutTimes(run.transcript),
            (std::vector<std::string>{"load Probe", "show Probe", "load Other", "show Other",
                                      "unload Other", "form Other unloaded", "state unloaded",
                                      "forms Probe*"}));
  EXPECT_EQ(run.probeLoads, 1);
}

TEST(Runtime, HitTestingFindsTheFrontMostVisibleControl) {
  const struct {
    int x, y;
    const char* expected;  // nothing for the form itself
  } cases[] = {
      {1200, 1200, "Back"},    // only the back image
      {1600, 1600, "Front"},   // both images: the later one lies in front
      {1900, 1900, "Button"},  // windowed controls lie above every graphical one
      {3100, 3100, nullptr},   // a hidden label and a shape take no mouse input
      {4050, 50, "Pic"},       // the picture box around its child
      {4200, 200, "Child"},    // a control inside a picture box is in front of it
      {5900, 5900, nullptr},   // the bare form
      {6000, 10, nullptr},     // outside the client area
  };
  ProbeRun run = replayProbe("", [&](Runtime& runtime) {
    Form& probe = runtime.form("Probe");
    for (const auto& c : cases) {
      Control* hit = runtime.hitTest(probe, c.x, c.y);
      EXPECT_EQ(hit ? hit->name() : std::string("(form)"), c.expected ? c.expected : "(form)")
          << c.x << "," << c.y;
    }
  });
  EXPECT_EQ(run.error, "");
}

TEST(Runtime, ClickMouseDownMoveAndKeysReachTheirHandlers) {
  const ProbeRun run = replayProbe(
      "click Probe.Button\n"       // press and release: MouseDown, then Click
      "down Probe.Button right\n"  // a press of any button alone: MouseDown only
      "key Probe.Button space\n"   // the keyboard clicks, never presses
      "click Probe 1600 1600\n"    // the overlap goes to the image in front
      "click Probe.Back\n"         // a point of Back that Front does not cover
      "move Probe 4050 50\n"
      "click Probe.Gone\n"  // hidden: the screen swallows it
      "click Probe.Child\n");
  EXPECT_EQ(run.log,
            (std::vector<std::string>{"Button down", "Button click", "Button down", "Button click",
                                      "Front click", "Back click", "Pic move", "Child click"}));
  EXPECT_TRUE(contains(withoutTimes(run.transcript), "ignored click Probe.Gone (Gone is hidden)"));
}

TEST(Runtime, EndUnwindsEveryHandlerAndNestedLoop) {
  // Quit ends the program from inside its handler: nothing of the handler runs after it, and
  // nothing of the script either.
  const ProbeRun run =
      replayProbe("click Probe.Ask\nclick Probe.Quit\nok\nok\nclick Probe.Button\n");
  EXPECT_EQ(withoutTimes(run.transcript),
            (std::vector<std::string>{"load Probe", "show Probe", "msgbox \"one\"",
                                      "ignored click Probe.Quit (a message box is open)", "ok",
                                      "msgbox \"two\"", "ok"}));
  const ProbeRun quit = replayProbe("click Probe.Quit\nok\nclick Probe.Button\n");
  EXPECT_EQ(withoutTimes(quit.transcript),
            (std::vector<std::string>{"load Probe", "show Probe", "msgbox \"bye\"", "ok", "end"}));
  EXPECT_TRUE(quit.log.empty());
}

TEST(Runtime, CloseBoxesUnloadAndTheLastOneEndsTheProgram) {
  // The state window refuses to close while another window is open, so the game is never lost;
  // once it is the last, closing it ends the program.
  const ProbeRun run = replayProbe("close F5\nclose Other\nclose Probe\nclose F5\n",
                                   [](Runtime& runtime) { runtime.show(runtime.form("F5")); });
  EXPECT_EQ(withoutTimes(run.transcript),
            (std::vector<std::string>{
                "load Probe", "show Probe", "load F5", "show F5",
                "ignored close F5 (F5 holds the game and stays open while other windows are open)",
                "ignored close Other (Other is not loaded)", "unload Probe", "unload F5", "end"}));
}

}  // namespace

// Recording: what the player does in the real windows, written as a script, replays headless to
// the transcript of the real run.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/screen.h"
#include "replay/replay.h"
#include "view/view_support.h"
#include "view_qt/game.h"
#include "view_qt/recorder.h"

namespace {

using namespace core;
using view_testing::FakeClock;

TEST(Recorder, WritesWaitsAndTextsAsScriptsReadThem) {
  struct Case {
    Micros micros;
    const char* millis;
  };
  for (const Case& c : {Case{0, "0"}, Case{1000, "1"}, Case{15625, "15.625"}, Case{250500, "250.5"},
                        Case{1, "0.001"}, Case{100010, "100.01"}}) {
    EXPECT_EQ(view::Recorder::millis(c.micros), c.millis) << c.micros;
  }
  struct Text {
    const char* typed;
    const char* written;
  };
  for (const Text& t : {Text{"反省", "\"反省\""}, Text{"a\"b\\c", "\"a\\\"b\\\\c\""},
                        Text{"one\ntwo", "\"one two\""}, Text{"one\r\ntwo\r", "\"one two \""}}) {
    EXPECT_EQ(view::Recorder::text(t.typed), t.written) << t.typed;
  }
}

// The point of a control that the player would click, in window pixels.
QPoint pointOf(Runtime& runtime, const std::string& form, const std::string& control) {
  const auto twips = runtime.reachablePoint(runtime.form(form).control(control));
  EXPECT_TRUE(twips.has_value()) << form << "." << control;
  return twips ? view_testing::pixelAt(twips->first, twips->second) : QPoint(1, 1);
}

std::string textOf(const view::MessageBox& box) {
  return box.findChild<QLabel*>()->text().toStdString();
}

struct RealRun {
  FakeClock clock;
  std::ostringstream script;
  std::ostringstream transcript;
  std::unique_ptr<view::Game> game;
  // How each message box is answered, by its text.
  std::function<void(view::MessageBox&)> answer;

  explicit RealRun(std::function<void(Runtime&)> install = {}) {
    view::GameOptions options;
    options.clock = clock.source();
    options.record = &script;
    options.transcript = &transcript;
    options.install = std::move(install);
    options.messageBoxShown = [this](view::MessageBox& box) {
      QTimer::singleShot(0, &box, [this, &box] { answer(box); });
    };
    game = std::make_unique<view::Game>(options);
  }
  view::FormWindow& window(const std::string& form) {
    view::FormWindow* w = game->window(form);
    EXPECT_NE(w, nullptr) << form;
    return *w;
  }
  void click(const std::string& form, const std::string& control, double afterMs) {
    clock.advance(afterMs);
    view_testing::click(window(form), pointOf(game->runtime(), form, control));
  }
  void key(const std::string& form, const std::string& control, Qt::Key key, double afterMs) {
    clock.advance(afterMs);
    QTest::keyClick(window(form).widgetOf(control), key);
  }
};

TEST(Recording, TheRoadFromTheTitleToTheTownReplaysToTheSameTranscript) {
  RealRun run;
  run.answer = [&run](view::MessageBox& box) {
    run.clock.advance(700);
    if (textOf(box) == "休業中だ") {
      QTest::mouseClick(box.okButton(), Qt::LeftButton);
    } else {
      QTest::keyClick(&box, Qt::Key_Escape);
    }
  };
  run.game->start("Form1");
  run.click("Form1", "Command1", 800.25);  // the quit confirmation, which the player closes
  run.clock.advance(300);
  run.window("Form2").close();
  run.click("Form1", "Image1", 1000);
  for (int i = 0; i < 17; ++i) {
    if (i % 3 == 1) {
      run.key("Form3", "Command1", i % 2 ? Qt::Key_Return : Qt::Key_Space, 150.5);
    } else {
      run.click("Form3", "Command1", 150.5);
    }
  }
  run.click("Form4", "Image4", 400);  // closed for the day: a message
  run.clock.advance(200);
  run.window("F5").close();           // refused while the map is open
  run.click("Form4", "Image9", 333);  // to section 2
  run.click("Form5", "Image8", 333);  // back to section 1
  run.click("Form4", "Image7", 250);  // a bottle, and its message closed with Escape

  const std::string transcript = run.transcript.str();
  for (const char* expected :
       {"load Form2", "unload Form2", "show Form3", "show F5", "msgbox \"休業中だ\"",
        "ignored close F5", "show Form5", "close msgbox"}) {
    EXPECT_NE(transcript.find(expected), std::string::npos) << expected << "\n" << transcript;
  }
  EXPECT_NE(run.script.str().find("key Form3.Command1 enter"), std::string::npos);
  EXPECT_NE(run.script.str().find("key Form3.Command1 space"), std::string::npos);
  EXPECT_EQ(replay::replayText(run.script.str()), transcript) << run.script.str();
}

// A desk of every kind of input, each handler writing down when it ran.
class Desk : public Form {
 public:
  Desk(Runtime& runtime, std::vector<std::string>& log) : Form(runtime, design()), log_(log) {
    on("Climb", Event::MouseDown, [this] { note("climb"); });
    on("Spot", Event::Click, [this] { note("spot"); });
    on("Pad", Event::MouseMove, [this] { note("pad"); });
    on("Dot", Event::Click, [this] { note("dot"); });
    on("Both", Event::MouseDown, [this] { note("both down"); });
    on("Both", Event::Click, [this] { note("both click"); });
    on("Ask", Event::Click,
       [this] { note(msgbox("ask") == MsgBoxResult::Ok ? "ask ok" : "ask closed"); });
    on("Tick", Event::Timer, [this] { Tick_Timer(); });
    on("Stop", Event::Click, [this] { end(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Desk";
    f.width = 6000;
    f.height = 4500;
    f.controls = {
        image("Spot", "Form4_Image8", {0, 0, 1500, 1500}),
        pictureBox("Pad", "", {1800, 0, 2400, 1800}),
        image("Dot", "Form4_Image9", {300, 300, 600, 600}).inside("Pad"),
        button("Climb", "climb", {0, 1800, 1200, 600}),
        button("Both", "both", {1500, 2400, 1200, 600}),
        button("Ask", "ask", {3000, 2400, 1200, 600}),
        button("Stop", "stop", {4500, 2400, 1200, 600}),
        textBox("Note", "", {0, 3600, 3000, 300}),
        label("Count", "0", {4500, 3600, 600, 300}),
        timer("Tick", 40),
    };
    return f;
  }
  void note(const std::string& what) {
    log_.push_back(what + " at " + std::to_string(runtime().host().now()));
  }
  void Tick_Timer() {
    ctl("Count").setNumber(ctl("Count").number() + 1);
    note("tick");
    if (ctl("Count").is(6)) note(msgbox("tick six") == MsgBoxResult::Ok ? "six ok" : "six closed");
  }
  std::vector<std::string>& log_;
};

TEST(Recording, EveryKindOfInputReplaysAtItsTime) {
  std::vector<std::string> realLog;
  RealRun run([&](Runtime& runtime) { runtime.add(std::make_unique<Desk>(runtime, realLog)); });
  run.answer = [&run](view::MessageBox& box) {
    run.clock.advance(45.5);
    run.game->wake();  // the desk keeps ticking under the box
    run.clock.advance(30);
    QTest::keyClick(&box, textOf(box) == "ask" ? Qt::Key_Return : Qt::Key_Escape);
  };
  run.game->start("Desk");
  Runtime& runtime = run.game->runtime();
  view::FormWindow& w = run.window("Desk");
  const QPoint pad = pointOf(runtime, "Desk", "Pad");

  run.clock.advance(10);
  view_testing::move(w, pad);
  view_testing::move(w, pad + QPoint(3, 1));
  run.click("Desk", "Spot", 10);
  run.click("Desk", "Dot", 5);
  run.clock.advance(20.5);
  view_testing::click(w, pointOf(runtime, "Desk", "Climb"), Qt::RightButton);
  run.click("Desk", "Climb", 4.5);
  // Pressed on one control, let go over another: no click.
  run.clock.advance(10);
  view_testing::press(w, pointOf(runtime, "Desk", "Spot"));
  run.clock.advance(15);
  view_testing::move(w, pointOf(runtime, "Desk", "Ask"));
  view_testing::release(w, pointOf(runtime, "Desk", "Ask"));
  run.click("Desk", "Both", 10);
  run.clock.advance(10);
  QTest::keyClicks(w.widgetOf("Note"), "ab");
  run.clock.advance(30.125);
  run.game->wake();
  // The sixth tick's box comes due before this click reaches the desk.
  run.click("Desk", "Ask", 120);
  run.click("Desk", "Ask", 100);
  run.click("Desk", "Stop", 61);
  ASSERT_TRUE(runtime.ended());

  std::vector<std::string> replayLog;
  std::istringstream script(run.script.str());
  std::ostringstream transcript;
  replay::Replay replay(script, transcript, "recorded",
                        [&](Runtime& r) { r.add(std::make_unique<Desk>(r, replayLog)); });
  const replay::Outcome outcome = replay.run("Desk");
  EXPECT_EQ(outcome.status, 0) << outcome.error;
  EXPECT_EQ(transcript.str(), run.transcript.str()) << run.script.str();
  EXPECT_EQ(replayLog, realLog) << run.script.str();
  EXPECT_EQ(replay.runtime().form("Desk").control("Note").rawCaption(), "ab");
  // Not a vacuous run: every kind of input got through.
  for (const char* event :
       {"pad", "spot", "dot", "climb", "both down", "both click", "six closed", "ask ok", "tick"}) {
    bool seen = false;
    for (const auto& line : realLog) seen = seen || line.rfind(std::string(event) + " at", 0) == 0;
    EXPECT_TRUE(seen) << event;
  }
}

}  // namespace

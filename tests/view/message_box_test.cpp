// Message boxes in real windows: how they look, how they are answered, and what goes on while
// one is open.
#include "view_qt/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "view/view_support.h"
#include "view_qt/game.h"

namespace {

using namespace core;
using view_testing::FakeClock;

TEST(MessageBox, HasTheGamesTitleTheTextAndOneOkButton) {
  view::MessageBox box(QStringLiteral("なに？こうしてやる！ <b>&amp;</b>"));
  EXPECT_EQ(box.windowTitle(), QStringLiteral("ドカスカ2"));
  const auto buttons = box.findChildren<QAbstractButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons.front()->text(), QStringLiteral("OK"));
  const auto labels = box.findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 1) << "text only, no icon";
  EXPECT_EQ(labels.front()->text(), QStringLiteral("なに？こうしてやる！ <b>&amp;</b>"));
  EXPECT_EQ(labels.front()->textFormat(), Qt::PlainText) << "a message is never markup";
}

// A form with a clock-driven log: its timer writes each tick, and can end the program.
class Clockwork : public Form {
 public:
  Clockwork(Runtime& runtime, std::vector<std::string>& log) : Form(runtime, design()), log_(log) {
    on("Tick", Event::Timer, [this] { Tick_Timer(); });
  }
  bool endOnTick = false;

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Clockwork";
    f.width = 1500;
    f.height = 1500;
    f.controls = {timer("Tick", 100)};
    return f;
  }
  void Tick_Timer() {
    log_.push_back("tick at " + std::to_string(runtime().host().now() / 1000));
    if (endOnTick) end();
  }
  std::vector<std::string>& log_;
};

struct Bench {
  FakeClock clock;
  std::vector<std::string> log;
  std::ostringstream record;
  std::ostringstream transcript;
  Clockwork* form = nullptr;
  std::unique_ptr<view::Game> game;

  explicit Bench(std::function<void(view::MessageBox&)> answer) {
    view::GameOptions options;
    options.clock = clock.source();
    options.record = &record;
    options.transcript = &transcript;
    options.install = [this](Runtime& runtime) {
      auto f = std::make_unique<Clockwork>(runtime, log);
      form = f.get();
      runtime.add(std::move(f));
    };
    options.messageBoxShown = [answer](view::MessageBox& box) {
      QTimer::singleShot(0, &box, [answer, &box] { answer(box); });
    };
    game = std::make_unique<view::Game>(options);
    game->start("Clockwork");
  }
  MsgBoxResult ask(const std::string& text) {
    MsgBoxResult result = MsgBoxResult::Ok;
    game->runtime().perform([&] { result = game->runtime().msgbox(text); });
    return result;
  }
};

TEST(MessageBox, AnswersOkOrClosed) {
  struct Case {
    const char* how;
    std::function<void(view::MessageBox&)> answer;
    MsgBoxResult result;
    const char* line;  // in the recording and the transcript
  };
  const Case cases[] = {
      {"OK clicked", [](view::MessageBox& b) { QTest::mouseClick(b.okButton(), Qt::LeftButton); },
       MsgBoxResult::Ok, "ok"},
      {"Enter", [](view::MessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, MsgBoxResult::Ok,
       "ok"},
      {"Escape", [](view::MessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); },
       MsgBoxResult::Closed, "close msgbox"},
      {"close box", [](view::MessageBox& b) { b.close(); }, MsgBoxResult::Closed, "close msgbox"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    Bench bench(c.answer);
    EXPECT_EQ(bench.ask("hello"), c.result);
    EXPECT_EQ(bench.record.str(), std::string("# dokasuka2 --record\n") + c.line + "\n");
    EXPECT_NE(bench.transcript.str().find(std::string("0 ") + c.line + "\n"), std::string::npos)
        << bench.transcript.str();
    EXPECT_TRUE(bench.game->messageBoxes().empty());
  }
}

TEST(MessageBox, TimersTickWhileItIsOpen) {
  Bench* self = nullptr;
  Bench bench([&self](view::MessageBox& box) {
    self->clock.advance(350);
    self->game->wake();
    self->clock.advance(20);
    box.okButton()->click();
  });
  self = &bench;
  bench.ask("wait");
  EXPECT_EQ(bench.log, (std::vector<std::string>{"tick at 100", "tick at 200", "tick at 300"}));
  EXPECT_EQ(bench.record.str(), "# dokasuka2 --record\nwait 370\nok\n");
}

TEST(MessageBox, TheEndOfTheProgramClosesItAndEveryWindow) {
  Bench* self = nullptr;
  Bench bench([&self](view::MessageBox&) {
    self->form->endOnTick = true;
    self->clock.advance(100);
    self->game->wake();
  });
  self = &bench;
  bench.ask("bye");
  EXPECT_TRUE(bench.game->runtime().ended());
  EXPECT_TRUE(bench.game->messageBoxes().empty());
  EXPECT_FALSE(bench.game->window("Clockwork")->isVisible());
  EXPECT_NE(bench.transcript.str().find("100 end\n"), std::string::npos) << bench.transcript.str();
}

}  // namespace

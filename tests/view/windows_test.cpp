// The real windows: their sizes, where the mouse lands, and the faces text is drawn in.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"
#include "view/view_support.h"
#include "view_qt/caption.h"
#include "view_qt/game.h"
#include "view_qt/look.h"

namespace {

using namespace core;
using view_testing::FakeClock;

class NullHost : public Host {
 public:
  Micros now() const override { return 0; }
  void wakeAt(std::optional<Micros>) override {}
  MsgBoxResult runMessageBox(const std::string&) override { return MsgBoxResult::Ok; }
};

// The designs of every screen of the game.
std::vector<FormDesign> gameDesigns() {
  NullHost host;
  Runtime runtime(host);
  addAllForms(runtime);
  std::vector<FormDesign> designs;
  for (Form* f : runtime.forms()) designs.push_back(f->design());
  return designs;
}

// A form laid out like a screen, whose every control logs what reaches it.
class Probe : public Form {
 public:
  Probe(Runtime& runtime, FormDesign design, std::vector<std::string>& log)
      : Form(runtime, std::move(design)) {
    for (const auto& c : controls()) {
      if (c->kind() == Kind::Timer) continue;
      const std::string name = c->name();
      on(name, Event::MouseDown, [&log, name] { log.push_back(name + " down"); });
      on(name, Event::Click, [&log, name] { log.push_back(name + " click"); });
      on(name, Event::MouseMove, [&log, name] { log.push_back(name + " move"); });
    }
  }
};

// Controls stacked every way the screens stack them, and then some.
FormDesign stack() {
  FormDesign f;
  f.name = "Stack";
  f.width = 4500;
  f.height = 3000;
  f.controls = {
      image("Photo", "Form1_Image1", {0, 0, 3990, 3000}),
      label("Caption", "in front of the photo", {300, 300, 1500, 600}),
      button("OverPhoto", "OK", {600, 600, 1200, 600}),
      button("Hidden", "hidden", {2400, 300, 900, 600}).hidden(),
      button("UnderBox", "under", {1800, 1500, 900, 600}),
      pictureBox("Box", "Form4_Image8", {2100, 1200, 1800, 1500}),
      image("BoxChild", "Form4_Image9", {150, 150, 600, 600}).inside("Box"),
      button("BoxButton", "in", {900, 600, 1200, 600}).inside("Box"),  // sticks out of the box
      textBox("Text", "typed", {300, 2400, 1500, 300}),
      label("Behind", "covered by the box", {3600, 1500, 900, 600}),
      shape("Frame", {0, 0, 4500, 3000}),
  };
  return f;
}

TEST(Windows, ClientAreaIsTheDesignSizeInPixelsForEveryScreen) {
  for (const FormDesign& design : gameDesigns()) {
    SCOPED_TRACE(design.name);
    FakeClock clock;
    view::GameOptions options;
    options.clock = clock.source();
    // Screens greet with messages as they load: OK them all.
    options.messageBoxShown = [](view::MessageBox& box) {
      QTimer::singleShot(0, box.okButton(), &QPushButton::click);
    };
    view::Game game(options);
    game.start("Form1");
    Runtime& runtime = game.runtime();
    runtime.perform([&] { runtime.show(runtime.form(design.name)); });
    view::FormWindow* w = game.window(design.name);
    ASSERT_NE(w, nullptr);
    const QSize expected(design.width / kTwipsPerPixel, design.height / kTwipsPerPixel);
    EXPECT_EQ(w->size(), expected);
    EXPECT_EQ(w->minimumSize(), expected) << "the player cannot resize it";
    EXPECT_EQ(w->maximumSize(), expected);
    EXPECT_EQ(w->windowTitle().toStdString(), design.caption);
  }
}

// Every point of a grid over the window is hovered and clicked through the window system's
// path; what reaches the forms must be what the runtime's own hit-test names for that point.
TEST(Windows, TheMouseReachesTheControlTheRuntimeFindsThere) {
  std::vector<FormDesign> designs = gameDesigns();
  designs.push_back(stack());
  for (const FormDesign& design : designs) {
    SCOPED_TRACE(design.name);
    std::vector<std::string> log;
    FakeClock clock;
    view::GameOptions options;
    options.clock = clock.source();
    options.install = [&](Runtime& runtime) {
      runtime.add(std::make_unique<Probe>(runtime, design, log));
    };
    view::Game game(options);
    game.start(design.name);
    view::FormWindow* w = game.window(design.name);
    ASSERT_NE(w, nullptr);
    Form& form = game.runtime().form(design.name);
    std::vector<QPoint> points;
    // From 1: to the test library, the point 0,0 means the window's centre.
    for (int y = 1; y < w->height(); y += 12) {
      for (int x = 1; x < w->width(); x += 12) points.emplace_back(x, y);
    }
    if (design.name == "Form4") {  // every other pixel where the move icons overlap
      for (int y = 320; y < w->height(); y += 2) {
        for (int x = 180; x < 370; x += 2) points.emplace_back(x, y);
      }
    }
    int mismatches = 0;
    for (const QPoint px : points) {
      if (mismatches >= 5) break;
      const int x = px.x();
      const int y = px.y();
      const Control* target =
          game.runtime().hitTest(form, view::toTwips(x, 1), view::toTwips(y, 1));
      const std::string name = target != nullptr ? target->name() : "";
      const auto expect = [&](std::vector<std::string> events) {
        if (target == nullptr) events.clear();
        if (log == events) return;
        ++mismatches;
        ADD_FAILURE() << "at pixel " << x << "," << y << " the runtime names "
                      << (target ? name : "nothing") << ", the window delivered "
                      << ::testing::PrintToString(log);
      };
      // What lies on top is what takes the input.
      std::string onTop;
      for (const QWidget* at = w->childAt(px); at != nullptr && onTop.empty();
           at = at->parentWidget()) {
        for (const auto& c : form.controls()) {
          if (w->widgetOf(c->name()) == at) onTop = c->name();
        }
      }
      const std::string drawnBy = target == nullptr            ? ""
                                  : isWindowed(target->kind()) ? name
                                                               : target->design().container;
      if (onTop != drawnBy) {
        ++mismatches;
        ADD_FAILURE() << "at pixel " << x << "," << y << " the runtime names "
                      << (target ? name : "nothing") << ", the window shows "
                      << (onTop.empty() ? "the form" : onTop) << " on top";
      }
      log.clear();
      view_testing::move(*w, px);
      expect({name + " move"});
      log.clear();
      view_testing::click(*w, px);
      expect({name + " down", name + " click"});
    }
  }
}

// Every press of any button is a MouseDown; a press and release of the left one on the same
// control is a Click, the second of a fast double click too.
TEST(Windows, PressesAndClicksOfEveryButton) {
  const FormDesign design = stack();
  struct Case {
    const char* what;
    QPoint px;
    std::function<void(QWindow*, QPoint)> act;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"right button on a push button",
       {60, 50},
       [](QWindow* w, QPoint p) { QTest::mouseClick(w, Qt::RightButton, {}, p); },
       {"OverPhoto down"}},
      {"middle button on an image",
       {10, 190},
       [](QWindow* w, QPoint p) { QTest::mouseClick(w, Qt::MiddleButton, {}, p); },
       {"Photo down"}},
      {"double click on a push button",
       {60, 50},
       [](QWindow* w, QPoint p) { QTest::mouseDClick(w, Qt::LeftButton, {}, p); },
       {"OverPhoto down", "OverPhoto click", "OverPhoto down", "OverPhoto click"}},
      {"double click in a picture box",
       {160, 100},
       [](QWindow* w, QPoint p) { QTest::mouseDClick(w, Qt::LeftButton, {}, p); },
       {"BoxChild down", "BoxChild click", "BoxChild down", "BoxChild click"}},
      {"double click on a text box",
       {50, 170},
       [](QWindow* w, QPoint p) { QTest::mouseDClick(w, Qt::LeftButton, {}, p); },
       {"Text down", "Text click", "Text down", "Text click"}},
      {"pressed on the photo, let go on the button",
       {10, 190},
       [](QWindow* w, QPoint p) {
         QTest::mousePress(w, Qt::LeftButton, {}, p);
         QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(60, 50));
       },
       {"Photo down"}},
      {"pressed on the button, let go on the photo",
       {60, 50},
       [](QWindow* w, QPoint p) {
         QTest::mousePress(w, Qt::LeftButton, {}, p);
         QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(10, 190));
       },
       {"OverPhoto down"}},
      {"Enter on the focused button",
       {},
       [](QWindow* w, QPoint) { QTest::keyClick(w, Qt::Key_Return); },
       {"OverPhoto click"}},
      {"Space on the focused button",
       {},
       [](QWindow* w, QPoint) { QTest::keyClick(w, Qt::Key_Space); },
       {"OverPhoto click"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> log;
    view::GameOptions options;
    options.install = [&](Runtime& runtime) {
      runtime.add(std::make_unique<Probe>(runtime, design, log));
    };
    view::Game game(options);
    game.start("Stack");
    view::FormWindow& w = *game.window("Stack");
    w.widgetOf("OverPhoto")->setFocus();
    c.act(w.windowHandle(), c.px);
    std::erase_if(log, [](const std::string& e) { return e.ends_with(" move"); });
    EXPECT_EQ(log, c.log);
  }
}

TEST(Windows, TheControlThatHoldsTheFocusHasItWhenTheWindowOpens) {
  int checked = 0;
  for (const FormDesign& design : gameDesigns()) {
    const auto focused = std::find_if(design.controls.begin(), design.controls.end(),
                                      [](const ControlDesign& c) { return c.focus && c.visible; });
    if (focused == design.controls.end()) continue;
    SCOPED_TRACE(design.name + "." + focused->name);
    std::vector<std::string> log;
    view::GameOptions options;
    options.install = [&](Runtime& runtime) {
      runtime.add(std::make_unique<Probe>(runtime, design, log));
    };
    view::Game game(options);
    game.start(design.name);
    view::FormWindow& w = *game.window(design.name);
    EXPECT_EQ(w.focusWidget(), w.widgetOf(focused->name));
    ++checked;
  }
  EXPECT_GT(checked, 3);
}

// The stand-in faces are a little wider than the designed ones; no caption of any screen may
// lose a line to that.
TEST(Windows, EveryCaptionAsDesignedIsWhollyInsideItsLabel) {
  for (const FormDesign& design : gameDesigns()) {
    for (const ControlDesign& c : design.controls) {
      if (c.kind != Kind::Label || c.caption.empty()) continue;
      const QRect r = view::pxRect(c.rect);
      const view::CaptionFit fit = view::fitCaption(c.caption, c.font, r.width(), r.height());
      EXPECT_TRUE(fit.fits()) << design.name << "." << c.name << " \"" << c.caption << "\" takes "
                              << fit.lines << " lines where " << fit.room << " show";
    }
  }
}

TEST(Windows, FacesAndSizesOfText) {
  struct Case {
    Font font;
    const char* family;
    int pixels;
  };
  const Case cases[] = {
      {Font{}, "IPAPGothic", 12},
      {gothic(9), "IPAPGothic", 12},
      {gothic(21.75, true), "IPAPGothic", 29},
      {gothic(48, true), "IPAPGothic", 64},
      {mincho(72, true), "IPAPMincho", 96},
      {mincho(12), "IPAPMincho", 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family + std::to_string(c.pixels));
    const QFontInfo info(view::fontFor(c.font));
    EXPECT_EQ(info.family().toStdString(), c.family);
    EXPECT_EQ(info.pixelSize(), c.pixels);
    EXPECT_EQ(info.bold(), c.font.bold);
  }
}

// The IPA faces have no bold of their own: bold is thickened regular, as thick at every size
// and every device pixel ratio.
TEST(Windows, BoldCaptionsAreBoldAtEverySize) {
  auto ink = [](const Font& font, qreal dpr) {
    FormDesign f;
    f.name = "Ink";
    f.width = 9000;
    f.height = 2000;
    f.back = 0xFFFFFF;
    f.controls = {
        label("Label1", "何言ってるんだ2", {0, 0, 9000, 2000}).withFont(font).withBack(0xFFFFFF)};
    std::vector<std::string> log;
    NullHost host;
    Runtime runtime(host);
    Form& form = runtime.add(std::make_unique<Probe>(runtime, f, log));
    runtime.start("Ink");
    view::FormWindow w(form, nullptr);
    QImage image(w.size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    w.render(&image);
    double dark = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) dark += 255 - qGray(image.pixel(x, y));
    }
    return dark;
  };
  for (qreal dpr : {1.0, 2.0}) {
    for (double points : {9.0, 24.0, 36.0, 48.0, 72.0}) {
      SCOPED_TRACE(std::to_string(points) + " pt at " + std::to_string(dpr));
      const double ratio = ink(gothic(points, true), dpr) / ink(gothic(points), dpr);
      EXPECT_GT(ratio, 1.25);
      EXPECT_LT(ratio, 2.0);
    }
  }
}

}  // namespace

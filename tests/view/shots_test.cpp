// Pictures of the windows for scripted runs (`--replay FILE --shots DIR`).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <sstream>
#include <string>

#include "replay/replay.h"
#include "view_qt/view.h"

namespace {

constexpr int kTitleBar = 18;

struct Shots {
  QTemporaryDir root;
  QString dir = root.path() + QStringLiteral("/made/on/demand");
  std::unique_ptr<replay::ShotWriter> writer = view::makeShotWriter(dir.toStdString());

  void replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    replay::Replay run(in, out, "shots");
    run.setShotWriter(writer.get());
    EXPECT_EQ(run.run().status, 0);
  }
  QImage picture(const char* name) const { return QImage(dir + QLatin1Char('/') + name); }
  QStringList files() const { return QDir(dir).entryList(QDir::Files, QDir::Name); }
};

TEST(Shots, OnePictureForEachVisibleWindowNamedAfterTheShotAndTheForm) {
  Shots shots;
  shots.replay(
      "shot title\n"
      "click Form1.Command1\n"
      "shot asking\n"
      "click Form2.Command2\n"
      "click Form1.Image1\n"
      "shot opening\n");
  EXPECT_EQ(shots.files(), (QStringList{"asking-Form1.png", "asking-Form2.png", "opening-Form3.png",
                                        "title-Form1.png"}));

  struct Case {
    const char* file;
    QSize client;
  };
  for (const Case& c : {Case{"title-Form1.png", {370, 448}}, Case{"asking-Form2.png", {312, 136}},
                        Case{"opening-Form3.png", {521, 313}}}) {
    SCOPED_TRACE(c.file);
    const QImage image = shots.picture(c.file);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), c.client + QSize(0, kTitleBar)) << "client area under a title bar";
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
  }
  // The quit confirmation's own blue, below its title bar.
  EXPECT_EQ(shots.picture("asking-Form2.png").pixel(2, kTitleBar + 130), qRgb(0, 0, 0xFF));
}

TEST(Shots, ShowWhatTheScreenShowsAtThatMoment) {
  Shots shots;
  shots.replay(
      "click Form1.Image1\n"
      "shot first\n"
      "click Form3.Command1\n"
      "shot second\n");
  const QImage first = shots.picture("first-Form3.png");
  const QImage second = shots.picture("second-Form3.png");
  ASSERT_FALSE(first.isNull());
  ASSERT_EQ(first.size(), second.size());
  EXPECT_NE(first, second) << "the dialogue's next line";
}

TEST(Shots, MessageBoxesInnermostLast) {
  Shots shots;
  std::istringstream in;
  std::ostringstream out;
  replay::Replay run(in, out);
  run.run();
  shots.writer->shot("boxes", run.runtime(), {"なに？こうしてやる！", "何やっとんだー！"});
  EXPECT_TRUE(shots.files().contains("boxes-msgbox.png"));
  EXPECT_TRUE(shots.files().contains("boxes-msgbox2.png"));
  const QImage box = shots.picture("boxes-msgbox.png");
  ASSERT_FALSE(box.isNull());
  EXPECT_GT(box.height(), kTitleBar + 23) << "title bar, text and the OK button";
}

}  // namespace

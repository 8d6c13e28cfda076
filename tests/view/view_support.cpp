#include "view/view_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <fstream>
#include <sstream>

#include "view_qt/look.h"

namespace view_testing {

QPoint pixelAt(int xTwips, int yTwips) {
  const QPoint px(xTwips / core::kTwipsPerPixel, yTwips / core::kTwipsPerPixel);
  // To the test library, 0,0 means the window's centre.
  return px.isNull() ? QPoint(1, 1) : px;
}

void click(QWidget& window, QPoint px, Qt::MouseButton button) {
  QTest::mouseClick(window.windowHandle(), button, {}, px);
}

void press(QWidget& window, QPoint px, Qt::MouseButton button) {
  QTest::mousePress(window.windowHandle(), button, {}, px);
}

void release(QWidget& window, QPoint px, Qt::MouseButton button) {
  QTest::mouseRelease(window.windowHandle(), button, {}, px);
}

void move(QWidget& window, QPoint px) { QTest::mouseMove(window.windowHandle(), px); }

std::string readSourceFile(const std::string& relativePath) {
  std::ifstream in(std::string(DOKASUKA_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace view_testing

int main(int argc, char** argv) {
  // Also when the test list is read at build time, outside ctest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform cannot raise or activate windows, and says so every time.
  static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (msg.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (previous != nullptr) previous(type, context, msg);
  });
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  view::applyLook();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

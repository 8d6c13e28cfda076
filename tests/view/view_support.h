// Helpers for the tests of the real windows, which run under the offscreen platform.
#pragma once

#include <QPoint>
#include <functional>
#include <string>

#include "core/runtime.h"

class QWidget;

namespace view_testing {

// A clock that moves only when a test moves it.
struct FakeClock {
  core::Micros now = 0;
  std::function<core::Micros()> source() {
    return [this] { return now; };
  }
  void advance(double ms) { now += static_cast<core::Micros>(ms * 1000); }
};

// The window pixel at which a point of the form, in twips, is drawn.
QPoint pixelAt(int xTwips, int yTwips);

// Input through the window system's path (the window, then the widget under the pointer).
void click(QWidget& window, QPoint px, Qt::MouseButton button = Qt::LeftButton);
void press(QWidget& window, QPoint px, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget& window, QPoint px, Qt::MouseButton button = Qt::LeftButton);
void move(QWidget& window, QPoint px);

// A file of the source tree.
std::string readSourceFile(const std::string& relativePath);

}  // namespace view_testing

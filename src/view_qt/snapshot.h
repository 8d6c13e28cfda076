// Pictures of windows for scripted runs: the client area exactly as the window paints it, under
// a plain title bar that shows the caption.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace view {

// At device pixel ratio 1. The window must have been shown (off screen will do).
QImage windowPicture(QWidget& window, const QString& caption);

}  // namespace view

#include "view_qt/snapshot.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "view_qt/look.h"

namespace view {

namespace {

constexpr int kTitleHeight = 18;
constexpr int kCloseWidth = 16;
constexpr int kCloseHeight = 14;
constexpr int kInset = 4;

void drawCloseBox(QPainter& p, const QRect& r) {
  p.fillRect(r, toQColor(kFace));
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::white);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::white);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor(0x40, 0x40, 0x40));
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), QColor(0x40, 0x40, 0x40));
  const QRect cross = r.adjusted(4, 3, -5, -4);
  QPen pen(toQColor(kText), 2);
  p.setPen(pen);
  p.drawLine(cross.topLeft(), cross.bottomRight());
  p.drawLine(cross.topRight(), cross.bottomLeft());
}

}  // namespace

QImage windowPicture(QWidget& window, const QString& caption) {
  QImage client(window.size(), QImage::Format_ARGB32_Premultiplied);
  client.setDevicePixelRatio(1);
  client.fill(Qt::transparent);
  window.render(&client);

  QFont font = fontFor(core::Font{});
  font.setBold(true);
  const int captionWidth = QFontMetrics(font).horizontalAdvance(caption);
  // A window narrower than its caption still has a title bar the caption fits in.
  const int width = std::max(window.width(), kInset + captionWidth + kInset + kCloseWidth + 2);

  QImage picture(width, kTitleHeight + window.height(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  QLinearGradient bar(0, 0, width, 0);
  bar.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
  bar.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
  p.fillRect(QRect(0, 0, width, kTitleHeight), bar);
  p.setFont(font);
  p.setPen(toQColor(kTitleText));
  p.drawText(QRect(kInset, 0, width - kInset, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
             caption);
  drawCloseBox(p, QRect(width - kCloseWidth - 2, (kTitleHeight - kCloseHeight) / 2, kCloseWidth,
                        kCloseHeight));
  p.drawImage(QPoint(0, kTitleHeight), client);
  p.end();
  return picture;
}

}  // namespace view

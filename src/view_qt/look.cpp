#include "view_qt/look.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <cmath>

namespace view {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The faces the screens were designed with, and what stands in for them here.
constexpr const char* kGothic = "IPAPGothic";
constexpr const char* kMincho = "IPAPMincho";

}  // namespace

QFont fontFor(const core::Font& font) {
  QFont f(QString::fromLatin1(font.face == core::Face::Mincho ? kMincho : kGothic));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * kPixelsPerPoint))));
  f.setBold(font.bold);
  // Where the IPA fonts are missing, at least a face of the same kind.
  f.setStyleHint(font.face == core::Face::Mincho ? QFont::Serif : QFont::SansSerif);
  return f;
}

void applyLook() {
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QString::fromLatin1(kGothic));
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QString::fromLatin1(kMincho));
  QFont::insertSubstitution(QStringLiteral("MS PGothic"), QString::fromLatin1(kGothic));
  QFont::insertSubstitution(QStringLiteral("MS PMincho"), QString::fromLatin1(kMincho));

  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(fusion);
  }
  QPalette p;
  const QColor face = toQColor(kFace);
  const QColor text = toQColor(kText);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Window, face);
    p.setColor(group, QPalette::Button, face);
    p.setColor(group, QPalette::Base, toQColor(kWindow));
    p.setColor(group, QPalette::AlternateBase, face);
    p.setColor(group, QPalette::WindowText, text);
    p.setColor(group, QPalette::ButtonText, text);
    p.setColor(group, QPalette::Text, text);
    p.setColor(group, QPalette::Light, Qt::white);
    p.setColor(group, QPalette::Midlight, face.lighter(110));
    p.setColor(group, QPalette::Mid, QColor(0x80, 0x80, 0x80));
    p.setColor(group, QPalette::Dark, QColor(0x80, 0x80, 0x80));
    p.setColor(group, QPalette::Shadow, QColor(0x40, 0x40, 0x40));
    p.setColor(group, QPalette::Highlight, QColor(0x0A, 0x24, 0x6A));
    p.setColor(group, QPalette::HighlightedText, toQColor(kTitleText));
    p.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(group, QPalette::ToolTipText, text);
  }
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
  p.setColor(QPalette::Disabled, QPalette::Window, face);
  p.setColor(QPalette::Disabled, QPalette::Button, face);
  p.setColor(QPalette::Disabled, QPalette::Base, face);
  QApplication::setPalette(p);
  QApplication::setFont(fontFor(core::Font{}));
}

int toPx(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / core::kTwipsPerPixel));
}

QRect pxRect(int left, int top, int width, int height) {
  const int x0 = toPx(left);
  const int y0 = toPx(top);
  return QRect(x0, y0, toPx(left + width) - x0, toPx(top + height) - y0);
}

qreal toPxAt(int twips, qreal dpr) {
  return std::round(static_cast<double>(twips) * dpr / core::kTwipsPerPixel) / dpr;
}

int toTwips(qreal px, qreal dpr) {
  const qreal centre = px + 0.5 / (dpr > 0 ? dpr : 1.0);
  return static_cast<int>(std::floor(centre * core::kTwipsPerPixel));
}

QString buttonText(const std::string& caption) {
  return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace view

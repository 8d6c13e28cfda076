#include "view_qt/caption.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>

#include "view_qt/look.h"

namespace view {

namespace {

// How far a caption may be narrowed to stay within its label.
constexpr qreal kNarrowest = 0.75;
constexpr qreal kNarrowingStep = 0.05;
// A last line whose descenders fall below the label still reads.
constexpr qreal kReadableLine = 0.8;

// The IPA fonts have no bold face, and the font engine thickens their glyphs itself. Glyphs of
// this size in device pixels and up it draws from outlines, without the thickening; and from
// this size in logical pixels up, the outlines it hands out lack it too.
constexpr int kLargestThickenedGlyph = 64;

Qt::Alignment toQt(core::Align align) {
  switch (align) {
    case core::Align::Center:
      return Qt::AlignHCenter;
    case core::Align::Right:
      return Qt::AlignRight;
    case core::Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

QString captionText(const std::string& caption) {
  QString text = QString::fromStdString(caption);
  text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
  text.replace(QLatin1Char('\n'), QChar::LineSeparator);
  text.replace(QLatin1Char('\r'), QChar::LineSeparator);
  return text;
}

int layOut(QTextLayout& layout, qreal width) {
  layout.beginLayout();
  int lines = 0;
  qreal y = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    y += line.height();
    ++lines;
  }
  layout.endLayout();
  return lines;
}

CaptionFit fit(QTextLayout& layout, const QFont& font, qreal width, qreal height,
               QPaintDevice* device) {
  const qreal lineHeight =
      device != nullptr ? QFontMetricsF(font, device).height() : QFontMetricsF(font).height();
  CaptionFit result;
  result.room = std::max(1, static_cast<int>(std::floor(height / lineHeight + 1 - kReadableLine)));
  result.lines = layOut(layout, width);
  if (result.fits()) return result;
  for (qreal squeeze = 1 - kNarrowingStep; squeeze >= kNarrowest - 1e-9;
       squeeze -= kNarrowingStep) {
    const int lines = layOut(layout, width / squeeze);
    if (lines <= result.room) {
      result.squeeze = squeeze;
      result.lines = lines;
      return result;
    }
  }
  layOut(layout, width);  // too long for the label whatever we do: as designed, cut off
  return result;
}

QTextOption wrapping(core::Align align) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setAlignment(toQt(align));
  return option;
}

// Bold text from the glyph runs' outlines, thickened where they are not yet as the engine
// thickens smaller glyphs: by a 24th of the em in all.
void drawOutlines(QPainter& p, const QTextLayout& layout, const QColor& color, int pixelSize) {
  QPainterPath outline;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
      outline.addPath(font.pathForGlyph(glyphs[i]).translated(positions[i]));
    }
  }
  outline.setFillRule(Qt::WindingFill);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(outline, color);
  if (pixelSize >= kLargestThickenedGlyph) {
    p.strokePath(outline,
                 QPen(color, pixelSize / 24.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
}

}  // namespace

CaptionFit fitCaption(const std::string& caption, const core::Font& font, qreal width, qreal height,
                      QPaintDevice* device) {
  const QFont f = fontFor(font);
  QTextLayout layout(captionText(caption), f, device);
  layout.setTextOption(wrapping(core::Align::Left));
  return fit(layout, f, width, height, device);
}

void drawCaption(QPainter& p, const QRectF& r, const std::string& caption, const core::Font& font,
                 core::Align align, const QColor& color) {
  if (caption.empty() || r.isEmpty()) return;
  const QFont f = fontFor(font);
  QTextLayout layout(captionText(caption), f, p.device());
  layout.setTextOption(wrapping(align));
  const CaptionFit how = fit(layout, f, r.width(), r.height(), p.device());

  p.save();
  p.setClipRect(r);
  p.translate(r.topLeft());
  p.scale(how.squeeze, 1);
  const qreal deviceScale = std::abs(p.deviceTransform().m22());
  if (f.bold() && f.pixelSize() * deviceScale >= kLargestThickenedGlyph) {
    drawOutlines(p, layout, color, f.pixelSize());
  } else {
    p.setPen(color);
    layout.draw(&p, QPointF(0, 0));
  }
  p.restore();
}

}  // namespace view

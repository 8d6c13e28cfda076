// Label captions: laid out within the label as the form designer shows them, in the faces that
// stand in for the designed ones.
#pragma once

#include <QColor>
#include <QRectF>
#include <string>

#include "core/design.h"

class QPainter;
class QPaintDevice;

namespace view {

// How a caption sits in its label.
struct CaptionFit {
  qreal squeeze = 1;  // horizontal scale of the text
  int lines = 0;      // lines the caption takes
  int room = 0;       // lines the label's height shows
  bool fits() const { return lines <= room; }
};

// The caption is wrapped within the label's width: at word boundaries where the text has them,
// between any two characters where it has not (a run of "！" is one long word). The stand-in
// faces run a little wider than the designed ones, so a caption that would wrap onto a line the
// label has no room for is narrowed a little instead, rather than cut off.
CaptionFit fitCaption(const std::string& caption, const core::Font& font, qreal width, qreal height,
                      QPaintDevice* device = nullptr);

// Draws the caption from the top of `r`, clipped to it.
void drawCaption(QPainter& p, const QRectF& r, const std::string& caption, const core::Font& font,
                 core::Align align, const QColor& color);

}  // namespace view

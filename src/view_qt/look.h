// How the game looks on every desktop: one classic palette, the IPA fonts, twips turned into
// pixels the same way for drawing, child windows and the pointer.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "core/design.h"

namespace view {

inline const QString kAppTitle = QStringLiteral("ドカスカ2");

// The classic palette: the same screenshots whatever the desktop's theme.
constexpr core::Color kFace = 0xD4D0C8;
constexpr core::Color kWindow = 0xFFFFFF;
constexpr core::Color kText = 0x000000;
constexpr core::Color kTitleText = 0xFFFFFF;

inline QColor toQColor(core::Color c) { return QColor::fromRgb(static_cast<QRgb>(c)); }

// The face, size and weight a control names. Sizes become pixels at 96 dpi, so text fits the
// twip geometry whatever DPI the desktop claims; the device pixel ratio scales the rest.
QFont fontFor(const core::Font& font);

// Style, palette, default font and the stand-ins for the faces the screens name. Needs a
// QApplication; calling it again changes nothing.
void applyLook();

// Pixels from twips, rounded to the nearest pixel. Edges are rounded, not sizes, so that
// neighbouring controls meet as they do in twips.
int toPx(int twips);
QRect pxRect(int left, int top, int width, int height);
inline QRect pxRect(const core::Rect& r) { return pxRect(r.left, r.top, r.width, r.height); }
// The same at a device pixel ratio, in (fractional) logical pixels on device-pixel edges.
qreal toPxAt(int twips, qreal dpr);

// The twip under a pointer position in logical pixels: the centre of the device pixel there,
// so that a pixel belongs to the control whose rounded edges enclose it.
int toTwips(qreal px, qreal dpr);

// A caption as a push button shows it: "&" is a character, not a mnemonic.
QString buttonText(const std::string& caption);

}  // namespace view

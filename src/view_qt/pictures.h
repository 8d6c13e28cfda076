// The pictures of the game: SVGs compiled in as resources, drawn at their natural size.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>
#include <string>

namespace view {

// ":/pictures/NAME.svg"
QString picturePath(const std::string& name);

// The picture's natural size in pixels; empty when the game has no such picture.
QSize pictureSize(const std::string& name);

// The picture rendered for a device pixel ratio, sharp at that ratio; null when there is no
// such picture. Rendered once per picture and ratio.
const QImage& pictureImage(const std::string& name, qreal dpr);

// A window icon from a picture, at the sizes window systems ask for.
QIcon pictureIcon(const std::string& name);

}  // namespace view

#include "view_qt/pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <utility>

namespace view {

namespace {

QSvgRenderer* renderer(const std::string& name) {
  static std::map<std::string, std::unique_ptr<QSvgRenderer>> renderers;
  auto it = renderers.find(name);
  if (it == renderers.end()) {
    auto r = std::make_unique<QSvgRenderer>(picturePath(name));
    if (!r->isValid()) {
      std::fprintf(stderr, "dokasuka2: no picture %s\n", name.c_str());
      r.reset();
    }
    it = renderers.emplace(name, std::move(r)).first;
  }
  return it->second.get();
}

}  // namespace

QString picturePath(const std::string& name) {
  return QStringLiteral(":/pictures/") + QString::fromStdString(name) + QStringLiteral(".svg");
}

QSize pictureSize(const std::string& name) {
  if (name.empty()) return {};
  QSvgRenderer* r = renderer(name);
  return r != nullptr ? r->defaultSize() : QSize();
}

const QImage& pictureImage(const std::string& name, qreal dpr) {
  static std::map<std::pair<std::string, qreal>, QImage> cache;
  static const QImage none;
  if (name.empty()) return none;
  auto it = cache.find({name, dpr});
  if (it != cache.end()) return it->second;
  QImage image;
  if (QSvgRenderer* r = renderer(name)) {
    const QSize natural = r->defaultSize();
    image = QImage(static_cast<int>(std::ceil(natural.width() * dpr)),
                   static_cast<int>(std::ceil(natural.height() * dpr)),
                   QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    r->render(&painter, QRectF(QPointF(0, 0), QSizeF(natural)));
  }
  return cache.emplace(std::make_pair(name, dpr), std::move(image)).first->second;
}

QIcon pictureIcon(const std::string& name) {
  QIcon icon;
  QSvgRenderer* r = renderer(name);
  if (r == nullptr) return icon;
  for (int side : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    r->render(&painter, QRectF(0, 0, side, side));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace view

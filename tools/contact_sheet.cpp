// Draws every picture of the game at its natural size on one sheet, each with its name, so the
// whole set can be looked at side by side: `contact_sheet OUT.png`.
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "view_qt/look.h"
#include "view_qt/pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: contact_sheet OUT.png\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  view::applyLook();

  std::vector<std::string> names;
  QFile catalog(QStringLiteral(DOKASUKA_CATALOG));
  if (!catalog.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "contact_sheet: cannot read the picture catalogue\n");
    return 1;
  }
  QTextStream in(&catalog);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    names.push_back(line.section(QLatin1Char('\t'), 0, 0).toStdString());
  }

  // Shelves: pictures left to right, a new shelf when the sheet's width is used up.
  constexpr int kWidth = 1700, kGap = 12, kLabel = 16;
  struct Placed {
    std::string name;
    QPoint at;
  };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, shelf = 0;
  for (const auto& name : names) {
    const QSize size = view::pictureSize(name);
    const int w = std::max(size.width(), 110);
    if (x + w + kGap > kWidth) {
      x = kGap;
      y += shelf + kLabel + kGap;
      shelf = 0;
    }
    placed.push_back({name, QPoint(x, y)});
    x += w + kGap;
    shelf = std::max(shelf, size.height());
  }
  QImage sheet(kWidth, y + shelf + kLabel + kGap, QImage::Format_ARGB32);
  sheet.fill(QColor(0xF0, 0xF0, 0xF0));
  QPainter p(&sheet);
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(11);
  p.setFont(font);
  for (const auto& [name, at] : placed) {
    const QImage& picture = view::pictureImage(name, 1.0);
    p.drawImage(at, picture);
    p.setPen(QColor(0x88, 0x88, 0x88));
    p.drawRect(QRect(at, picture.size()).adjusted(-1, -1, 0, 0));
    p.setPen(Qt::black);
    p.drawText(at + QPoint(0, picture.height() + 12), QString::fromStdString(name));
  }
  p.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%zu pictures on %dx%d\n", placed.size(), sheet.width(), sheet.height());
  return 0;
}

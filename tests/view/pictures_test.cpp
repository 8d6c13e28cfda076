// The pictures compiled into the game: each at the size the screens were laid out for, and
// every picture a screen names is there.
#include "view_qt/pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSvgRenderer>
#include <QtMath>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "core/screen.h"
#include "view/view_support.h"

namespace {

using namespace core;

std::map<std::string, QSize> catalog() {
  std::map<std::string, QSize> sizes;
  std::istringstream in(view_testing::readSourceFile("assets/catalog.tsv"));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name;
    int width = 0, height = 0;
    fields >> name >> width >> height;
    sizes[name] = QSize(width, height);
  }
  return sizes;
}

TEST(Pictures, EachHasExactlyItsCataloguedSize) {
  const auto sizes = catalog();
  ASSERT_FALSE(sizes.empty());
  std::set<std::string> compiledIn;
  for (const QString& file : QDir(QStringLiteral(":/pictures")).entryList(QDir::Files)) {
    const std::string name = file.chopped(4).toStdString();  // without ".svg"
    compiledIn.insert(name);
    SCOPED_TRACE(name);
    auto it = sizes.find(name);
    ASSERT_NE(it, sizes.end()) << "not in the catalogue";
    QSvgRenderer renderer(view::picturePath(name));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), it->second);
  }
  for (const auto& [name, size] : sizes) {
    EXPECT_EQ(compiledIn.count(name), 1u) << name << " is catalogued but not compiled in";
  }
}

class NullHost : public Host {
 public:
  Micros now() const override { return 0; }
  void wakeAt(std::optional<Micros>) override {}
  MsgBoxResult runMessageBox(const std::string&) override { return MsgBoxResult::Ok; }
};

TEST(Pictures, EveryPictureAScreenNamesIsCatalogued) {
  const auto sizes = catalog();
  NullHost host;
  Runtime runtime(host);
  addAllForms(runtime);
  for (const Form* form : runtime.forms()) {
    const FormDesign& d = form->design();
    if (!d.icon.empty()) {
      EXPECT_EQ(sizes.count(d.icon), 1u) << d.name << " icon " << d.icon;
    }
    for (const ControlDesign& c : d.controls) {
      if (c.picture.empty()) continue;
      EXPECT_EQ(sizes.count(c.picture), 1u) << d.name << "." << c.name << " shows " << c.picture;
    }
  }
}

TEST(Pictures, RenderedAtTheDevicePixelRatioTheyAreShownAt) {
  for (qreal dpr : {1.0, 1.5, 2.0}) {
    SCOPED_TRACE(dpr);
    const QImage& image = view::pictureImage("Form4_Image8", dpr);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.deviceIndependentSize().toSize(), view::pictureSize("Form4_Image8"));
    EXPECT_EQ(image.width(), qCeil(view::pictureSize("Form4_Image8").width() * dpr));
  }
  EXPECT_TRUE(view::pictureImage("NoSuchPicture", 1).isNull());
  EXPECT_TRUE(view::pictureImage("", 1).isNull());
}

}  // namespace

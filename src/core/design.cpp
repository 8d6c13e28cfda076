#include "core/design.h"

#include <utility>

namespace core {

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return "label";
    case Kind::Button:
      return "button";
    case Kind::TextBox:
      return "textbox";
    case Kind::Image:
      return "image";
    case Kind::PictureBox:
      return "picturebox";
    case Kind::Shape:
      return "shape";
    case Kind::Line:
      return "line";
    case Kind::Timer:
      return "timer";
  }
  return "?";
}

bool isWindowed(Kind kind) {
  return kind == Kind::Button || kind == Kind::TextBox || kind == Kind::PictureBox;
}

Font gothic(double points, bool bold) { return Font{Face::Gothic, points, bold}; }
Font mincho(double points, bool bold) { return Font{Face::Mincho, points, bold}; }

ControlDesign ControlDesign::withFont(Font f) const {
  ControlDesign d = *this;
  d.font = f;
  return d;
}
ControlDesign ControlDesign::withFore(Color c) const {
  ControlDesign d = *this;
  d.fore = c;
  return d;
}
ControlDesign ControlDesign::withBack(Color c) const {
  ControlDesign d = *this;
  d.back = c;
  return d;
}
ControlDesign ControlDesign::withFill(Color c) const {
  ControlDesign d = *this;
  d.fill = c;
  return d;
}
ControlDesign ControlDesign::clear() const {
  ControlDesign d = *this;
  d.transparent = true;
  return d;
}
ControlDesign ControlDesign::aligned(Align a) const {
  ControlDesign d = *this;
  d.align = a;
  return d;
}
ControlDesign ControlDesign::hidden() const {
  ControlDesign d = *this;
  d.visible = false;
  return d;
}
ControlDesign ControlDesign::tab(int index) const {
  ControlDesign d = *this;
  d.tabIndex = index;
  return d;
}
ControlDesign ControlDesign::focused() const {
  ControlDesign d = *this;
  d.focus = true;
  return d;
}
ControlDesign ControlDesign::multiLine() const {
  ControlDesign d = *this;
  d.multiline = true;
  return d;
}
ControlDesign ControlDesign::noBorder() const {
  ControlDesign d = *this;
  d.border = false;
  return d;
}
ControlDesign ControlDesign::inside(std::string pictureBox) const {
  ControlDesign d = *this;
  d.container = std::move(pictureBox);
  return d;
}

namespace {

ControlDesign make(Kind kind, std::string name, std::string caption, Rect rect) {
  ControlDesign d;
  d.kind = kind;
  d.name = std::move(name);
  d.caption = std::move(caption);
  d.rect = rect;
  return d;
}

}  // namespace

ControlDesign label(std::string name, std::string caption, Rect rect) {
  return make(Kind::Label, std::move(name), std::move(caption), rect);
}
ControlDesign button(std::string name, std::string caption, Rect rect) {
  return make(Kind::Button, std::move(name), std::move(caption), rect);
}
ControlDesign textBox(std::string name, std::string text, Rect rect) {
  return make(Kind::TextBox, std::move(name), std::move(text), rect);
}
ControlDesign image(std::string name, std::string picture, Rect rect) {
  ControlDesign d = make(Kind::Image, std::move(name), {}, rect);
  d.picture = std::move(picture);
  return d;
}
ControlDesign pictureBox(std::string name, std::string picture, Rect rect) {
  ControlDesign d = make(Kind::PictureBox, std::move(name), {}, rect);
  d.picture = std::move(picture);
  return d;
}
ControlDesign shape(std::string name, Rect rect) {
  return make(Kind::Shape, std::move(name), {}, rect);
}
ControlDesign line(std::string name, int x1, int y1, int x2, int y2) {
  ControlDesign d = make(Kind::Line, std::move(name), {}, Rect{x1, y1, 0, 0});
  d.x2 = x2;
  d.y2 = y2;
  return d;
}
ControlDesign timer(std::string name, int interval) {
  ControlDesign d = make(Kind::Timer, std::move(name), {}, {});
  d.interval = interval;
  return d;
}

}  // namespace core

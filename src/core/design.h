// Design-time description of forms and controls: what the form designer would have stored.
// A form module lists its controls back to front, one builder call a line, twips as given.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

enum class Kind { Label, Button, TextBox, Image, PictureBox, Shape, Line, Timer };

const char* kindName(Kind kind);

// Windowed controls are real child windows and lie in front of every graphical control.
bool isWindowed(Kind kind);

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool contains(int x, int y) const {
    return x >= left && y >= top && x < left + width && y < top + height;
  }
};

// #RRGGBB as 0xRRGGBB.
using Color = std::uint32_t;

enum class Face { Default, Gothic, Mincho };

struct Font {
  Face face = Face::Default;
  double points = 9;
  bool bold = false;
};

// "ＭＳ Ｐゴシック" and "ＭＳ Ｐ明朝" at a size, optionally bold.
Font gothic(double points, bool bold = false);
Font mincho(double points, bool bold = false);

enum class Align { Left, Center, Right };

enum class StartPosition { CenterScreen, WindowsDefault, TopLeft };

struct ControlDesign {
  std::string name;
  Kind kind = Kind::Label;
  std::string caption;  // caption of labels and buttons, text of text boxes
  Rect rect;
  int x2 = 0;  // lines: the second end point; the first is (rect.left, rect.top)
  int y2 = 0;
  std::string picture;  // asset name, empty for none
  bool visible = true;
  Font font;
  std::optional<Color> fore;
  std::optional<Color> back;
  std::optional<Color> fill;  // shapes and filled picture boxes
  bool transparent = false;   // labels: no background of their own
  Align align = Align::Left;
  int tabIndex = -1;
  bool focus = false;      // holds the focus when the window opens
  bool multiline = false;  // text boxes
  bool border = true;      // picture boxes, text boxes
  int interval = 0;        // timers, milliseconds
  std::string container;   // name of the picture box that holds this control, empty: the form

  ControlDesign withFont(Font f) const;
  ControlDesign withFore(Color c) const;
  ControlDesign withBack(Color c) const;
  ControlDesign withFill(Color c) const;
  ControlDesign clear() const;  // transparent label
  ControlDesign aligned(Align a) const;
  ControlDesign hidden() const;
  ControlDesign tab(int index) const;
  ControlDesign focused() const;
  ControlDesign multiLine() const;
  ControlDesign noBorder() const;
  ControlDesign inside(std::string pictureBox) const;
};

ControlDesign label(std::string name, std::string caption, Rect rect);
ControlDesign button(std::string name, std::string caption, Rect rect);
ControlDesign textBox(std::string name, std::string text, Rect rect);
ControlDesign image(std::string name, std::string picture, Rect rect);
ControlDesign pictureBox(std::string name, std::string picture, Rect rect);
ControlDesign shape(std::string name, Rect rect);
ControlDesign line(std::string name, int x1, int y1, int x2, int y2);
ControlDesign timer(std::string name, int interval);

struct FormDesign {
  std::string name;
  std::string caption;
  int width = 0;  // client area, twips
  int height = 0;
  std::optional<Color> back;
  StartPosition start = StartPosition::CenterScreen;
  std::string icon;                     // asset name of the window icon, empty for none
  std::vector<ControlDesign> controls;  // back to front
};

constexpr int kTwipsPerPixel = 15;

}  // namespace core

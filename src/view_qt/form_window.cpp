#include "view_qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "view_qt/caption.h"
#include "view_qt/look.h"
#include "view_qt/pictures.h"

namespace view {

using core::Control;
using core::Kind;

namespace {

// A one-pixel line along a rectangle's edges, inside it, crisp at any device pixel ratio.
void drawOutline(QPainter& p, const QRectF& r, const QColor& color) {
  if (r.width() <= 0 || r.height() <= 0) return;
  const qreal w = std::min<qreal>(1, r.width());
  const qreal h = std::min<qreal>(1, r.height());
  p.fillRect(QRectF(r.left(), r.top(), r.width(), h), color);
  p.fillRect(QRectF(r.left(), r.bottom() - h, r.width(), h), color);
  p.fillRect(QRectF(r.left(), r.top(), w, r.height()), color);
  p.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), color);
}

// The classic sunken edge, two pixels wide, drawn over the box's own contents.
void drawSunkenEdge(QPainter& p, const QRectF& r) {
  const QColor shadow(0x80, 0x80, 0x80), light(0xFF, 0xFF, 0xFF);
  const QColor darkShadow(0x40, 0x40, 0x40), face = toQColor(kFace);
  auto edge = [&p](const QRectF& box, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRectF(box.left(), box.top(), box.width(), 1), topLeft);
    p.fillRect(QRectF(box.left(), box.top(), 1, box.height()), topLeft);
    p.fillRect(QRectF(box.left(), box.bottom() - 1, box.width(), 1), bottomRight);
    p.fillRect(QRectF(box.right() - 1, box.top(), 1, box.height()), bottomRight);
  };
  edge(r, shadow, light);
  edge(r.adjusted(1, 1, -1, -1), darkShadow, face);
}

bool takesFocus(Kind kind) { return kind == Kind::Button || kind == Kind::TextBox; }

// Controls without a tab index come after those with one.
int tabKey(const Control& c) {
  return c.design().tabIndex < 0 ? std::numeric_limits<int>::max() : c.design().tabIndex;
}

}  // namespace

// The client area of the form, or of a picture box: paints the graphical controls that lie in
// it, back to front, and hands mouse input on to the form's input.
class Surface : public QWidget {
 public:
  Surface(FormWindow& window, std::string container, QWidget* parent)
      : QWidget(parent), window_(window), container_(std::move(container)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  virtual void paintBackground(QPainter& p) {
    const core::FormDesign& d = window_.form().design();
    p.fillRect(rect(), toQColor(d.back.value_or(kFace)));
  }
  virtual void paintFrame(QPainter&) {}

  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    paintBackground(p);
    const qreal dpr = devicePixelRatioF();
    const QPoint origin = mapTo(&window_, QPoint(0, 0));
    const QPoint abs = window_.twipsOrigin(container_);
    for (const auto& owned : window_.form().controls()) {
      const Control& c = *owned;
      const core::ControlDesign& d = c.design();
      if (d.container != container_ || core::isWindowed(c.kind()) || !c.rawVisible()) continue;
      const qreal x0 = toPxAt(abs.x() + c.rawLeft(), dpr) - origin.x();
      const qreal y0 = toPxAt(abs.y() + c.rawTop(), dpr) - origin.y();
      const qreal x1 = toPxAt(abs.x() + c.rawLeft() + d.rect.width, dpr) - origin.x();
      const qreal y1 = toPxAt(abs.y() + c.rawTop() + d.rect.height, dpr) - origin.y();
      const QRectF r(QPointF(x0, y0), QPointF(x1, y1));
      switch (c.kind()) {
        case Kind::Label:
          if (!d.transparent) p.fillRect(r, toQColor(d.back.value_or(kFace)));
          drawCaption(p, r, c.rawCaption(), d.font, d.align, toQColor(d.fore.value_or(kText)));
          break;
        case Kind::Image: {
          const QImage& picture = pictureImage(c.rawPicture(), dpr);
          if (picture.isNull()) break;
          p.save();
          p.setClipRect(r);
          p.drawImage(r.topLeft(), picture);
          p.restore();
          break;
        }
        case Kind::Shape:
          if (d.fill) p.fillRect(r, toQColor(*d.fill));
          drawOutline(p, r, toQColor(d.fore.value_or(kText)));
          break;
        case Kind::Line: {
          const int dx = c.rawLeft() - d.rect.left;
          const int dy = c.rawTop() - d.rect.top;
          const QPointF a(x0, y0);
          const QPointF b(toPxAt(abs.x() + d.x2 + dx, dpr) - origin.x(),
                          toPxAt(abs.y() + d.y2 + dy, dpr) - origin.y());
          const QColor color = toQColor(d.fore.value_or(kText));
          if (a.y() == b.y()) {
            p.fillRect(QRectF(std::min(a.x(), b.x()), a.y(), std::abs(b.x() - a.x()), 1), color);
          } else if (a.x() == b.x()) {
            p.fillRect(QRectF(a.x(), std::min(a.y(), b.y()), 1, std::abs(b.y() - a.y())), color);
          } else {
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(color, 1));
            p.drawLine(a + QPointF(0.5, 0.5), b + QPointF(0.5, 0.5));
            p.restore();
          }
          break;
        }
        default:
          break;
      }
    }
    paintFrame(p);
  }

  void mousePressEvent(QMouseEvent* e) override {
    if (FormInput* in = window_.input()) {
      in->pressed(window_.form(), window_.twipsAt(this, e->position()), e->button());
    }
  }
  // The second press of a fast double click is a press like the first.
  void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (FormInput* in = window_.input()) {
      in->released(window_.form(), window_.twipsAt(this, e->position()), e->button());
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (FormInput* in = window_.input()) {
      in->moved(window_.form(), window_.twipsAt(this, e->position()));
    }
  }

  FormWindow& window_;
  std::string container_;
};

namespace {

class PictureBox : public Surface {
 public:
  PictureBox(FormWindow& window, const Control& control, QWidget* parent)
      : Surface(window, control.name(), parent), control_(control) {}

 protected:
  void paintBackground(QPainter& p) override {
    const core::ControlDesign& d = control_.design();
    p.fillRect(rect(), toQColor(d.fill.value_or(d.back.value_or(kFace))));
    const QImage& picture = pictureImage(control_.rawPicture(), devicePixelRatioF());
    if (!picture.isNull()) p.drawImage(QPointF(0, 0), picture);
  }
  void paintFrame(QPainter& p) override {
    if (control_.design().border) drawSunkenEdge(p, QRectF(rect()));
  }

 private:
  const Control& control_;
};

class Button : public QPushButton {
 public:
  Button(FormWindow& window, Control& control, QWidget* parent)
      : QPushButton(parent), window_(window), control_(control) {
    setMouseTracking(true);
    setAutoDefault(false);
  }

 protected:
  // Every press of any button is a MouseDown; the release decides whether it was a click.
  // The push button itself only draws itself pressed: it never clicks on its own.
  void mousePressEvent(QMouseEvent* e) override {
    QPushButton::mousePressEvent(e);
    e->accept();
    if (FormInput* in = window_.input()) {
      in->pressed(window_.form(), window_.twipsAt(this, e->position()), e->button());
    }
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QPushButton::mouseReleaseEvent(e);
    e->accept();
    if (FormInput* in = window_.input()) {
      in->released(window_.form(), window_.twipsAt(this, e->position()), e->button());
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    QPushButton::mouseMoveEvent(e);
    e->accept();
    if (FormInput* in = window_.input()) {
      in->moved(window_.form(), window_.twipsAt(this, e->position()));
    }
  }
  // Enter and Space press the focused button: a Click, never a MouseDown.
  void keyPressEvent(QKeyEvent* e) override {
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      e->accept();
      if (e->isAutoRepeat()) return;
      if (FormInput* in = window_.input()) in->keyed(control_, key != Qt::Key_Space);
      return;
    }
    QPushButton::keyPressEvent(e);
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Space) {
      e->accept();
      return;
    }
    QPushButton::keyReleaseEvent(e);
  }

 private:
  FormWindow& window_;
  Control& control_;
};

// Text boxes edit as text boxes do, and their presses and movements still reach the runtime,
// as every other control's do.
template <typename Base>
class TextBox : public Base {
 public:
  TextBox(FormWindow& window, QWidget* parent) : Base(parent), window_(window) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    Base::mousePressEvent(e);
    e->accept();
    if (FormInput* in = window_.input()) {
      in->pressed(window_.form(), window_.twipsAt(surface(), e->position()), e->button());
    }
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    Base::mouseDoubleClickEvent(e);
    e->accept();
    if (FormInput* in = window_.input()) {
      in->pressed(window_.form(), window_.twipsAt(surface(), e->position()), e->button());
    }
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    Base::mouseReleaseEvent(e);
    e->accept();
    if (FormInput* in = window_.input()) {
      in->released(window_.form(), window_.twipsAt(surface(), e->position()), e->button());
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    Base::mouseMoveEvent(e);
    e->accept();
    if (FormInput* in = window_.input()) {
      in->moved(window_.form(), window_.twipsAt(surface(), e->position()));
    }
  }
  // Where the mouse events' positions are measured.
  virtual const QWidget* surface() const { return this; }

  FormWindow& window_;
};

class LineEdit : public TextBox<QLineEdit> {
 public:
  LineEdit(FormWindow& window, Control& control, QWidget* parent) : TextBox(window, parent) {
    setMouseTracking(true);
    connect(this, &QLineEdit::textEdited, this, [&window, &control](const QString& text) {
      if (FormInput* in = window.input()) in->typed(control, text.toStdString());
    });
  }
};

class TextEdit : public TextBox<QPlainTextEdit> {
 public:
  TextEdit(FormWindow& window, Control& control, QWidget* parent) : TextBox(window, parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    viewport()->setMouseTracking(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this, &window, &control] {
      if (window.syncing()) return;
      if (FormInput* in = window.input()) in->typed(control, toPlainText().toStdString());
    });
  }

 protected:
  const QWidget* surface() const override { return viewport(); }
};

}  // namespace

FormWindow::FormWindow(core::Form& form, FormInput* input)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form_(&form),
      input_(input) {
  const core::FormDesign& d = form.design();
  setWindowTitle(QString::fromStdString(d.caption));
  setFixedSize(pxRect(0, 0, d.width, d.height).size());
  if (!d.icon.empty()) setWindowIcon(pictureIcon(d.icon));
  client_ = new Surface(*this, {}, this);
  client_->setGeometry(rect());
  surfaces_[{}] = client_;
  buildChildren();
  syncAll();
}

FormWindow::~FormWindow() = default;

Surface* FormWindow::surfaceOf(const std::string& container) const {
  auto it = surfaces_.find(container);
  return it == surfaces_.end() ? nullptr : it->second;
}

QPoint FormWindow::twipsOrigin(const std::string& container) const {
  QPoint origin;
  for (std::string outer = container; !outer.empty();) {
    const Control* box = form_->find(outer);
    if (box == nullptr) break;
    origin += QPoint(box->rawLeft(), box->rawTop());
    outer = box->design().container;
  }
  return origin;
}

QRect FormWindow::childRect(const Control& c) const {
  const QPoint container = twipsOrigin(c.design().container);
  const QRect r = pxRect(container.x() + c.rawLeft(), container.y() + c.rawTop(),
                         c.design().rect.width, c.design().rect.height);
  return r.translated(-toPx(container.x()), -toPx(container.y()));
}

void FormWindow::buildChildren() {
  std::vector<Control*> windowed;
  for (const auto& c : form_->controls()) {
    if (core::isWindowed(c->kind())) windowed.push_back(c.get());
  }
  // Picture boxes first, each once its own container exists, so that every control finds
  // the widget that holds it.
  for (bool progress = true; progress;) {
    progress = false;
    for (Control* c : windowed) {
      if (c->kind() != Kind::PictureBox || surfaces_.count(c->name()) != 0) continue;
      Surface* parent = surfaceOf(c->design().container);
      if (parent == nullptr) continue;
      auto* box = new PictureBox(*this, *c, parent);
      surfaces_[c->name()] = box;
      widgets_[c->name()] = box;
      progress = true;
    }
  }
  for (Control* c : windowed) {
    if (widgets_.count(c->name()) != 0) continue;
    QWidget* parent = surfaceOf(c->design().container);
    if (parent == nullptr) parent = client_;  // a container the design does not have
    QWidget* w = nullptr;
    if (c->kind() == Kind::Button) {
      w = new Button(*this, *c, parent);
    } else if (c->design().multiline) {
      w = new TextEdit(*this, *c, parent);
    } else {
      auto* edit = new LineEdit(*this, *c, parent);
      edit->setFrame(c->design().border);
      w = edit;
    }
    w->setFont(fontFor(c->design().font));
    if (c->kind() == Kind::TextBox) {
      QPalette p = w->palette();
      p.setColor(QPalette::Base, toQColor(c->design().back.value_or(kWindow)));
      p.setColor(QPalette::Text, toQColor(c->design().fore.value_or(kText)));
      w->setPalette(p);
    }
    widgets_[c->name()] = w;
  }
  // A later line of the design lies in front.
  for (Control* c : windowed) widgets_[c->name()]->raise();

  std::vector<Control*> tabbing;
  for (Control* c : windowed) {
    if (takesFocus(c->kind())) tabbing.push_back(c);
  }
  std::stable_sort(tabbing.begin(), tabbing.end(),
                   [](const Control* a, const Control* b) { return tabKey(*a) < tabKey(*b); });
  for (std::size_t i = 1; i < tabbing.size(); ++i) {
    QWidget::setTabOrder(widgets_[tabbing[i - 1]->name()], widgets_[tabbing[i]->name()]);
  }
  for (const auto& c : form_->controls()) {
    if (!takesFocus(c->kind()) && widgets_.count(c->name()) != 0) {
      widgets_[c->name()]->setFocusPolicy(Qt::NoFocus);
    }
  }
}

void FormWindow::placeChild(const Control& c) {
  QWidget* w = widgetOf(c.name());
  if (w == nullptr) return;
  w->setGeometry(childRect(c));
  w->setVisible(c.rawVisible());
  w->update();
}

void FormWindow::syncAll() {
  for (const auto& c : form_->controls()) syncControl(c->name());
  client_->update();
}

void FormWindow::syncControl(const std::string& name) {
  const Control* c = form_->find(name);
  if (c == nullptr) return;
  syncing_ = true;
  switch (c->kind()) {
    case Kind::Button:
      static_cast<QPushButton*>(widgetOf(name))->setText(buttonText(c->rawCaption()));
      placeChild(*c);
      break;
    case Kind::TextBox: {
      const QString text = QString::fromStdString(c->rawCaption());
      QWidget* w = widgetOf(name);
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != text) edit->setText(text);
      } else if (auto* page = qobject_cast<QPlainTextEdit*>(w)) {
        if (page->toPlainText() != text) page->setPlainText(text);
      }
      placeChild(*c);
      break;
    }
    case Kind::PictureBox:
      placeChild(*c);
      break;
    case Kind::Timer:
      break;
    default:
      if (Surface* s = surfaceOf(c->design().container)) s->update();
      break;
  }
  syncing_ = false;
}

QWidget* FormWindow::widgetOf(const std::string& control) const {
  auto it = widgets_.find(control);
  return it == widgets_.end() ? nullptr : it->second;
}

QPoint FormWindow::twipsAt(const QWidget* from, QPointF local) const {
  const QPointF p = from->mapTo(this, local);
  const qreal dpr = devicePixelRatioF();
  return QPoint(toTwips(p.x(), dpr), toTwips(p.y(), dpr));
}

void FormWindow::placeOnScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  switch (form_->design().start) {
    case core::StartPosition::CenterScreen: {
      // Centre the whole window; its frame is known once it has been shown.
      const QSize frame = frameGeometry().size() - geometry().size();
      const QRect outer =
          QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size() + frame, area);
      move(outer.topLeft());
      break;
    }
    case core::StartPosition::TopLeft:
      move(area.topLeft());
      break;
    case core::StartPosition::WindowsDefault:
      break;
  }
}

void FormWindow::focusFirst() {
  const Control* best = nullptr;
  for (const auto& c : form_->controls()) {
    if (!takesFocus(c->kind())) continue;
    QWidget* w = widgetOf(c->name());
    if (w == nullptr || !w->isVisibleTo(this)) continue;
    if (c->design().focus) {
      best = c.get();
      break;
    }
    if (best == nullptr || tabKey(*c) < tabKey(*best)) best = c.get();
  }
  if (best != nullptr) widgetOf(best->name())->setFocus(Qt::OtherFocusReason);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The runtime decides: it unloads the form, and the window goes when it hears of that.
  event->ignore();
  if (input_ != nullptr) input_->closeBox(*form_);
}

}  // namespace view

// One form as a real window: the graphical controls painted by the window (and by the picture
// boxes that hold them), the windowed controls as child widgets in front of them.
#pragma once

#include <QPoint>
#include <QWidget>
#include <map>
#include <string>

#include "core/runtime.h"

namespace view {

// Where the input of a form window goes. Positions are client twips of the form.
class FormInput {
 public:
  virtual ~FormInput() = default;
  virtual void pressed(core::Form& form, QPoint twips, Qt::MouseButton button) = 0;
  virtual void released(core::Form& form, QPoint twips, Qt::MouseButton button) = 0;
  virtual void moved(core::Form& form, QPoint twips) = 0;
  // Enter or Space on a focused push button.
  virtual void keyed(core::Control& button, bool enter) = 0;
  // The player changed the text of a text box.
  virtual void typed(core::Control& textBox, const std::string& text) = 0;
  virtual void closeBox(core::Form& form) = 0;
};

class Surface;

class FormWindow : public QWidget {
 public:
  // Without `input` the window only shows the form (pictures of windows).
  FormWindow(core::Form& form, FormInput* input);
  ~FormWindow() override;

  core::Form& form() const { return *form_; }
  FormInput* input() const { return input_; }

  // Brings every control, or one, in line with the runtime's values.
  void syncAll();
  void syncControl(const std::string& name);

  // Puts the window where the form opens: centred, top-left, or where the window system likes.
  void placeOnScreen();
  // Gives the focus to the control that holds it when the window opens.
  void focusFirst();

  // The child widget of a windowed control, or null.
  QWidget* widgetOf(const std::string& control) const;
  // Client twips of the form at a point of one of its widgets.
  QPoint twipsAt(const QWidget* from, QPointF local) const;
  // Client twips of the top-left corner of a container ("" for the form itself).
  QPoint twipsOrigin(const std::string& container) const;
  // True while the view writes runtime values into the widgets: no echo back.
  bool syncing() const { return syncing_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildChildren();
  void placeChild(const core::Control& control);
  Surface* surfaceOf(const std::string& container) const;
  QRect childRect(const core::Control& control) const;

  core::Form* form_;
  FormInput* input_;
  Surface* client_ = nullptr;
  std::map<std::string, QWidget*> widgets_;
  std::map<std::string, Surface*> surfaces_;  // "" is the client area, else a picture box
  bool syncing_ = false;
};

}  // namespace view

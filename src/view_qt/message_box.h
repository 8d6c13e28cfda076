// The game's message box: the text, one "OK" button, the application's title, no icon.
#pragma once

#include <QDialog>
#include <functional>

#include "core/runtime.h"

class QPushButton;

namespace view {

class MessageBox : public QDialog {
 public:
  explicit MessageBox(const QString& text, QWidget* parent = nullptr);

  // Called when the player answers: OK, or the box's close box or Escape. The box stays open
  // until its owner closes it.
  void setOnAnswer(std::function<void(core::MsgBoxResult)> onAnswer) {
    onAnswer_ = std::move(onAnswer);
  }
  QPushButton* okButton() const { return ok_; }
  void placeOnScreen();

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void answer(core::MsgBoxResult result);

  QPushButton* ok_;
  std::function<void(core::MsgBoxResult)> onAnswer_;
};

}  // namespace view

#include "view_qt/message_box.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "view_qt/look.h"

namespace view {

namespace {

// Sizes of the desktop's own message boxes at 96 dpi.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMargin = 12;
constexpr int kMinimumWidth = 120;  // the title stays readable above a short message

}  // namespace

MessageBox::MessageBox(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(kAppTitle);
  setWindowModality(Qt::ApplicationModal);
  setFont(fontFor(core::Font{}));

  auto* label = new QLabel(this);
  label->setTextFormat(Qt::PlainText);  // a message is text, never markup
  label->setText(text);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setFixedSize(kButtonWidth, kButtonHeight);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { answer(core::MsgBoxResult::Ok); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin + 6, kMargin + 6, kMargin + 6, kMargin);
  layout->setSpacing(kMargin + 6);
  layout->addWidget(label);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  label->setMinimumWidth(kMinimumWidth);
  ok_->setFocus();
}

void MessageBox::placeOnScreen() {
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize frame = frameGeometry().size() - geometry().size();
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size() + frame,
                             screen->availableGeometry())
             .topLeft());
  }
}

void MessageBox::answer(core::MsgBoxResult result) {
  if (onAnswer_) onAnswer_(result);
}

// Escape: the box's own way of being closed.
void MessageBox::reject() { answer(core::MsgBoxResult::Closed); }

void MessageBox::closeEvent(QCloseEvent* event) {
  event->ignore();
  answer(core::MsgBoxResult::Closed);
}

}  // namespace view

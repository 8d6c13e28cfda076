// The game in real windows: the Qt host of the runtime. It mirrors the forms into windows,
// turns the player's input into runtime input, runs message boxes and drives the real clock.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/runtime.h"
#include "view_qt/form_window.h"
#include "view_qt/message_box.h"
#include "view_qt/recorder.h"

class QEventLoop;

namespace view {

struct GameOptions {
  // The player's input as a replay script.
  std::ostream* record = nullptr;
  // What the game does, as `--replay` writes it.
  std::ostream* transcript = nullptr;
  // Microseconds since the start; by default a monotonic clock.
  std::function<core::Micros()> clock;
  // Creates the forms; by default every screen of the game.
  std::function<void(core::Runtime&)> install;
  // Quit the application when the program ends.
  bool quitApplication = false;
  // Told of every message box once it is on screen (tests answer through it).
  std::function<void(MessageBox&)> messageBoxShown;
};

class Game final : public QObject, public core::Host, public FormInput {
 public:
  explicit Game(GameOptions options = {});
  ~Game() override;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  void start(const std::string& firstForm = "Form1");
  core::Runtime& runtime() { return *runtime_; }
  // The window of a form, once the form has been shown.
  FormWindow* window(const std::string& form) const;
  // The open message boxes, innermost last.
  const std::vector<MessageBox*>& messageBoxes() const { return boxes_; }
  // Runs the timers that are due by the clock, as the wake-up timer does.
  void wake();

  // core::Host
  core::Micros now() const override { return logical_; }
  void wakeAt(std::optional<core::Micros> when) override;
  core::MsgBoxResult runMessageBox(const std::string& text) override;
  void formShown(core::Form& form) override;
  void formRaised(core::Form& form) override;
  void formUnloaded(core::Form& form) override;
  void controlChanged(core::Form& form, const std::string& control) override;
  void programEnded() override;

  // FormInput
  void pressed(core::Form& form, QPoint twips, Qt::MouseButton button) override;
  void released(core::Form& form, QPoint twips, Qt::MouseButton button) override;
  void moved(core::Form& form, QPoint twips) override;
  void keyed(core::Control& button, bool enter) override;
  void typed(core::Control& textBox, const std::string& text) override;
  void closeBox(core::Form& form) override;

 private:
  core::Micros clock() const;
  bool beginInput();
  void catchUp(core::Micros upTo);
  void armWake();
  void input(const std::string& command, const std::optional<core::Ignored>& outcome);
  void record(const std::string& command);
  void trace(const core::TraceEvent& event);
  FormWindow& ensureWindow(core::Form& form);

  struct Press {
    core::Form* form;
    core::Control* control;
    bool writtenNow;  // written to the script as a click when it was pressed
  };

  GameOptions options_;
  std::unique_ptr<core::Runtime> runtime_;
  std::unique_ptr<Recorder> recorder_;
  std::map<core::Form*, std::unique_ptr<FormWindow>> windows_;
  std::vector<MessageBox*> boxes_;
  std::vector<QEventLoop*> loops_;
  QTimer wakeTimer_;
  std::optional<core::Micros> wakeAt_;
  core::Micros origin_ = 0;
  core::Micros logical_ = 0;
  std::optional<Press> press_;
};

}  // namespace view

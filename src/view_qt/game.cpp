#include "view_qt/game.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <climits>

#include "core/screen.h"
#include "replay/script.h"

namespace view {

using core::Event;
using core::Micros;
using core::MsgBoxResult;

namespace {

// Beyond this the process has stood still (stopped, swapped out): the timers tick once each
// rather than in a burst of every tick they missed.
constexpr Micros kLongStall = 1'000'000;

Micros monotonicMicros() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::optional<core::MouseButton> toRuntime(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return core::MouseButton::Left;
    case Qt::RightButton:
      return core::MouseButton::Right;
    case Qt::MiddleButton:
      return core::MouseButton::Middle;
    default:
      return std::nullopt;  // the forms know three buttons
  }
}

std::string controlName(const core::Control& c) { return c.form().name() + "." + c.name(); }

std::string at(const core::Form& form, QPoint twips) {
  return form.name() + " " + std::to_string(twips.x()) + " " + std::to_string(twips.y());
}

bool handlesMouseMove(const core::Form& form) {
  for (const auto& c : form.controls()) {
    if (form.handles(c->name(), Event::MouseMove)) return true;
  }
  return false;
}

}  // namespace

Game::Game(GameOptions options)
    : options_(std::move(options)), runtime_(std::make_unique<core::Runtime>(*this)) {
  if (!options_.clock) {
    const Micros start = monotonicMicros();
    options_.clock = [start] { return monotonicMicros() - start; };
  }
  if (options_.record != nullptr) recorder_ = std::make_unique<Recorder>(*options_.record);
  wakeTimer_.setSingleShot(true);
  wakeTimer_.setTimerType(Qt::PreciseTimer);
  connect(&wakeTimer_, &QTimer::timeout, this, [this] { wake(); });
  runtime_->setTrace([this](const core::TraceEvent& e) { trace(e); });
  if (options_.install) {
    options_.install(*runtime_);
  } else {
    core::addAllForms(*runtime_);
  }
}

Game::~Game() {
  wakeTimer_.stop();
  windows_.clear();
}

void Game::start(const std::string& firstForm) { runtime_->start(firstForm); }

FormWindow* Game::window(const std::string& form) const {
  for (const auto& [f, w] : windows_) {
    if (f->name() == form) return w.get();
  }
  return nullptr;
}

Micros Game::clock() const { return options_.clock(); }

// ---------------------------------------------------------------------------------------------
// Time. The runtime sees one instant per piece of work: a timer tick happens at the instant it
// was due, an input at the instant it arrived. Ticks that fell due before an input run first.
// So a recording of the input replays to the same transcript, and a tick's lateness on a busy
// desktop changes neither the order of events nor the times they are written down with.

void Game::catchUp(Micros upTo) {
  while (!runtime_->ended()) {
    const auto due = runtime_->nextDue();
    if (!due || *due > upTo) break;
    if (upTo - *due > kLongStall) {
      logical_ = std::max(logical_, upTo);
      runtime_->runDueTimers();
      break;
    }
    logical_ = std::max(logical_, *due);
    if (!runtime_->runNextTimer()) break;
  }
}

bool Game::beginInput() {
  if (runtime_->ended()) return false;
  const auto boxes = runtime_->messageBoxCount();
  const Micros arrived = clock();
  catchUp(arrived);
  // A box that a tick opened and the player closed meanwhile took this input with it.
  if (runtime_->ended() || runtime_->messageBoxCount() != boxes) return false;
  logical_ = std::max(logical_, arrived);
  return true;
}

void Game::wake() {
  catchUp(clock());
  armWake();
}

void Game::wakeAt(std::optional<Micros> when) {
  wakeAt_ = when;
  armWake();
}

void Game::armWake() {
  if (!wakeAt_ || runtime_->ended()) {
    wakeTimer_.stop();
    return;
  }
  const Micros delay = *wakeAt_ - clock();
  const Micros ms = delay <= 0 ? 0 : (delay + 999) / 1000;
  wakeTimer_.start(static_cast<int>(std::min<Micros>(ms, INT_MAX)));
}

// ---------------------------------------------------------------------------------------------
// Message boxes

MsgBoxResult Game::runMessageBox(const std::string& text) {
  if (runtime_->ended()) return MsgBoxResult::Closed;
  press_.reset();  // its release goes to the box
  MessageBox box(QString::fromStdString(text));
  QEventLoop loop;
  std::optional<MsgBoxResult> answer;
  box.setOnAnswer([&](MsgBoxResult result) {
    if (answer || boxes_.empty() || boxes_.back() != &box || !beginInput()) return;
    record(result == MsgBoxResult::Ok ? "ok" : "close msgbox");
    answer = result;
    loop.quit();
  });
  boxes_.push_back(&box);
  loops_.push_back(&loop);
  box.placeOnScreen();
  box.show();
  box.raise();
  box.activateWindow();
  if (options_.messageBoxShown) options_.messageBoxShown(box);
  if (!answer && !runtime_->ended()) loop.exec();
  loops_.pop_back();
  boxes_.pop_back();
  box.hide();
  return answer.value_or(MsgBoxResult::Closed);
}

// ---------------------------------------------------------------------------------------------
// Windows

FormWindow& Game::ensureWindow(core::Form& form) {
  auto& w = windows_[&form];
  if (!w) w = std::make_unique<FormWindow>(form, this);
  return *w;
}

void Game::formShown(core::Form& form) {
  FormWindow& w = ensureWindow(form);
  w.syncAll();  // a form loaded anew starts from its design
  w.placeOnScreen();
  w.show();
  w.raise();
  w.activateWindow();
  w.focusFirst();
}

void Game::formRaised(core::Form& form) {
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  it->second->raise();
  it->second->activateWindow();
}

void Game::formUnloaded(core::Form& form) {
  if (press_ && press_->form == &form) press_.reset();
  auto it = windows_.find(&form);
  if (it != windows_.end()) it->second->hide();
}

void Game::controlChanged(core::Form& form, const std::string& control) {
  auto it = windows_.find(&form);
  if (it != windows_.end()) it->second->syncControl(control);
}

void Game::programEnded() {
  wakeTimer_.stop();
  press_.reset();
  // We may be deep inside handlers and message boxes: every nested loop returns, and the
  // runtime unwinds the handlers above them.
  for (QEventLoop* loop : loops_) loop->quit();
  for (MessageBox* box : boxes_) box->hide();
  for (auto& [form, w] : windows_) w->hide();
  if (options_.quitApplication) QCoreApplication::exit(0);
}

// ---------------------------------------------------------------------------------------------
// Input

void Game::record(const std::string& command) {
  if (command.empty() || !recorder_) return;
  recorder_->at(logical_);
  recorder_->line(command);
}

void Game::input(const std::string& command, const std::optional<core::Ignored>& outcome) {
  if (!outcome || command.empty() || options_.transcript == nullptr) return;
  *options_.transcript << logical_ / 1000 << " ignored " << command << " (" << outcome->reason
                       << ")\n";
  options_.transcript->flush();
}

void Game::pressed(core::Form& form, QPoint twips, Qt::MouseButton button) {
  press_.reset();
  const auto which = toRuntime(button);
  if (!which || !beginInput()) return;
  core::Control* target = runtime_->hitTest(form, twips.x(), twips.y());
  const bool down = target != nullptr && form.handles(target->name(), Event::MouseDown);
  const bool click = target != nullptr && form.handles(target->name(), Event::Click);
  std::string command;
  if (button != Qt::LeftButton) {
    if (down) {
      command = "down " + controlName(*target) + (button == Qt::RightButton ? " right" : " middle");
    }
    record(command);
    input(command, runtime_->mouseDown(form, twips.x(), twips.y(), *which));
    return;
  }
  // A control that answers only the press is written down now, as a click: its release makes
  // no difference. Any other waits for its release, which decides.
  const bool writtenNow = down && !click;
  if (writtenNow) command = "click " + at(form, twips);
  record(command);
  const auto boxes = runtime_->messageBoxCount();
  input(command, runtime_->mouseDown(form, twips.x(), twips.y(), *which));
  if (target != nullptr && runtime_->messageBoxCount() == boxes && !runtime_->ended() &&
      form.visible()) {
    press_ = Press{&form, target, writtenNow};
  }
}

void Game::released(core::Form& form, QPoint twips, Qt::MouseButton button) {
  if (button != Qt::LeftButton || !press_ || press_->form != &form) return;
  const Press press = *press_;
  press_.reset();
  if (!beginInput()) return;
  core::Control* target = runtime_->hitTest(form, twips.x(), twips.y());
  if (target != press.control) {
    // Released elsewhere: no click. The press had its MouseDown; a script can only say so now.
    if (!press.writtenNow && form.handles(press.control->name(), Event::MouseDown)) {
      record("down " + controlName(*press.control) + " left");
    }
    return;
  }
  std::string command;
  if (!press.writtenNow && (form.handles(target->name(), Event::Click) ||
                            form.handles(target->name(), Event::MouseDown))) {
    command = "click " + at(form, twips);
  }
  record(command);
  input(command, runtime_->mouseUp(form, twips.x(), twips.y()));
}

void Game::moved(core::Form& form, QPoint twips) {
  if (!beginInput()) return;
  // Only where something listens, or recordings would be mostly pointer noise.
  const std::string command = handlesMouseMove(form) ? "move " + at(form, twips) : "";
  record(command);
  input(command, runtime_->mouseMove(form, twips.x(), twips.y()));
}

void Game::keyed(core::Control& button, bool enter) {
  if (!beginInput()) return;
  const std::string command = "key " + controlName(button) + (enter ? " enter" : " space");
  record(command);
  input(command, runtime_->pressKey(button));
}

void Game::typed(core::Control& textBox, const std::string& text) {
  auto refresh = [&] {
    if (FormWindow* w = window(textBox.form().name())) w->syncControl(textBox.name());
  };
  if (!beginInput()) return refresh();
  const std::string command = "type " + controlName(textBox) + " " + Recorder::text(text);
  record(command);
  const auto outcome = runtime_->typeText(textBox, text);
  input(command, outcome);
  if (outcome) refresh();  // the box keeps what the runtime holds
}

void Game::closeBox(core::Form& form) {
  if (!beginInput()) return;
  const std::string command = "close " + form.name();
  record(command);
  input(command, runtime_->closeRequest(form));
}

// ---------------------------------------------------------------------------------------------
// Transcript

void Game::trace(const core::TraceEvent& e) {
  using T = core::TraceEvent::Type;
  // A box that a tick opens stops a replayed wait: the script waits up to it on a line of its own.
  if (e.type == T::MsgBox && recorder_) recorder_->at(logical_);
  std::ostream* out = options_.transcript;
  if (out == nullptr) return;
  *out << logical_ / 1000 << ' ';
  switch (e.type) {
    case T::Load:
      *out << "load " << e.text;
      break;
    case T::Show:
      *out << "show " << e.text;
      break;
    case T::Unload:
      *out << "unload " << e.text;
      break;
    case T::MsgBox:
      *out << "msgbox " << replay::quote(e.text);
      break;
    case T::Ok:
      *out << "ok";
      break;
    case T::CloseMsgBox:
      *out << "close msgbox";
      break;
    case T::End:
      *out << "end";
      break;
  }
  *out << '\n';
  out->flush();
}

}  // namespace view

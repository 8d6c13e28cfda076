#include "core/runtime.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <utility>

#include "core/numeric.h"

namespace core {

// ---------------------------------------------------------------------------------------------
// Control

Control::Control(Form& form, const ControlDesign& design) : form_(&form), design_(&design) {
  reset();
}

void Control::reset() {
  caption_ = design_->caption;
  visible_ = design_->visible;
  picture_ = design_->picture;
  left_ = design_->rect.left;
  top_ = design_->rect.top;
  interval_ = design_->interval;
}

void Control::touch() const { form_->runtime().controlTouched(*this); }

void Control::changed() { form_->runtime().controlChanged(*this); }

const std::string& Control::caption() const {
  touch();
  return caption_;
}

void Control::setCaption(const std::string& value) {
  touch();
  if (caption_ == value) return;
  caption_ = value;
  changed();
}

double Control::number() const { return toNumber(caption()); }

void Control::setNumber(double value) { setCaption(toText(value)); }

bool Control::is(double value) const { return number() == value; }

bool Control::visible() const {
  touch();
  return visible_;
}

void Control::setVisible(bool value) {
  touch();
  if (visible_ == value) return;
  visible_ = value;
  changed();
}

const std::string& Control::picture() const {
  touch();
  return picture_;
}

void Control::setPicture(const std::string& asset) {
  touch();
  if (picture_ == asset) return;
  picture_ = asset;
  changed();
}

int Control::left() const {
  touch();
  return left_;
}

int Control::top() const {
  touch();
  return top_;
}

void Control::setLeft(int twips) {
  touch();
  if (left_ == twips) return;
  left_ = twips;
  changed();
}

void Control::setTop(int twips) {
  touch();
  if (top_ == twips) return;
  top_ = twips;
  changed();
}

bool Control::shownOnScreen() const {
  for (const Control* c = this;;) {
    if (!c->visible_) return false;
    if (c->design().container.empty()) return true;
    c = form_->find(c->design().container);
    if (c == nullptr) return true;
  }
}

Rect Control::rect() const { return Rect{left_, top_, design_->rect.width, design_->rect.height}; }

int Control::interval() const {
  touch();
  return interval_;
}

void Control::setInterval(int milliseconds) {
  touch();
  interval_ = std::max(0, milliseconds);
  form_->runtime().timerArmed(*this);
}

// ---------------------------------------------------------------------------------------------
// Form

Form::Form(Runtime& runtime, FormDesign design) : runtime_(&runtime), design_(std::move(design)) {
  controls_.reserve(design_.controls.size());
  for (const ControlDesign& d : design_.controls) {
    auto control = std::make_unique<Control>(*this, d);
    if (!byName_.emplace(d.name, control.get()).second) {
      throw std::logic_error(design_.name + " lists " + d.name + " twice");
    }
    controls_.push_back(std::move(control));
  }
}

Control* Form::find(const std::string& name) {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Control& Form::control(const std::string& name) {
  Control* c = find(name);
  if (c == nullptr) throw std::logic_error(design_.name + " has no control " + name);
  return *c;
}

const Control& Form::control(const std::string& name) const {
  return const_cast<Form*>(this)->control(name);
}

bool Form::handles(const std::string& control, Event event) const {
  return handlers_.count({control, event}) != 0;
}

void Form::on(const std::string& control, Event event, std::function<void()> handler) {
  (void)this->control(control);  // a misspelt control fails at start-up, not in play
  handlers_[{control, event}] = std::move(handler);
}

void Form::run(const std::string& control, Event event) {
  auto it = handlers_.find({control, event});
  if (it != handlers_.end()) it->second();
}

void Form::show() { runtime_->show(*this); }
void Form::unload() { runtime_->unload(*this); }
MsgBoxResult Form::msgbox(const std::string& text) { return runtime_->msgbox(text); }
void Form::end() { runtime_->end(); }
void Form::show(const std::string& form) { runtime_->show(runtime_->form(form)); }
void Form::unload(const std::string& form) { runtime_->unload(runtime_->form(form)); }
Form& Form::form(const std::string& name) { return runtime_->form(name); }

// ---------------------------------------------------------------------------------------------
// Runtime

Runtime::Runtime(Host& host) : host_(&host) {}

Runtime::~Runtime() = default;

Form& Runtime::add(std::unique_ptr<Form> form) {
  Form* raw = form.get();
  if (!byName_.emplace(raw->name(), raw).second) {
    throw std::logic_error("two forms named " + raw->name());
  }
  forms_.push_back(raw);
  owned_.push_back(std::move(form));
  return *raw;
}

Form* Runtime::find(const std::string& name) {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Form& Runtime::form(const std::string& name) {
  Form* f = find(name);
  if (f == nullptr) throw std::logic_error("no form " + name);
  return *f;
}

void Runtime::record(TraceEvent::Type type, const std::string& text) {
  if (trace_) trace_(TraceEvent{type, text});
}

namespace {

// Marks a piece of work in progress for as long as it runs, however it is left.
struct DepthGuard {
  explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
  ~DepthGuard() { --depth_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
  int& depth_;
};

}  // namespace

template <typename F>
void Runtime::dispatch(F&& body) {
  if (ended_) return;
  {
    DepthGuard guard(dispatchDepth_);
    try {
      body();
    } catch (const ProgramEnded&) {
      // ended_ is set; the nested loops below us see it and unwind in turn.
    }
  }
  // The program also ends when the last window has gone and no handler is running any more.
  if (dispatchDepth_ == 0 && !ended_ && loadOrder_.empty()) {
    ended_ = true;
    record(TraceEvent::Type::End, {});
    host_->programEnded();
  }
  rescheduleWake();
}

void Runtime::perform(const std::function<void()>& body) { dispatch(body); }

void Runtime::start(const std::string& firstForm) {
  if (started_) return;
  started_ = true;
  dispatch([&] { show(form(firstForm)); });
}

void Runtime::load(Form& form) {
  if (form.loaded_) return;
  record(TraceEvent::Type::Load, form.name());
  form.loaded_ = true;
  form.visible_ = false;
  loadOrder_.push_back(&form);
  for (auto& c : form.controls_) {
    c->reset();
    if (c->kind() == Kind::Timer && c->interval_ > 0) timerArmed(*c);
  }
  form.Form_Load();
  rescheduleWake();
}

void Runtime::show(Form& form) {
  load(form);
  if (!form.loaded_) return;  // its load closed it again
  if (form.visible_) {
    host_->formRaised(form);
    return;
  }
  form.visible_ = true;
  record(TraceEvent::Type::Show, form.name());
  host_->formShown(form);
}

void Runtime::unload(Form& form) {
  if (!form.loaded_) return;
  record(TraceEvent::Type::Unload, form.name());
  form.loaded_ = false;
  form.visible_ = false;
  loadOrder_.erase(std::remove(loadOrder_.begin(), loadOrder_.end(), &form), loadOrder_.end());
  for (auto& c : form.controls_) c->reset();  // stops its timers too
  host_->formUnloaded(form);
  rescheduleWake();
}

MsgBoxResult Runtime::msgbox(const std::string& text) {
  record(TraceEvent::Type::MsgBox, text);
  ++messageBoxCount_;
  MsgBoxResult result;
  {
    DepthGuard guard(modalDepth_);
    rescheduleWake();
    result = host_->runMessageBox(text);
  }
  if (ended_) throw ProgramEnded{};
  record(result == MsgBoxResult::Ok ? TraceEvent::Type::Ok : TraceEvent::Type::CloseMsgBox, {});
  return result;
}

void Runtime::end() {
  if (!ended_) {
    ended_ = true;
    record(TraceEvent::Type::End, {});
    host_->programEnded();
  }
  throw ProgramEnded{};
}

void Runtime::controlTouched(const Control& control) {
  Form& f = control.form();
  if (f.loaded_) return;
#ifndef NDEBUG
  std::fprintf(stderr, "dokasuka2: %s.%s touched while %s is not loaded; loading it\n",
               f.name().c_str(), control.name().c_str(), f.name().c_str());
#endif
  load(f);
}

void Runtime::controlChanged(Control& control) {
  if (control.form().loaded_) host_->controlChanged(control.form(), control.name());
}

// ---------------------------------------------------------------------------------------------
// Timer service

void Runtime::timerArmed(Control& timer) {
  if (timer.interval_ > 0) {
    timer.armedAt_ = host_->now();
    timer.period_ = std::max<Micros>(kShortestPeriod, Micros{timer.interval_} * 1000);
    timer.nextDue_ = timer.armedAt_ + timer.period_;
    timer.armSequence_ = ++armSequence_;
  }
  rescheduleWake();
}

namespace {

// The first tick of the timer's grid after `now`: ticks that fell due while the timer could not
// run are dropped, never caught up in a burst.
void skipPast(Micros& nextDue, Micros armedAt, Micros period, Micros now) {
  if (nextDue > now) return;
  nextDue = armedAt + ((now - armedAt) / period + 1) * period;
}

}  // namespace

// The armed timer that ticks next: the earliest due, and of those due together the one armed
// first. A timer whose handler is running is skipped: it is never re-entered.
Control* Runtime::earliestTimer() const {
  Control* best = nullptr;
  for (Form* f : loadOrder_) {
    for (const auto& c : f->controls_) {
      if (c->kind() != Kind::Timer || c->interval_ == 0 || c->running_) continue;
      if (best == nullptr || c->nextDue_ < best->nextDue_ ||
          (c->nextDue_ == best->nextDue_ && c->armSequence_ < best->armSequence_)) {
        best = c.get();
      }
    }
  }
  return best;
}

std::optional<Micros> Runtime::nextDue() const {
  const Control* best = earliestTimer();
  if (best == nullptr) return std::nullopt;
  return best->nextDue_;
}

bool Runtime::runNextTimer() {
  if (ended_) return false;
  Control* best = earliestTimer();
  if (best == nullptr || best->nextDue_ > host_->now()) return false;
  fire(*best);
  return true;
}

int Runtime::runDueTimers() {
  int count = 0;
  while (runNextTimer()) ++count;
  return count;
}

void Runtime::fire(Control& timer) {
  skipPast(timer.nextDue_, timer.armedAt_, timer.period_, host_->now());
  struct Running {
    explicit Running(Control& c) : c_(c) { c_.running_ = true; }
    ~Running() { c_.running_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    Control& c_;
  };
  dispatch([&] {
    Running running(timer);
    timer.form().run(timer.name(), Event::Timer);
  });
  if (timer.interval_ > 0) skipPast(timer.nextDue_, timer.armedAt_, timer.period_, host_->now());
  rescheduleWake();
}

void Runtime::rescheduleWake() {
  if (ended_) {
    host_->wakeAt(std::nullopt);
    return;
  }
  host_->wakeAt(nextDue());
}

// ---------------------------------------------------------------------------------------------
// Hit-testing and input

namespace {

bool takesMouse(Kind kind) {
  // Shapes and lines are drawn on the form and let the mouse through, as do timers.
  return kind != Kind::Shape && kind != Kind::Line && kind != Kind::Timer;
}

}  // namespace

Control* Runtime::hitIn(Form& form, const std::string& container, int x, int y) {
  for (bool windowed : {true, false}) {
    for (auto it = form.controls_.rbegin(); it != form.controls_.rend(); ++it) {
      Control& c = **it;
      if (c.design().container != container || isWindowed(c.kind()) != windowed) continue;
      if (!c.visible_ || !takesMouse(c.kind()) || !c.rect().contains(x, y)) continue;
      if (c.kind() == Kind::PictureBox) {
        Control* child = hitIn(form, c.name(), x - c.left_, y - c.top_);
        return child != nullptr ? child : &c;
      }
      return &c;
    }
  }
  return nullptr;
}

Control* Runtime::hitTest(Form& form, int x, int y) {
  if (x < 0 || y < 0 || x >= form.design().width || y >= form.design().height) return nullptr;
  return hitIn(form, {}, x, y);
}

std::optional<std::pair<int, int>> Runtime::reachablePoint(Control& control) {
  Form& form = control.form();
  // The control's rectangle in form coordinates, clipped to every picture box around it and to
  // the client area.
  Rect r = control.rect();
  int x0 = r.left, y0 = r.top, x1 = r.left + r.width, y1 = r.top + r.height;
  for (std::string outer = control.design().container; !outer.empty();) {
    Control* box = form.find(outer);
    if (box == nullptr) break;
    x0 = std::max(0, x0) + box->left_;
    y0 = std::max(0, y0) + box->top_;
    x1 = std::min(box->rect().width, x1) + box->left_;
    y1 = std::min(box->rect().height, y1) + box->top_;
    outer = box->design().container;
  }
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, form.design().width);
  y1 = std::min(y1, form.design().height);
  if (x0 >= x1 || y0 >= y1) return std::nullopt;
  const int cx = x0 + (x1 - x0) / 2;
  const int cy = y0 + (y1 - y0) / 2;
  if (hitTest(form, cx, cy) == &control) return std::make_pair(cx, cy);
  for (int y = y0; y < y1; y += kTwipsPerPixel) {
    for (int x = x0; x < x1; x += kTwipsPerPixel) {
      if (hitTest(form, x, y) == &control) return std::make_pair(x, y);
    }
  }
  return std::nullopt;
}

std::optional<Ignored> Runtime::inputAllowed(Form& form) const {
  if (ended_) return Ignored{"the program has ended"};
  if (modalDepth_ > 0) return Ignored{"a message box is open"};
  if (!form.loaded_) return Ignored{form.name() + " is not loaded"};
  if (!form.visible_) return Ignored{form.name() + " is not visible"};
  return std::nullopt;
}

std::optional<Ignored> Runtime::click(Form& form, int x, int y) {
  if (auto refused = inputAllowed(form)) return refused;
  Control* target = hitTest(form, x, y);
  if (target == nullptr) return std::nullopt;  // the form's own background: nothing happens
  const std::uint64_t boxes = messageBoxCount_;
  dispatch([&] {
    form.run(target->name(), Event::MouseDown);
    // A press that opened a message box has lost its release to the box.
    if (messageBoxCount_ == boxes && form.loaded_) form.run(target->name(), Event::Click);
  });
  return std::nullopt;
}

std::optional<Ignored> Runtime::mouseDown(Form& form, int x, int y, MouseButton /*button*/) {
  if (auto refused = inputAllowed(form)) return refused;
  Control* target = hitTest(form, x, y);
  if (target == nullptr) return std::nullopt;
  dispatch([&] { form.run(target->name(), Event::MouseDown); });
  return std::nullopt;
}

std::optional<Ignored> Runtime::mouseUp(Form& form, int x, int y) {
  if (auto refused = inputAllowed(form)) return refused;
  Control* target = hitTest(form, x, y);
  if (target == nullptr) return std::nullopt;
  dispatch([&] { form.run(target->name(), Event::Click); });
  return std::nullopt;
}

std::optional<Ignored> Runtime::mouseMove(Form& form, int x, int y) {
  if (auto refused = inputAllowed(form)) return refused;
  Control* target = hitTest(form, x, y);
  if (target == nullptr) return std::nullopt;
  dispatch([&] { form.run(target->name(), Event::MouseMove); });
  return std::nullopt;
}

std::optional<Ignored> Runtime::pressKey(Control& control) {
  Form& form = control.form();
  if (auto refused = inputAllowed(form)) return refused;
  if (!control.shownOnScreen()) return Ignored{control.name() + " is hidden"};
  if (control.kind() != Kind::Button && control.kind() != Kind::TextBox) {
    return Ignored{control.name() + " cannot take the focus"};
  }
  // Enter and Space press a focused button: a Click, never a MouseDown.
  if (control.kind() == Kind::Button) {
    dispatch([&] { form.run(control.name(), Event::Click); });
  }
  return std::nullopt;
}

std::optional<Ignored> Runtime::typeText(Control& control, const std::string& text) {
  Form& form = control.form();
  if (auto refused = inputAllowed(form)) return refused;
  if (control.kind() != Kind::TextBox) return Ignored{control.name() + " is not a text box"};
  if (!control.shownOnScreen()) return Ignored{control.name() + " is hidden"};
  dispatch([&] { control.setText(text); });
  return std::nullopt;
}

std::optional<Ignored> Runtime::closeRequest(Form& form) {
  if (ended_) return Ignored{"the program has ended"};
  if (modalDepth_ > 0) return Ignored{"a message box is open"};
  if (!form.loaded_) return Ignored{form.name() + " is not loaded"};
  if (form.keepsGame() && loadOrder_.size() > 1) {
    return Ignored{form.name() + " holds the game and stays open while other windows are open"};
  }
  dispatch([&] { unload(form); });
  return std::nullopt;
}

}  // namespace core

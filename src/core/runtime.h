// The form runtime: forms and their controls, loading and unloading, message boxes as nested
// loops, the timer service, hit-testing and the delivery of input to handlers.
//
// Everything here is plain C++. The platform is reached only through `Host`: the Qt view for
// play, the replay host for tests and scripted runs.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/design.h"

namespace core {

class Form;
class Runtime;

// Microseconds since the program started. The timer service's shortest period, 1/64 s, is a
// whole number of microseconds, so the virtual clock keeps exact time.
using Micros = std::int64_t;

constexpr Micros kShortestPeriod = 15625;

enum class MsgBoxResult { Ok, Closed };

enum class MouseButton { Left, Right, Middle };

// What the runtime needs of the platform.
class Host {
 public:
  virtual ~Host() = default;
  virtual Micros now() const = 0;
  // The earliest instant a timer is due, or nothing when no timer is armed. The host calls
  // Runtime::runDueTimers() at or after that instant.
  virtual void wakeAt(std::optional<Micros> when) = 0;
  // Runs a modal message box: returns when the player closes it, or when the program ends
  // meanwhile (Runtime::ended()). Timers keep ticking inside.
  virtual MsgBoxResult runMessageBox(const std::string& text) = 0;
  // View notifications.
  virtual void formShown(Form&) {}
  virtual void formRaised(Form&) {}
  virtual void formUnloaded(Form&) {}
  virtual void controlChanged(Form&, const std::string& /*control*/) {}
  virtual void programEnded() {}
};

// What happened, for transcripts and logs.
struct TraceEvent {
  enum class Type { Load, Show, Unload, MsgBox, Ok, CloseMsgBox, End };
  Type type;
  std::string text;  // form name, or message text
};

// One control of a loaded form: its design and its runtime values.
class Control {
 public:
  Control(Form& form, const ControlDesign& design);

  const std::string& name() const { return design_->name; }
  Kind kind() const { return design_->kind; }
  const ControlDesign& design() const { return *design_; }
  Form& form() const { return *form_; }

  // Caption of a label or button, text of a text box: the same value.
  const std::string& caption() const;
  const std::string& text() const { return caption(); }
  void setCaption(const std::string& value);
  void setText(const std::string& value) { setCaption(value); }
  // The caption or text read as a number (NaN when it is not one) and written back as the
  // shortest decimal text.
  double number() const;
  void setNumber(double value);
  // True when the caption or text reads as a number equal to `value`.
  bool is(double value) const;

  bool visible() const;
  void setVisible(bool value);
  // Visible, and so is every picture box around it (without loading the form).
  bool shownOnScreen() const;

  const std::string& picture() const;
  void setPicture(const std::string& asset);
  void copyPictureFrom(const Control& source) { setPicture(source.picture()); }

  int left() const;
  int top() const;
  void setLeft(int twips);
  void setTop(int twips);
  Rect rect() const;

  int interval() const;
  // Arms the timer anew (0 stops it).
  void setInterval(int milliseconds);

  // Values as they are, without loading the form (views, dumps).
  const std::string& rawCaption() const { return caption_; }
  bool rawVisible() const { return visible_; }
  const std::string& rawPicture() const { return picture_; }
  int rawLeft() const { return left_; }
  int rawTop() const { return top_; }
  int rawInterval() const { return interval_; }

  // Back to the design-time values.
  void reset();

 private:
  friend class Runtime;
  void touch() const;
  void changed();

  Form* form_;
  const ControlDesign* design_;
  std::string caption_;
  bool visible_ = true;
  std::string picture_;
  int left_ = 0;
  int top_ = 0;
  int interval_ = 0;

  // Timer service.
  Micros armedAt_ = 0;
  Micros period_ = 0;
  Micros nextDue_ = 0;
  std::uint64_t armSequence_ = 0;
  bool running_ = false;
};

enum class Event { Click, MouseDown, MouseMove, Timer };

// A form: its design, its controls and its handlers. Screens derive from it, list their
// design and register their handlers in the constructor.
class Form {
 public:
  Form(Runtime& runtime, FormDesign design);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return design_.name; }
  const FormDesign& design() const { return design_; }
  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }

  Control& control(const std::string& name);
  const Control& control(const std::string& name) const;
  Control* find(const std::string& name);
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  bool handles(const std::string& control, Event event) const;

  // A form that holds the game refuses the close box while other windows are open.
  virtual bool keepsGame() const { return false; }

  Runtime& runtime() const { return *runtime_; }

 protected:
  // Handlers, for the screens.
  virtual void Form_Load() {}
  void on(const std::string& control, Event event, std::function<void()> handler);

  Control& ctl(const std::string& name) { return control(name); }
  void show();
  void unload();
  MsgBoxResult msgbox(const std::string& text);
  [[noreturn]] void end();
  void show(const std::string& form);
  void unload(const std::string& form);
  Form& form(const std::string& name);

 private:
  friend class Runtime;
  friend class Control;
  void run(const std::string& control, Event event);

  Runtime* runtime_;
  FormDesign design_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*> byName_;
  std::map<std::pair<std::string, Event>, std::function<void()>> handlers_;
  bool loaded_ = false;
  bool visible_ = false;
};

// Why a piece of input had no effect.
struct Ignored {
  std::string reason;
};

// Thrown by End: unwinds every running handler and nested loop.
struct ProgramEnded {};

class Runtime {
 public:
  explicit Runtime(Host& host);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  Host& host() const { return *host_; }
  void setTrace(std::function<void(const TraceEvent&)> trace) { trace_ = std::move(trace); }

  // Forms.
  Form& add(std::unique_ptr<Form> form);
  Form* find(const std::string& name);
  Form& form(const std::string& name);
  const std::vector<Form*>& forms() const { return forms_; }
  // Loaded forms, in the order they were loaded.
  const std::vector<Form*>& loadOrder() const { return loadOrder_; }

  // Starts the program: shows the first form.
  void start(const std::string& firstForm);
  // Runs `body` as a handler would run (tests use it to set up a scene).
  void perform(const std::function<void()>& body);
  bool ended() const { return ended_; }
  // A message box is open; no click, mouse or close reaches the forms.
  bool modal() const { return modalDepth_ > 0; }
  int modalDepth() const { return modalDepth_; }
  // Counts message boxes opened so far; a replayed wait stops when it changes.
  std::uint64_t messageBoxCount() const { return messageBoxCount_; }

  // Operations of the handlers.
  void load(Form& form);
  void show(Form& form);
  void unload(Form& form);
  MsgBoxResult msgbox(const std::string& text);
  [[noreturn]] void end();

  // The timer service.
  std::optional<Micros> nextDue() const;
  // Runs every timer due at `now` (the host's clock), earliest first. Returns the number run.
  int runDueTimers();
  // Runs the single earliest timer if it is due at the host's clock. Returns whether it ran.
  bool runNextTimer();

  // Hit-testing, in client twips of the form: the front-most visible control there that takes
  // mouse input, or null for the form itself.
  Control* hitTest(Form& form, int x, int y);
  // A point of the control that no control in front covers, if there is one.
  std::optional<std::pair<int, int>> reachablePoint(Control& control);

  // Input. Each returns the reason when the screen swallowed it.
  std::optional<Ignored> click(Form& form, int x, int y);
  std::optional<Ignored> mouseDown(Form& form, int x, int y, MouseButton button);
  // The release of the left button that completes a click on a real screen, where press and
  // release come apart: Click only, the press having had its MouseDown already. The caller
  // sees to it that the press began on the control that is under the pointer now.
  std::optional<Ignored> mouseUp(Form& form, int x, int y);
  std::optional<Ignored> mouseMove(Form& form, int x, int y);
  std::optional<Ignored> pressKey(Control& control);  // Enter or Space on a focused control
  std::optional<Ignored> typeText(Control& control, const std::string& text);
  std::optional<Ignored> closeRequest(Form& form);

  // For the controls.
  void controlTouched(const Control& control);
  void controlChanged(Control& control);
  void timerArmed(Control& control);

 private:
  template <typename F>
  void dispatch(F&& body);
  void fire(Control& timer);
  std::optional<Ignored> inputAllowed(Form& form) const;
  void record(TraceEvent::Type type, const std::string& text);
  void rescheduleWake();
  Control* earliestTimer() const;
  Control* hitIn(Form& form, const std::string& container, int x, int y);

  Host* host_;
  std::function<void(const TraceEvent&)> trace_;
  std::vector<std::unique_ptr<Form>> owned_;
  std::vector<Form*> forms_;
  std::map<std::string, Form*> byName_;
  std::vector<Form*> loadOrder_;
  bool ended_ = false;
  bool started_ = false;
  int modalDepth_ = 0;
  int dispatchDepth_ = 0;
  std::uint64_t messageBoxCount_ = 0;
  std::uint64_t armSequence_ = 0;
};

}  // namespace core

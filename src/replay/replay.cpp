#include "replay/replay.h"

#include <sstream>

#include "core/screen.h"

namespace replay {

namespace {

// The script ran out while the game was still waiting inside a handler.
struct ScriptFinished {};

}  // namespace

Replay::Replay(std::istream& script, std::ostream& transcript, std::string scriptName,
               Installer install)
    : script_(script),
      out_(transcript),
      scriptName_(std::move(scriptName)),
      runtime_(std::make_unique<core::Runtime>(*this)) {
  runtime_->setTrace([this](const core::TraceEvent& e) { trace(e); });
  if (install) {
    install(*runtime_);
  } else {
    core::addAllForms(*runtime_);
  }
}

Replay::~Replay() = default;

void Replay::line(const std::string& text) { out_ << clock_ / 1000 << ' ' << text << '\n'; }

void Replay::trace(const core::TraceEvent& e) {
  using T = core::TraceEvent::Type;
  switch (e.type) {
    case T::Load:
      line("load " + e.text);
      break;
    case T::Show:
      line("show " + e.text);
      break;
    case T::Unload:
      line("unload " + e.text);
      break;
    case T::MsgBox:
      line("msgbox " + quote(e.text));
      break;
    case T::Ok:
      line("ok");
      break;
    case T::CloseMsgBox:
      line("close msgbox");
      break;
    case T::End:
      line("end");
      break;
  }
}

Outcome Replay::run(const std::string& firstForm,
                    const std::function<void(core::Runtime&)>& prelude) {
  Outcome outcome;
  try {
    runtime_->start(firstForm);
    if (prelude) runtime_->perform([&] { prelude(*runtime_); });
    while (!runtime_->ended() && step()) {
    }
  } catch (const ScriptFinished&) {
    // The script ended with a handler still waiting; the transcript simply stops.
  } catch (const ScriptError& e) {
    outcome.status = 2;
    outcome.error = scriptName_ + ":" + std::to_string(e.line) + ": " + e.reason;
  }
  out_.flush();
  return outcome;
}

bool Replay::step() {
  std::string text;
  while (std::getline(script_, text)) {
    ++lineNumber_;
    if (!isUtf8(text)) throw ScriptError{lineNumber_, "the line is not UTF-8 text"};
    if (auto cmd = parseLine(text, lineNumber_)) {
      execute(*cmd);
      return true;
    }
  }
  if (script_.bad()) throw ScriptError{lineNumber_ + 1, "the script cannot be read"};
  return false;
}

core::MsgBoxResult Replay::runMessageBox(const std::string& text) {
  // The nested loop of a modal message box: the next lines of the script are what the player
  // does while it is open.
  Box box{text};
  boxes_.push_back(&box);
  struct Pop {
    std::vector<Box*>& boxes;
    ~Pop() { boxes.pop_back(); }
  } pop{boxes_};
  while (!box.closed && !runtime_->ended()) {
    if (!step()) throw ScriptFinished{};
  }
  return box.result;
}

core::Form& Replay::formNamed(const Command& cmd, const std::string& name) {
  core::Form* form = runtime_->find(name);
  if (form == nullptr) throw ScriptError{cmd.line, "the game has no form \"" + name + "\""};
  return *form;
}

core::Control& Replay::controlNamed(const Command& cmd, const std::string& name) {
  const auto [formName, controlName] = splitName(name);
  if (controlName.empty()) {
    throw ScriptError{cmd.line, "\"" + name + "\" names no control (FORM.CONTROL)"};
  }
  core::Form& form = formNamed(cmd, formName);
  core::Control* control = form.find(controlName);
  if (control == nullptr) {
    throw ScriptError{cmd.line, formName + " has no control \"" + controlName + "\""};
  }
  return *control;
}

void Replay::ignored(const Command& cmd, const core::Ignored& why) {
  line("ignored " + cmd.source + " (" + why.reason + ")");
}

void Replay::pointAt(
    const Command& cmd, core::Control& control,
    const std::function<std::optional<core::Ignored>(core::Form&, int, int)>& act) {
  core::Form& form = control.form();
  if (runtime_->modal()) return ignored(cmd, {"a message box is open"});
  if (!form.loaded()) return ignored(cmd, {form.name() + " is not loaded"});
  if (!control.shownOnScreen()) return ignored(cmd, {control.name() + " is hidden"});
  const auto point = runtime_->reachablePoint(control);
  if (!point) return ignored(cmd, {control.name() + " is covered everywhere"});
  if (auto why = act(form, point->first, point->second)) ignored(cmd, *why);
}

void Replay::wait(core::Micros duration) {
  const core::Micros target = clock_ + duration;
  const auto boxes = runtime_->messageBoxCount();
  while (!runtime_->ended()) {
    const auto due = runtime_->nextDue();
    if (!due || *due > target) break;
    if (*due > clock_) clock_ = *due;
    runtime_->runNextTimer();
    // A handler opened a message box: the clock stopped there, the rest of the wait is gone.
    if (runtime_->messageBoxCount() != boxes) return;
  }
  if (!runtime_->ended() && clock_ < target) clock_ = target;
}

void Replay::execute(const Command& cmd) {
  const auto& w = cmd.words;
  const std::string& verb = cmd.verb;
  if (verb == "ok" || (verb == "close" && w[0] == "msgbox")) {
    if (boxes_.empty()) throw ScriptError{cmd.line, "no message box is open"};
    Box* box = boxes_.back();
    box->closed = true;
    box->result = verb == "ok" ? core::MsgBoxResult::Ok : core::MsgBoxResult::Closed;
  } else if (verb == "wait") {
    wait(parseMillis(w[0], cmd.line));
  } else if (verb == "click" && w.size() == 1) {
    pointAt(cmd, controlNamed(cmd, w[0]),
            [&](core::Form& f, int x, int y) { return runtime_->click(f, x, y); });
  } else if (verb == "click") {
    core::Form& form = formNamed(cmd, w[0]);
    const int x = parseTwips(w[1], cmd.line);
    const int y = parseTwips(w[2], cmd.line);
    if (auto why = runtime_->click(form, x, y)) ignored(cmd, *why);
  } else if (verb == "down") {
    const std::string button = w.size() > 1 ? w[1] : "left";
    const auto which = button == "right"    ? core::MouseButton::Right
                       : button == "middle" ? core::MouseButton::Middle
                                            : core::MouseButton::Left;
    pointAt(cmd, controlNamed(cmd, w[0]),
            [&](core::Form& f, int x, int y) { return runtime_->mouseDown(f, x, y, which); });
  } else if (verb == "move") {
    core::Form& form = formNamed(cmd, w[0]);
    const int x = parseTwips(w[1], cmd.line);
    const int y = parseTwips(w[2], cmd.line);
    if (auto why = runtime_->mouseMove(form, x, y)) ignored(cmd, *why);
  } else if (verb == "path") {
    core::Form& form = formNamed(cmd, w[0]);
    std::vector<std::pair<int, int>> points;
    for (std::size_t k = 1; k + 1 < w.size(); k += 2) {
      points.emplace_back(parseTwips(w[k], cmd.line), parseTwips(w[k + 1], cmd.line));
    }
    const auto boxes = runtime_->messageBoxCount();
    auto moveTo = [&](int x, int y) {
      if (auto why = runtime_->mouseMove(form, x, y)) {
        ignored(cmd, *why);
        return false;
      }
      return runtime_->messageBoxCount() == boxes && !runtime_->ended();
    };
    if (!moveTo(points[0].first, points[0].second)) return;
    for (std::size_t k = 1; k < points.size(); ++k) {
      const auto [x0, y0] = points[k - 1];
      const auto [x1, y1] = points[k];
      const int span = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
      const int steps = (span + core::kTwipsPerPixel - 1) / core::kTwipsPerPixel;
      for (int s = 1; s <= steps; ++s) {
        const int x = x0 + static_cast<int>(static_cast<long long>(x1 - x0) * s / steps);
        const int y = y0 + static_cast<int>(static_cast<long long>(y1 - y0) * s / steps);
        if (!moveTo(x, y)) return;
      }
    }
  } else if (verb == "type") {
    core::Control& control = controlNamed(cmd, w[0]);
    if (auto why = runtime_->typeText(control, w[1])) ignored(cmd, *why);
  } else if (verb == "key") {
    core::Control& control = controlNamed(cmd, w[0]);
    if (auto why = runtime_->pressKey(control)) ignored(cmd, *why);
  } else if (verb == "close") {
    core::Form& form = formNamed(cmd, w[0]);
    if (auto why = runtime_->closeRequest(form)) ignored(cmd, *why);
  } else if (verb == "dump") {
    dump(cmd);
  } else if (verb == "shot") {
    if (shots_ != nullptr) {
      std::vector<std::string> texts;
      for (const Box* b : boxes_) texts.push_back(b->text);
      shots_->shot(w[0], *runtime_, texts);
    }
  }
}

void Replay::dump(const Command& cmd) {
  if (cmd.words.empty()) {
    core::Form* f5 = runtime_->find("F5");
    if (f5 == nullptr || !f5->loaded()) {
      line("state unloaded");
    } else {
      std::string text = "state";
      for (int i = 1; i <= 16; ++i) {
        text += ' ' + quote(f5->control("Text" + std::to_string(i)).rawCaption());
      }
      line(text);
    }
    std::string forms = "forms";
    for (core::Form* f : runtime_->loadOrder()) {
      forms += ' ' + f->name() + (f->visible() ? "*" : "");
    }
    line(forms);
    return;
  }
  core::Form& form = formNamed(cmd, cmd.words[0]);
  if (!form.loaded()) {
    line("form " + form.name() + " unloaded");
    return;
  }
  for (const auto& c : form.controls()) {
    std::string text = "control " + form.name() + "." + c->name();
    text += c->rawVisible() && c->kind() != core::Kind::Timer ? " visible=1" : " visible=0";
    switch (c->kind()) {
      case core::Kind::Label:
      case core::Kind::Button:
        text += " caption=" + quote(c->rawCaption());
        break;
      case core::Kind::TextBox:
        text += " text=" + quote(c->rawCaption());
        break;
      case core::Kind::Image:
      case core::Kind::PictureBox:
        text += " picture=" + (c->rawPicture().empty() ? std::string("none") : c->rawPicture());
        break;
      default:
        break;
    }
    if (c->kind() == core::Kind::Timer) {
      text += " interval=" + std::to_string(c->rawInterval());
    } else if (c->kind() != core::Kind::Line) {
      text += " left=" + std::to_string(c->rawLeft()) + " top=" + std::to_string(c->rawTop());
    }
    line(text);
  }
}

std::string replayText(const std::string& script,
                       const std::function<void(core::Runtime&)>& prelude) {
  std::istringstream in(script);
  std::ostringstream out;
  Replay replay(in, out);
  const Outcome outcome = replay.run("Form1", prelude);
  std::string text = out.str();
  if (outcome.status != 0) text += "error " + outcome.error + '\n';
  return text;
}

}  // namespace replay

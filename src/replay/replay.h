// Runs a replay script on a virtual clock and writes the transcript of what the game did.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/runtime.h"
#include "replay/script.h"

namespace replay {

// Writes pictures of the open windows; the Qt view implements it.
class ShotWriter {
 public:
  virtual ~ShotWriter() = default;
  // `boxes` are the texts of the open message boxes, innermost last.
  virtual void shot(const std::string& name, core::Runtime& runtime,
                    const std::vector<std::string>& boxes) = 0;
};

struct Outcome {
  int status = 0;     // 0: ran to its end or the program ended; 2: the script failed
  std::string error;  // "FILE:LINE: reason" when status is 2
};

class Replay : public core::Host {
 public:
  using Installer = std::function<void(core::Runtime&)>;

  // `install` creates the forms; by default every screen of the game.
  Replay(std::istream& script, std::ostream& transcript, std::string scriptName = "script",
         Installer install = {});
  ~Replay() override;

  void setShotWriter(ShotWriter* writer) { shots_ = writer; }
  core::Runtime& runtime() { return *runtime_; }

  // Starts the program on its first form and carries out the script. `prelude`, when given,
  // runs right after the start, before the first line (tests set up a scene with it).
  Outcome run(const std::string& firstForm = "Form1",
              const std::function<void(core::Runtime&)>& prelude = {});

  // core::Host
  core::Micros now() const override { return clock_; }
  void wakeAt(std::optional<core::Micros>) override {}
  core::MsgBoxResult runMessageBox(const std::string& text) override;

 private:
  struct Box {
    std::string text;
    bool closed = false;
    core::MsgBoxResult result = core::MsgBoxResult::Ok;
  };

  bool step();  // carries out the next command; false at the end of the script
  void execute(const Command& cmd);
  void wait(core::Micros duration);
  void line(const std::string& text);
  void ignored(const Command& cmd, const core::Ignored& why);
  core::Form& formNamed(const Command& cmd, const std::string& name);
  core::Control& controlNamed(const Command& cmd, const std::string& name);
  void pointAt(const Command& cmd, core::Control& control,
               const std::function<std::optional<core::Ignored>(core::Form&, int, int)>& act);
  void dump(const Command& cmd);
  void trace(const core::TraceEvent& event);

  std::istream& script_;
  std::ostream& out_;
  std::string scriptName_;
  std::unique_ptr<core::Runtime> runtime_;
  ShotWriter* shots_ = nullptr;
  core::Micros clock_ = 0;
  int lineNumber_ = 0;
  std::vector<Box*> boxes_;
};

// Convenience for tests: replays `script` against every screen and returns the transcript,
// followed by the error line when the script failed.
std::string replayText(const std::string& script,
                       const std::function<void(core::Runtime&)>& prelude = {});

}  // namespace replay

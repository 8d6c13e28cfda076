// Writes what the player does as a replay script: one command a line, with a wait for the time
// that passed before it, so that replaying the script does what the player did.
#pragma once

#include <ostream>
#include <string>

#include "core/runtime.h"

namespace view {

class Recorder {
 public:
  explicit Recorder(std::ostream& out);

  // Time has moved on to `when`: a wait up to there. A replayed wait stops where a message box
  // opens, so the time up to each box is a wait of its own.
  void at(core::Micros when);
  void line(const std::string& command);

  // A text as the script writes it. The script has no way to write a line break inside a
  // text, so line breaks become blanks.
  static std::string text(const std::string& text);
  // "250", "15.625": milliseconds with up to three decimals, as `wait` reads them.
  static std::string millis(core::Micros micros);

 private:
  std::ostream& out_;
  core::Micros last_ = 0;
};

}  // namespace view

#include "view_qt/recorder.h"

#include "replay/script.h"

namespace view {

Recorder::Recorder(std::ostream& out) : out_(out) {
  out_ << "# dokasuka2 --record\n";
  out_.flush();
}

void Recorder::at(core::Micros when) {
  if (when <= last_) return;
  out_ << "wait " << millis(when - last_) << '\n';
  last_ = when;
}

void Recorder::line(const std::string& command) {
  out_ << command << '\n';
  // Whatever ends the run, what was played so far is on disk.
  out_.flush();
}

std::string Recorder::text(const std::string& text) {
  std::string flat;
  flat.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    flat += text[i] == '\n' || text[i] == '\r' ? ' ' : text[i];
  }
  return replay::quote(flat);
}

std::string Recorder::millis(core::Micros micros) {
  std::string s = std::to_string(micros / 1000);
  if (const auto fraction = micros % 1000; fraction != 0) {
    std::string digits = std::to_string(1000 + fraction).substr(1);
    while (digits.back() == '0') digits.pop_back();
    s += '.' + digits;
  }
  return s;
}

}  // namespace view

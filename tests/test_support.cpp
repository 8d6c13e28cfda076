#include "test_support.h"

#include <fstream>
#include <sstream>

#include "replay/replay.h"
#include "replay/script.h"

namespace testing_support {

std::vector<std::string> replayLines(const std::string& script, const Prelude& prelude) {
  std::istringstream text(replay::replayText(script, prelude));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> withoutTimes(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) {
    const auto blank = line.find(' ');
    out.push_back(
        line.rfind("error ", 0) == 0 || blank == std::string::npos ? line : line.substr(blank + 1));
  }
  return out;
}

std::vector<std::string> after(const std::vector<std::string>& lines, const std::string& marker) {
  const auto bare = withoutTimes(lines);
  for (std::size_t i = 0; i < bare.size(); ++i) {
    if (bare[i] == marker) return {lines.begin() + static_cast<long>(i) + 1, lines.end()};
  }
  return {};
}

Prelude startAt(const std::string& screen,
                std::initializer_list<std::pair<core::Slot, const char*>> slots) {
  std::vector<std::pair<core::Slot, std::string>> values;
  for (const auto& [slot, text] : slots) values.emplace_back(slot, text);
  return [screen, values](core::Runtime& runtime) {
    core::State state(runtime);
    for (const auto& [slot, text] : values) state.setText(slot, text);
    runtime.unload(runtime.form("Form1"));
    runtime.show(runtime.form(screen));
    runtime.show(runtime.form("F5"));
  };
}

std::string readSourceFile(const std::string& relativePath) {
  std::ifstream in(std::string(DOKASUKA_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string throughOpening() {
  std::string script = "click Form1.Image1\n";
  for (int i = 0; i < 17; ++i) script += "click Form3.Command1\n";
  return script;
}

std::vector<std::string> play(const Prelude& start, const std::string& script) {
  return withoutTimes(after(replayLines(script, start), "show F5"));
}

std::string stateLine(const Slots& changes) {
  std::vector<std::string> texts = {"0", "0", "0", "100", "100", "0", "1", "0",
                                    "0", "0", "0", "0",   "0",   "0", "0", "0"};
  for (const auto& [slot, text] : changes) texts[static_cast<int>(slot) - 1] = text;
  std::string line = "state";
  for (const auto& text : texts) line += " " + replay::quote(text);
  return line;
}

std::string msgboxLine(const std::string& text) { return "msgbox " + replay::quote(text); }

std::string controlLine(const std::vector<std::string>& lines, const std::string& control) {
  const std::string head = "control " + control + " ";
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    if (it->rfind(head, 0) == 0) return *it;
    const auto blank = it->find(' ');  // after a time
    if (blank != std::string::npos && it->compare(blank + 1, head.size(), head) == 0) {
      return it->substr(blank + 1);
    }
  }
  return control + " not dumped";
}

std::string captionOf(const std::vector<std::string>& lines, const std::string& control) {
  const std::string line = controlLine(lines, control);
  const std::string key = " caption=\"";
  const auto start = line.find(key);
  if (start == std::string::npos) return control + " has no caption";
  std::string caption;
  for (auto i = start + key.size(); i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) ++i;
    caption += line[i];
  }
  return caption;
}

std::string repeated(const std::string& text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

}  // namespace testing_support

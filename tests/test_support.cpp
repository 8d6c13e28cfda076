#include "test_support.h"

#include <fstream>
#include <sstream>

#include "replay/replay.h"

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

}  // namespace testing_support

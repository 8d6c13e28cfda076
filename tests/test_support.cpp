#include "test_support.h"

#include <fstream>
#include <sstream>

#include "replay/replay.h"

namespace testing_support {

std::vector<std::string> replayLines(const std::string& script) {
  std::istringstream text(replay::replayText(script));
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

std::string readSourceFile(const std::string& relativePath) {
  std::ifstream in(std::string(DOKASUKA_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace testing_support

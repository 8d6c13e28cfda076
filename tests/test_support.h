// Helpers shared by the behaviour tests.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// Replays a script against the whole game and returns its transcript lines (an "error ..." line
// last when the script failed).
std::vector<std::string> replayLines(const std::string& script);

// The transcript lines without their times.
std::vector<std::string> withoutTimes(const std::vector<std::string>& lines);

// Reads a file of the source tree.
std::string readSourceFile(const std::string& relativePath);

}  // namespace testing_support

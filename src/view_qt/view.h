// The game in real windows: the Qt host, and pictures of the windows for scripted runs.
#pragma once

#include <memory>
#include <string>

#include "replay/replay.h"

namespace view {

// Plays the game in real windows until it ends. With a non-empty `recordPath`, the player's
// input is written there as a replay script, with its timing. Returns the exit status.
int play(int& argc, char** argv, const std::string& recordPath);

// Writes DIR/NAME-FORM.png for every visible window, message boxes included. Needs a
// QApplication (an offscreen one will do).
std::unique_ptr<replay::ShotWriter> makeShotWriter(const std::string& directory);

}  // namespace view

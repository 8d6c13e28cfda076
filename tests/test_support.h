// Helpers shared by the behaviour tests.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime.h"
#include "core/state.h"

namespace testing_support {

using Prelude = std::function<void(core::Runtime&)>;

// Replays a script against the whole game and returns its transcript lines (an "error ..." line
// last when the script failed). `prelude` runs right after the title screen opens.
std::vector<std::string> replayLines(const std::string& script, const Prelude& prelude = {});

// The transcript lines without their times.
std::vector<std::string> withoutTimes(const std::vector<std::string>& lines);

// The lines that come after the first line equal to `marker` (times ignored in the match).
std::vector<std::string> after(const std::vector<std::string>& lines, const std::string& marker);

// A prelude that skips the title and the opening: it writes the given slots, then leaves the
// title screen for `screen` as the game would (title unloaded, screen shown, F5 shown).
// The transcript of the prelude itself comes before the script's lines.
Prelude startAt(const std::string& screen,
                std::initializer_list<std::pair<core::Slot, const char*>> slots = {});

// Reads a file of the source tree.
std::string readSourceFile(const std::string& relativePath);

// A script that plays the title and the opening, ending on section 1 with the state window.
std::string throughOpening();

// What the game does once the prelude has opened its screen: the lines after the first
// "show F5", without times.
std::vector<std::string> play(const Prelude& start, const std::string& script);

// Slots and the texts written to them.
using Slots = std::vector<std::pair<core::Slot, std::string>>;

// The `state` line of a dump: the texts every slot starts with, `changes` written over them.
std::string stateLine(const Slots& changes = {});

// The line a message box leaves in the transcript, its text quoted as the transcript quotes it.
std::string msgboxLine(const std::string& text);

// The line of `control` ("Form13.Label5") in the last `dump FORM` that listed it, without its
// time. The lines may come with or without times.
std::string controlLine(const std::vector<std::string>& lines, const std::string& control);

// The caption on that line, its escapes undone.
std::string captionOf(const std::vector<std::string>& lines, const std::string& control);

// `text` written `count` times in a row.
std::string repeated(const std::string& text, int count);

}  // namespace testing_support

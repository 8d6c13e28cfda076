// The replay-script language: one command per line, words separated by blanks, text in double
// quotes with \" and \\ as its only escapes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace replay {

// A script line that cannot be carried out.
struct ScriptError {
  int line;
  std::string reason;
};

struct Command {
  int line = 0;
  std::string source;  // the line as written, without surrounding blanks
  std::string verb;    // click, down, move, path, type, key, close, ok, wait, dump, shot
  std::vector<std::string> words;  // the arguments, quotes removed
  std::vector<bool> quoted;        // per argument: was it written in quotes
};

// Splits one line into a command. Returns nothing for blank and comment lines; throws
// ScriptError for a line that is not well formed (unknown command, wrong arguments).
std::optional<Command> parseLine(const std::string& text, int line);

// Checks that `text` is valid UTF-8.
bool isUtf8(const std::string& text);

// Quotes a text with the script's escapes.
std::string quote(const std::string& text);

// "Form4.Image7" -> {"Form4", "Image7"}; a name without a dot gives an empty control.
std::pair<std::string, std::string> splitName(const std::string& name);

// Parses a whole number of twips; throws ScriptError on anything else.
int parseTwips(const std::string& word, int line);

// Parses milliseconds (a decimal number with up to three decimals) into microseconds.
long long parseMillis(const std::string& word, int line);

}  // namespace replay

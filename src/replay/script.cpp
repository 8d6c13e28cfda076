#include "replay/script.h"

#include <cstdint>
#include <map>

namespace replay {

bool isUtf8(const std::string& text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    const unsigned char c = *p;
    int extra;
    std::uint32_t cp;
    if (c < 0x80) {
      ++p;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1;
      cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2;
      cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (end - p <= extra) return false;
    for (int i = 1; i <= extra; ++i) {
      if ((p[i] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not UTF-8.
    static constexpr std::uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    p += extra + 1;
  }
  return true;
}

std::string quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

std::pair<std::string, std::string> splitName(const std::string& name) {
  const auto dot = name.find('.');
  if (dot == std::string::npos) return {name, {}};
  return {name.substr(0, dot), name.substr(dot + 1)};
}

namespace {

[[noreturn]] void fail(int line, std::string reason) { throw ScriptError{line, std::move(reason)}; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

struct Arity {
  std::size_t min;
  std::size_t max;
  const char* usage;
};

const std::map<std::string, Arity>& commands() {
  static const std::map<std::string, Arity> table = {
      {"click", {1, 3, "click FORM.CONTROL | click FORM X Y"}},
      {"down", {1, 2, "down FORM.CONTROL [left|right|middle]"}},
      {"move", {3, 3, "move FORM X Y"}},
      {"path", {5, 100000, "path FORM X1 Y1 X2 Y2 ..."}},
      {"type", {2, 2, "type FORM.CONTROL \"TEXT\""}},
      {"key", {2, 2, "key FORM.CONTROL enter|space"}},
      {"close", {1, 1, "close FORM | close msgbox"}},
      {"ok", {0, 0, "ok"}},
      {"wait", {1, 1, "wait MS"}},
      {"dump", {0, 1, "dump [FORM]"}},
      {"shot", {1, 1, "shot NAME"}},
  };
  return table;
}

}  // namespace

std::optional<Command> parseLine(const std::string& text, int line) {
  Command cmd;
  cmd.line = line;
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  if (i == text.size() || text[i] == '#') return std::nullopt;
  std::size_t last = text.size();
  while (last > i && isBlank(text[last - 1])) --last;
  cmd.source = text.substr(i, last - i);

  std::vector<std::string> words;
  std::vector<bool> quoted;
  while (i < text.size()) {
    if (isBlank(text[i])) {
      ++i;
      continue;
    }
    std::string word;
    if (text[i] == '"') {
      ++i;
      bool closed = false;
      while (i < text.size()) {
        char c = text[i++];
        if (c == '\\') {
          if (i == text.size() || (text[i] != '"' && text[i] != '\\')) {
            fail(line, "only \\\" and \\\\ may follow a backslash in a text");
          }
          word += text[i++];
        } else if (c == '"') {
          closed = true;
          break;
        } else {
          word += c;
        }
      }
      if (!closed) fail(line, "a text is not closed with \"");
      if (i < text.size() && !isBlank(text[i])) fail(line, "a blank must follow a closing \"");
      quoted.push_back(true);
    } else {
      while (i < text.size() && !isBlank(text[i])) {
        if (text[i] == '"') fail(line, "a quote inside a word");
        word += text[i++];
      }
      quoted.push_back(false);
    }
    words.push_back(std::move(word));
  }

  cmd.verb = words.front();
  if (quoted.front()) fail(line, "a line must start with a command");
  words.erase(words.begin());
  quoted.erase(quoted.begin());
  const auto found = commands().find(cmd.verb);
  if (found == commands().end()) fail(line, "unknown command \"" + cmd.verb + "\"");
  const Arity& arity = found->second;
  if (words.size() < arity.min || words.size() > arity.max) {
    fail(line, std::string("wrong number of arguments; usage: ") + arity.usage);
  }
  for (std::size_t k = 0; k < words.size(); ++k) {
    const bool textArgument = cmd.verb == "type" && k == 1;
    if (quoted[k] != textArgument) {
      fail(line, textArgument ? "the text must be written in double quotes"
                              : "only the text of \"type\" is written in quotes");
    }
  }
  if (cmd.verb == "click" && words.size() == 2) {
    fail(line, "wrong number of arguments; usage: click FORM.CONTROL | click FORM X Y");
  }
  if (cmd.verb == "path" && (words.size() - 1) % 2 != 0) {
    fail(line, "path needs pairs of coordinates");
  }
  if (cmd.verb == "down" && words.size() == 2 && words[1] != "left" && words[1] != "right" &&
      words[1] != "middle") {
    fail(line, "the mouse button is left, right or middle");
  }
  if (cmd.verb == "key" && words[1] != "enter" && words[1] != "space") {
    fail(line, "the key is enter or space");
  }
  cmd.words = std::move(words);
  cmd.quoted = std::move(quoted);
  return cmd;
}

int parseTwips(const std::string& word, int line) {
  std::size_t i = 0;
  if (!word.empty() && word[0] == '-') i = 1;
  if (i == word.size() || word.size() - i > 9) fail(line, "\"" + word + "\" is not a whole number");
  int value = 0;
  for (; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') fail(line, "\"" + word + "\" is not a whole number");
    value = value * 10 + (word[i] - '0');
  }
  return word[0] == '-' ? -value : value;
}

long long parseMillis(const std::string& word, int line) {
  long long whole = 0;
  long long micros = 0;
  std::size_t i = 0;
  int digits = 0;
  for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
    if (++digits > 12) fail(line, "\"" + word + "\" is too long a wait");
    whole = whole * 10 + (word[i] - '0');
  }
  if (digits == 0) fail(line, "\"" + word + "\" is not a number of milliseconds");
  if (i < word.size()) {
    if (word[i] != '.') fail(line, "\"" + word + "\" is not a number of milliseconds");
    ++i;
    int decimals = 0;
    for (; i < word.size(); ++i) {
      if (word[i] < '0' || word[i] > '9' || ++decimals > 3) {
        fail(line, "\"" + word + "\" is not a number of milliseconds (at most three decimals)");
      }
      micros = micros * 10 + (word[i] - '0');
    }
    if (decimals == 0) fail(line, "\"" + word + "\" is not a number of milliseconds");
    for (; decimals < 3; ++decimals) micros *= 10;
  }
  return whole * 1000 + micros;
}

}  // namespace replay

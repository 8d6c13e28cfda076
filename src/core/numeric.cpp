#include "core/numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace core {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

double toNumber(std::string_view text) {
  constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return kNotANumber;

  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Only plain decimal notation: digits with at most one point, at least one digit.
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return kNotANumber;
    }
  }
  if (!digit) return kNotANumber;

  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size()) return kNotANumber;
  return negative ? -value : value;
}

bool numberEquals(std::string_view text, double value) { return toNumber(text) == value; }

std::string toText(double value) {
  if (std::isnan(value)) return {};
  if (value == 0) return "0";  // also turns -0 into "0"
  char buffer[400];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return {};
  return std::string(buffer, end);
}

}  // namespace core

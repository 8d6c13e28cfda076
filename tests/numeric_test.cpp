#include "core/numeric.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(NumericText, WritesTheShortestDecimalText) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {95, "95"},       {0, "0"},     {-0.0, "0"},         {-5, "-5"},
      {100 - 100, "0"}, {600, "600"}, {1e9, "1000000000"}, {-123456789012.0, "-123456789012"},
      {2.5, "2.5"},
  };
  for (const auto& c : cases) EXPECT_EQ(core::toText(c.value), c.text) << c.value;
}

TEST(NumericText, ReadsDecimalTextAndNothingElse) {
  EXPECT_EQ(core::toNumber("95"), 95);
  EXPECT_EQ(core::toNumber(" -5 "), -5);
  EXPECT_EQ(core::toNumber("+7"), 7);
  EXPECT_EQ(core::toNumber("0.5"), 0.5);
  for (const char* notANumber : {"", "  ", "abc", "1e5", "--1", "1-", ".", "0x10", "１", "5円"}) {
    const double n = core::toNumber(notANumber);
    EXPECT_TRUE(std::isnan(n)) << notANumber;
    // Text that is not a number equals no number and is neither less nor greater.
    EXPECT_FALSE(n == 0) << notANumber;
    EXPECT_FALSE(n < 1) << notANumber;
    EXPECT_FALSE(n > -1) << notANumber;
    EXPECT_FALSE(core::numberEquals(notANumber, 0)) << notANumber;
  }
}

TEST(NumericText, RoundTripsEveryValueTheGameReaches) {
  for (int v = -1000; v <= 100000; v += 7) {
    EXPECT_EQ(core::toNumber(core::toText(v)), v);
  }
}

}  // namespace

#include "foundation/numbers.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(Numbers, AcceptsSignedDecimalsOnly) {
  std::int32_t v = 0;
  EXPECT_TRUE(TryParseInt32("-12", v));
  EXPECT_EQ(v, -12);
  EXPECT_TRUE(TryParseInt32("+7", v));
  EXPECT_EQ(v, 7);
  for (const char* bad : {"", "+", "-", "12a", " 1", "1 ", "--1", "+-1", "$10", "1.0"}) {
    EXPECT_FALSE(TryParseInt32(bad, v)) << bad;
  }
}

TEST(Numbers, RangeLimits) {
  std::int32_t v = 0;
  EXPECT_TRUE(TryParseInt32("2147483647", v));
  EXPECT_TRUE(TryParseInt32("-2147483648", v));
  EXPECT_FALSE(TryParseInt32("2147483648", v));
  std::int64_t w = 0;
  EXPECT_TRUE(TryParseInt64("2147483648", w));
  EXPECT_FALSE(TryParseInt64("9223372036854775808", w));
}

}  // namespace
}  // namespace gleaner

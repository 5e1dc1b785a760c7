#include "script/detached_values.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace gleaner {
namespace {

// Values outside the variable are handed on as they are; values inside it
// are copied, and the copies stay what they were while the variable changes.
TEST(Detached, CopiesOnlyWhatLiesInTheVariable) {
  std::string variable = "abcdefghijklmnopqrstuvwxyz";
  const std::string other = "other";
  TDetached detach(variable);
  EXPECT_EQ(detach(std::string_view(other)).data(), other.data());
  EXPECT_EQ(detach(std::string_view()).size(), 0u);
  const std::string_view inside = detach(std::string_view(variable).substr(2, 3));
  EXPECT_NE(inside.data(), variable.data() + 2);
  variable.assign(100, 'z');
  EXPECT_EQ(inside, "cde");
}

// A nested use (an operation that detaches for an operation of its own)
// takes slots above the outer one's, so neither overwrites the other; every
// slot is given back when its TDetached ends, also when an error unwinds.
TEST(Detached, NestedUsesKeepTheirOwnCopies) {
  const std::size_t before = TDetached::SlotsInUse();
  std::string outerVar = "outer value with some length";
  TDetached outer(outerVar);
  const std::string_view first = outer(std::string_view(outerVar).substr(0, 5));
  {
    std::string innerVar = "inner value with some length";
    TDetached inner(innerVar);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(inner(std::string_view(innerVar).substr(0, 5)), "inner");
    EXPECT_EQ(TDetached::SlotsInUse(), before + 7);
    EXPECT_EQ(first, "outer");
  }
  const std::string_view second = outer(std::string_view(outerVar).substr(6, 5));
  EXPECT_EQ(first, "outer");
  EXPECT_EQ(second, "value");
  try {
    std::string thrown = "thrown away";
    TDetached failing(thrown);
    failing(std::string_view(thrown));
    throw std::runtime_error("unwind");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(TDetached::SlotsInUse(), before + 2);
  EXPECT_EQ(first, "outer");
}

}  // namespace
}  // namespace gleaner

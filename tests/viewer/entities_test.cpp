#include "viewer/entities.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(Entities, Replacement) {
  const std::pair<std::string, std::string> cases[] = {
      {"x&Sab", "x?ab"},
      {"&#153;", "\x99"},
      {"A &amp; B", "A & B"},
      {"&copy; 2024", "\xA9 2024"},
      {"&lt;B&gt;", "<B>"},
      {"a&mdash;b",
       "a\x97"
       "b"},
      {"a&nbsp;b", "a b"},
      {"&unknown; &", "&unknown; &"},
      // a name that matched is tried once more, so a doubled entity collapses
      {"&amp;amp;", "&"},
      {"&amp;amp;amp;", "&amp;"},
      {"&amp;lt;", "<"},  // and the later names are tried at the same place
      // only positions up to the fourth character from the end are scanned
      {"ab&S", "ab&S"},
      {"xx&lt", "xx&lt"},
  };
  for (const auto& [in, out] : cases) {
    std::string line = in;
    ReplaceEntities(line);
    EXPECT_EQ(line, out) << in;
  }
}

}  // namespace
}  // namespace gleaner

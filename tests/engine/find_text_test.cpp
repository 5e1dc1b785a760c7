#include "engine/find_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace gleaner {
namespace {

// Against std::string_view::find on generated texts over a small alphabet,
// so that near misses, overlaps and matches at both ends are frequent; every
// start position, past the end included, and finds of length 0 to 4.
TEST(FindText, AgreesWithTheStandardFind) {
  std::mt19937 random(13);
  const std::string alphabet = "ab;, ";
  const auto make = [&](std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string text = make(random() % 12);
    const std::string find = make(random() % 5);
    for (std::size_t from = 0; from <= text.size() + 1; ++from) {
      ASSERT_EQ(FindText(text, find, from), std::string_view(text).find(find, from))
          << "'" << text << "' '" << find << "' " << from;
    }
  }
}

TEST(FindText, FindsInLongTextsAndBytesAboveAscii) {
  std::string text(2'048'000, 'x');
  text.replace(text.size() - 3, 3, "\xE9y\xE9");
  EXPECT_EQ(FindText(text, "\xE9y", 0), text.size() - 3);
  EXPECT_EQ(FindText(text, "\xE9", text.size() - 2), text.size() - 1);
  EXPECT_EQ(FindText(text, "y\xE9x", 0), std::string_view::npos);
  EXPECT_EQ(FindText(text, "", text.size()), text.size());
}

}  // namespace
}  // namespace gleaner

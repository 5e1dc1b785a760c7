#include "viewer/textify.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(Textify, SuppressesNoiseAndKeepsWords) {
  struct TCase {
    std::string in;
    std::string out;
  };
  const TCase cases[] = {
      {"Hello world.", "Hello world."},
      // digits are noise; runs without a vowel after their first character go
      {"ab12cd", "a\xB7\xB7\xB7\xB7\xB7"},
      {"Data: 7 ok", "Data: \xB7 ok"},
      // two neighbouring high-bit characters are noise; one alone is a letter
      {"caf\xE9\xE8s", "c\xB7\xB7\xB7\xB7\xB7"},
      {"caf\xE9 ok", "caf\xE9 ok"},
      // two dots then a last character: kept only when a digit or upper case
      {"xy##Q", "x\xB7\xB7\xB7Q"},
      {"xy##q", "x\xB7\xB7\xB7\xB7"},
      {"", ""},
  };
  for (const TCase& c : cases) {
    std::string line = c.in;
    Textify(line);
    EXPECT_EQ(line, c.out) << c.in;
  }
}

}  // namespace
}  // namespace gleaner

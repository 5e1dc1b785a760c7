// The case-blind term search against the plain one: upper-case the whole
// line, then look for the term. Generated lines mix letter cases, the code
// page's letters whose cases differ in more than one bit, bytes that only
// look like letters to the wide test, and put the term at every place
// around the 16-byte blocks and the ends of the line.
#include "culler/folded_search.h"

#include <gtest/gtest.h>

#include <random>

#include "foundation/win1252.h"

namespace gleaner {
namespace {

using namespace std::string_view_literals;

bool PlainIn(std::string_view term, std::string_view line) {
  return AnsiUpperCase(line).find(term) != std::string::npos;
}

// Letters in both cases, their look-alikes under bit 0x20 ("@", "`", "[",
// "{", "\x00", " "), and the pairs Š/š, Œ/œ, Ÿ/ÿ and the caseless ß.
constexpr std::string_view kAlphabet = "aAbBcCmMoOsSeE@`[{ \x8a\x9a\x8c\x9c\x9f\xff\xdf\xc0\xe0\x01\x21\r\0\xb5zZ"sv;

std::string RandomText(std::mt19937& random, std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
  return text;
}

// A copy of the text with each letter's case chosen at random.
std::string RandomCase(std::mt19937& random, std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const std::string lower = AnsiLowerCase(std::string_view(&c, 1));
    if (random() % 2 == 0) c = lower[0];
  }
  return out;
}

TEST(FoldedTerm, AgreesWithThePlainSearchOnGeneratedLines) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 20000; ++round) {
    const std::string term = AnsiUpperCase(RandomText(random, 1 + random() % 20));
    std::string line = RandomText(random, random() % 70);
    if (random() % 2 == 0) {
      const std::size_t at = random() % (line.size() + 1);
      line.insert(at, RandomCase(random, term));
    }
    const TFoldedTerm folded(term);
    ASSERT_EQ(folded.In(line), PlainIn(term, line)) << "term '" << term << "' line '" << line << "'";
  }
}

TEST(FoldedTerm, FindsTheTermAtEveryPlaceOfTheLine) {
  for (const std::string_view term : {"C", "CAT", "MOOSE", "\x8a\x9f", "ELK ELK ELK ELK ELK"}) {
    const TFoldedTerm folded{std::string(term)};
    for (std::size_t length = 0; length <= 70; ++length) {
      for (std::size_t at = 0; at + term.size() <= length; ++at) {
        std::string line(length, 'x');
        line.replace(at, term.size(), AnsiLowerCase(term));
        ASSERT_TRUE(folded.In(line)) << term << " at " << at << " of " << length;
        line[at + term.size() - 1] = 'y';  // one byte short of the term
        ASSERT_EQ(folded.In(line), PlainIn(term, line)) << term << " cut at " << at << " of " << length;
      }
    }
  }
}

TEST(FoldedTerm, LettersWithTwoCasesOnly) {
  const struct {
    std::string_view term, line;
    bool found;
  } cases[] = {
      {"CAT", "a Cat here", true},    {"CAT", "c@t", false},           {"CAT", "cAt", true},
      {"\x8a", "x\x9ax", true},       {"\x8a", "x\xbax", false},       {"\x9f", "\xff", true},
      {"\xdf", "\xdf", true},         {"\xdf", "\xff", false},         {"A B", "a b", true},
      {"A B", "a\0b"sv, false},       {"MOOSE", "MOOS", false},        {"E", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TFoldedTerm(std::string(c.term)).In(c.line), c.found) << c.term << " in " << c.line;
    EXPECT_EQ(PlainIn(c.term, c.line), c.found) << c.term << " in " << c.line;
  }
}

// The longest line the reader delivers, with the term only at its very end.
TEST(FoldedTerm, LongestLine) {
  std::string line(2048000, 'c');
  const TFoldedTerm folded("CAT");
  EXPECT_FALSE(folded.In(line));
  line.replace(line.size() - 3, 3, "cAT");
  EXPECT_TRUE(folded.In(line));
  line[line.size() - 1] = 'u';
  EXPECT_FALSE(folded.In(line));
}

}  // namespace
}  // namespace gleaner

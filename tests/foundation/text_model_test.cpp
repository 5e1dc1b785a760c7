// The text model: case mapping, case-blind keys and character stepping in
// UTF-8, and the Windows-1252 model's bytes.
#include "foundation/text_model.h"

#include <gtest/gtest.h>

#include <random>

#include "foundation/utf8_chars.h"
#include "support/text_model_scope.h"

namespace gleaner {
namespace {

using Mapper = void (*)(std::string&);

std::string Mapped(Mapper map, std::string text) {
  map(text);
  return text;
}

struct CaseCase {
  const char* input;
  const char* upper;
  const char* lower;
  const char* capitalized;
};

TEST(TextModelUtf8, CaseMappingsKeepEveryCharacterValid) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  const CaseCase cases[] = {
      {"Café crème à Zoë", "CAFÉ CRÈME À ZOË", "café crème à zoë", "Café Crème À Zoë"},
      {"špička žluť œuvre", "ŠPIČKA ŽLUŤ ŒUVRE", "špička žluť œuvre", "Špička Žluť Œuvre"},
      {"straße", "STRAßE", "straße", "Straße"},                   // ß has no simple upper form
      {"ΣΟΦΊΑ σοφία", "ΣΟΦΊΑ ΣΟΦΊΑ", "σοφία σοφία", "ΣΟΦΊΑ Σοφία"},
      {"москва ЁЖ", "МОСКВА ЁЖ", "москва ёж", "Москва ЁЖ"},
      {"日本語 テキスト", "日本語 テキスト", "日本語 テキスト", "日本語 テキスト"},
      {"ǆungla", "ǄUNGLA", "ǆungla", "ǅungla"},                   // title case differs from upper
      {"ıİ\u212A", "ıİ\u212A", "ıİ\u212A", "ıİ\u212A"},  // ı, İ, the Kelvin sign: mappings that change byte length
      {"a\xC3(b\xFF\x80z", "A\xC3(B\xFF\x80Z", "a\xC3(b\xFF\x80z", "A\xC3(B\xFF\x80Z"},  // invalid bytes stay
      {"caf\xC3", "CAF\xC3", "caf\xC3", "Caf\xC3"},                // a sequence cut off at the end
  };
  for (const CaseCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(Mapped(TextUpperInPlace, c.input), c.upper);
    EXPECT_EQ(Mapped(TextLowerInPlace, c.input), c.lower);
    EXPECT_EQ(Mapped(TextCapitalizeInPlace, c.input), c.capitalized);
  }
}

TEST(TextModelWin1252, CaseMappingsAreTheCodePageBytes) {
  // "Café ŒUVRE ß" in Windows-1252; the same bytes read as UTF-8 would be invalid.
  const std::string text = "Caf\xE9 \x8C" "UVRE \xDF";
  EXPECT_EQ(Mapped(TextUpperInPlace, text), "CAF\xC9 \x8C" "UVRE \xDF");
  EXPECT_EQ(Mapped(TextLowerInPlace, text), "caf\xE9 \x9C" "uvre \xDF");
  EXPECT_EQ(Mapped(TextCapitalizeInPlace, "\xE9t\xE9 \xE0 z"), "\xC9t\xE9 \xC0 Z");
  EXPECT_EQ(CharCount(text), text.size());
  EXPECT_TRUE(TextSameFolded("caf\xE9", "CAF\xC9"));
  // UTF-8 "CAFÉ" lower-cased byte by byte, as a Windows-1252 run does: what a UTF-8 run must never do.
  EXPECT_EQ(Mapped(TextLowerInPlace, "CAF\xC3\x89"), "caf\xE3\x89");
}

// ASCII is mapped several bytes at a time: every ASCII byte, at every
// offset of texts of every short length, among characters beyond ASCII,
// maps as the same text mapped character by character.
TEST(TextModelUtf8, AsciiMapsAsCharacterByCharacter) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  const std::string others[] = {"\xC3\xA9", "\xC3\x89", "\xCF\x83", "\xE6\x97\xA5", "\xF0\x90\x90\xA8", "\xFF"};
  std::mt19937 random(5);
  for (int round = 0; round < 4000; ++round) {
    std::string text, upper, lower;
    for (std::size_t n = random() % 24; n > 0; --n) {
      std::string c(1, static_cast<char>(random() % 128));
      if (random() % 6 == 0) c = others[random() % std::size(others)];
      text += c;
      const bool ascii = static_cast<unsigned char>(c[0]) < 0x80;
      upper += ascii ? std::string(1, c[0] >= 'a' && c[0] <= 'z' ? c[0] - 32 : c[0]) : Mapped(TextUpperInPlace, c);
      lower += ascii ? std::string(1, c[0] >= 'A' && c[0] <= 'Z' ? c[0] + 32 : c[0]) : Mapped(TextLowerInPlace, c);
    }
    ASSERT_EQ(Mapped(TextUpperInPlace, text), upper) << text;
    ASSERT_EQ(Mapped(TextLowerInPlace, text), lower) << text;
  }
}

TEST(TextModelUtf8, CaseBlindKeys) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"café", "CAFÉ", true},   {"σοφία", "ΣΟΦΊΑ", true}, {"ς", "σ", true},  {"Москва", "МОСКВА", true},
      {"café", "cafe", false},  {"straße", "STRASSE", false}, {"a\xFF", "A\xFF", true},
      {"a\xFF", "a\xFE", false}, {"日本", "日本", true},    {"é", "e\xCC\x81", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(TextSameFolded(c.a, c.b), c.same);
    EXPECT_EQ(TextFolded(c.a) == TextFolded(c.b), c.same);
  }
  std::string key = "left over";
  TextFoldInto("žluť", key);
  EXPECT_EQ(key, "ŽLUŤ");
}

TEST(TextModelUtf8, CharactersCountAndStep) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  const std::string text = "aé日\xF0\x9F\x98\x80\xFFz";  // 1, 2, 3, 4 bytes, an invalid byte, 1
  EXPECT_EQ(CharCount(text), 6u);
  const std::size_t starts[] = {0, 1, 3, 6, 10, 11, 12};
  for (std::size_t n = 0; n < 7; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(CharOffset(text, n), starts[n]);
    EXPECT_EQ(CharsBefore(text, starts[n]), n);
    if (n > 0) {
      EXPECT_EQ(PreviousCharStart(text, starts[n]), starts[n - 1]);
    }
    if (n < 6) {
      EXPECT_EQ(CharBytes(text, starts[n]), starts[n + 1] - starts[n]);
    }
  }
  EXPECT_EQ(CharsBefore(text, 5), 3u);  // inside 日: it is the third character
  EXPECT_EQ(CharOffset(text, 99), text.size());
  // Overlong forms, surrogates and bytes past U+10FFFF are single invalid bytes.
  for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE0\x80\x80"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(CharCount(bad), std::string_view(bad).size());
  }
  const std::string lone = "\x80\x80";  // stepping back never merges stray continuation bytes
  EXPECT_EQ(PreviousCharStart(lone, 2), 1u);
}

TEST(TextModelUtf8, WideFormForCollation) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  std::wstring wide;
  TextWidenInto("é日\xE9", wide);
  EXPECT_EQ(wide, std::wstring({L'\u00E9', L'\u65E5', L'\u00E9'}));  // a stray byte is its code page letter
}

}  // namespace
}  // namespace gleaner

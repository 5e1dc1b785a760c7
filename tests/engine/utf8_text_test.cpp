// The engine's operations on data in a UTF-8 run: case, lengths, positions,
// widths, comparisons, patterns and case-blind keys count and change whole
// characters; the same words in a Windows-1252 run keep today's bytes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "engine/char_commands.h"
#include "engine/comparisons.h"
#include "engine/csv.h"
#include "engine/engine_state.h"
#include "engine/field_commands.h"
#include "engine/lookup_files.h"
#include "engine/parse.h"
#include "engine/scan_commands.h"
#include "support/error_text.h"
#include "support/text_model_scope.h"

namespace gleaner {
namespace {

class Utf8Text : public CommandTest {
 private:
  TTextModelScope model_{TextEncoding::kUtf8};
};
using Win1252Text = CommandTest;

TEST_F(Utf8Text, ChangeCaseOnEveryScript) {
  const char* cases[][5] = {
      // value, Uppercase, Lowercase, Capitalize, HardCaps
      {"CAFÉ crème à Zoë", "CAFÉ CRÈME À ZOË", "café crème à zoë", "CAFÉ Crème À Zoë", "Café Crème À Zoë"},
      {"ΟΔΥΣΣΕΥΣ ήρθε", "ΟΔΥΣΣΕΥΣ ΉΡΘΕ", "οδυσσευσ ήρθε", "ΟΔΥΣΣΕΥΣ Ήρθε", "Οδυσσευσ Ήρθε"},
      {"привет МИР", "ПРИВЕТ МИР", "привет мир", "Привет МИР", "Привет Мир"},
      {"日本語 テキスト", "日本語 テキスト", "日本語 テキスト", "日本語 テキスト", "日本語 テキスト"},
      {"straße", "STRAßE", "straße", "Straße", "Straße"},
      {"caf\xC3 \xFF\xE9t\xE9", "CAF\xC3 \xFF\xE9T\xE9", "caf\xC3 \xFF\xE9t\xE9", "Caf\xC3 \xFF\xE9T\xE9",
       "Caf\xC3 \xFF\xE9T\xE9"},  // invalid bytes stay and count as caseless
  };
  const char* modes[] = {"Uppercase", "Lowercase", "Capitalize", "HardCaps"};
  for (const auto& c : cases) {
    for (int m = 0; m < 4; ++m) EXPECT_EQ(ChangeCase(c[0], modes[m]), c[m + 1]) << c[0] << " " << modes[m];
  }
  std::string into = "a longer buffer that is reused";
  ChangeCaseInto(into, "žluť", "Uppercase");
  EXPECT_EQ(into, "ŽLUŤ");
}

TEST_F(Win1252Text, TheSameWordsGiveTodaysBytes) {
  EXPECT_EQ(ChangeCase("CAF\xC9 cr\xE8me \xE0 Zo\xEB", "HardCaps"), "Caf\xE9 Cr\xE8me \xC0 Zo\xEB");
  EXPECT_EQ(ChangeCase("CAF\xC3\x89", "Lowercase"), "caf\xE3\x89");  // UTF-8 bytes as code page letters
  EXPECT_EQ(Len("Caf\xC3\xA9"), "5");
  EXPECT_EQ(Cols("Caf\xC3\xA9", "4", "4"), "\xC3");
  EXPECT_EQ(Padded("\xC3\xA9", "3", "Left", "*"), "*\xC3\xA9");
  EXPECT_FALSE(Compare("Zo\xC3\xAB", "MATCHES", "Zo.", "MatchCase"));
  EXPECT_TRUE(Compare("Zo\xC3\xAB", "MATCHES", "Zo..", "MatchCase"));
}

TEST_F(Utf8Text, LengthsColumnsAndPadding) {
  EXPECT_EQ(Len("Café crème à Zoë"), "16");
  EXPECT_EQ(Len("日本語\xFF"), "4");
  const char* cols[][4] = {
      {"日本語テキスト", "2", "4", "本語テ"}, {"Zoë", "3", "9", "ë"}, {"Zoë", "4", "9", ""}, {"aé\xFF", "3", "3", "\xFF"},
  };
  for (const auto& c : cols) EXPECT_EQ(Cols(c[0], c[1], c[2]), c[3]) << c[0];
  const char* padded[][5] = {
      {"Zoë", "5", "Left", " ", "  Zoë"},
      {"Zoë", "6", "Center", "·*", "·Zoë··"},  // the pad character is the first character
      {"日本", "4", "Right", "。", "日本。。"},
      {"crème", "5", "Right", " ", "crème"},
  };
  for (const auto& c : padded) EXPECT_EQ(Padded(c[0], c[1], c[2], c[3]), c[4]) << c[0];
  EXPECT_EQ(AlphaNumPatt("Žluť 42 ß", std::nullopt), "AAAA NN ß");
}

TEST_F(Utf8Text, KeepAndTrimWholeCharacters) {
  const char* kept[][3] = {
      // variable, keep specification, result
      {"Café crème 42", "/az/é/è", "afécrème"},
      {"Café crème 42", "/09", "42"},  // an ASCII specification drops whole characters
      {"αβγ δεζ abc", "/αδ", "αβγδ"},   // a range of code points
      {"日本語、テキスト", "・日・語・、", "日語、"},  // a separator beyond ASCII
      {"aÿ" "bÃ", "/ÿ", "ÿ"},
  };
  for (const auto& k : kept) {
    std::string v = k[0];
    KeepChar(v, k[1]);
    EXPECT_EQ(v, k[2]) << k[0] << " " << k[1];
  }
  const char* trimmed[][3] = {
      {"——a——b——", "B—", "a——b"},
      {"——a——b——", "M—", "—a—b—"},
      {"ééaé", "LéAa", "é"},
      {"日日本日", "R日L本", "日日本"},
      {"  café, crème  ", "B A,", "café crème"},
  };
  for (const auto& t : trimmed) {
    std::string v = t[0];
    TrimChar(v, t[1]);
    EXPECT_EQ(v, t[2]) << t[0] << " " << t[1];
  }
  EXPECT_THAT(ErrorText([] {
                std::string v = "x";
                KeepChar(v, "/éèà");
              }),
              ::testing::HasSubstr("The keep specification (éèà) is not valid"));
  EXPECT_THAT(ErrorText([] {
                std::string v = "x";
                TrimChar(v, "Bé—");
              }),
              ::testing::HasSubstr("The remove list should have one or more pairs"));
  EXPECT_THAT(ErrorText([] {
                std::string v = "x";
                TrimChar(v, "éB");
              }),
              ::testing::HasSubstr("Unrecognized TrimChar specification"));
}

TEST_F(Utf8Text, ParsePositionsAndOccurrences) {
  struct {
    const char* source;
    const char* from;
    const char* to;
    const char* control;
    const char* result;
  } cases[] = {
      {"Café crème à Zoë", "6", "10", "", "crème"},
      {"Café crème à Zoë", "-3", "", "", "Zoë"},
      {"Café crème à Zoë", ">* ", "", "", "Zoë"},
      {"Café crème à Zoë", "2* ", "", "", "à Zoë"},
      {"Café crème à Zoë", "CRÈ", "À", "IgnoreCase", "me "},
      {"été en été", "é", "@*é", "Include", "été"},  // the To search starts after the From match
      {"日本語テキスト", "3", "-2", "", "語テキス"},
      {"日本語", "1", "1", "", "日"},
  };
  for (const auto& c : cases) {
    std::string source = c.source;
    EXPECT_EQ(Parse(source, c.from, c.to, *c.control ? c.control : "Exclude MatchCase"), c.result)
        << c.source << " " << c.from << " " << c.to;
  }
  std::string cut = "ab日本cd";
  EXPECT_EQ(Parse(cut, "3", "4", "Cut"), "日本");
  EXPECT_EQ(cut, "abcd");
  EXPECT_THAT(ErrorText([] {
                std::string s = "aéb";
                Parse(s, "é", "a");
              }),
              ::testing::HasSubstr("\"From\" position (3) exceeds \"To\" position (0)"));
  EXPECT_THAT(ErrorText([] {
                std::string s = "日本";
                Parse(s, "3", "");
              }),
              ::testing::HasSubstr("The positional decapsulator (3) points to a position after the end"));
}

TEST_F(Utf8Text, PlacesCountCharacters) {
  std::string target;
  const char* places[][4] = {
      // source, decapsulator, control, FindPosn
      {"Café crème à Zoë", "à", "", "12"},
      {"Café crème à Zoë", "à", "Exclude", "13"},
      {"Café crème à Zoë", "Zoë", "Exclude", "17"},
      {"Café crème à Zoë", "ZOË", "IgnoreCase", "14"},
  };
  for (const auto& p : places) {
    FindPosn(target, p[0], p[1], *p[2] ? p[2] : "Include MatchCase");
    EXPECT_EQ(target, p[3]) << p[1] << " " << p[2];
  }
  std::string inserted = "日本語";
  EXPECT_TRUE(Insert(inserted, "2", "—"));
  EXPECT_EQ(inserted, "日—本語");
  std::string overlaid = "日本語";
  EXPECT_TRUE(Overlay(overlaid, "2", "XY"));
  EXPECT_EQ(overlaid, "日XY");
  overlaid = "ab";
  EXPECT_TRUE(Overlay(overlaid, "b", "日本"));
  EXPECT_EQ(overlaid, "a日本");
  const TScanPosnResult hit = ScanPosn("Café crème", "First", "/CRÈ/zz");
  EXPECT_EQ(hit.Start + ".." + hit.End, "6..8");
  const TScanPosnResult last = ScanPosn("日本語テキスト", "Last", "→本→キ");
  EXPECT_EQ(last.Start + ".." + last.End, "5..5");
  EXPECT_EQ(ScanFollow("CAFÉ", "→café→1→thé→2", std::nullopt, "IgnoreCase"), "1");
}

TEST_F(Utf8Text, ComparisonsAndPatterns) {
  struct {
    const char* first;
    const char* word;
    const char* second;
    bool ignoreCase;
    bool holds;
  } cases[] = {
      {"CAFÉ", "=", "café", true, true},
      {"CAFÉ", "=", "café", false, false},
      {"ΣΟΦΊΑ", "^", "σοφ", true, true},
      {"Zoë", "LEN=", "3", false, true},
      {"日本", "SHORTER", "abc", false, true},
      {"Zoë", "MATCHES", "Zo.", false, true},
      {"Zoë", "MATCHES", "Zo..", false, false},
      {"日本語", "MATCHES", "[日月]本.", false, true},
      {"月本語", "MATCHES", "[^日]本語", false, true},
      {"日本語", "MATCHES", "[^日]本語", false, false},
      {"éèé", "MATCHES", "[éè]*", false, true},
      {"ééé", "MATCHES", "é*", false, true},
      {"éé\xA9", "MATCHES", "é*", false, false},  // a stray continuation byte is a character of its own
      {"CAFÈ", "MATCHES", "caf[éè]", true, true},
      {"x日y日z", "MATCHES", "x.*日z", false, true},
      {"x日y日z", "MATCHES", "x.y.z", false, true},
      {"a\xFF" "b", "MATCHES", "a.b", false, true},
      {"日本語", "COMPRISES", "本.$", false, true},
      {"b", "<", "é", false, true},  // the user's collation of the characters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Compare(c.first, c.word, c.second, c.ignoreCase ? "IgnoreCase" : "MatchCase"), c.holds)
        << c.first << " " << c.word << " " << c.second;
  }
}

TEST_F(Utf8Text, OutCsvWidthsCountCharacters) {
  Eng().Csv = TCsvState{};
  OutCSV("MaxWidth 3", "Control");
  OutCSV("", "Init");
  OutCSV("Zoë crème", "Unquoted");
  OutCSV("日本語テ", "Quoted");  // the quotes take two of the three
  EXPECT_EQ(Eng().Csv.Record, "Zoë,\"日\"");
  Eng().Csv = TCsvState{};
  OutCSV("MinWidth 5", "Control");
  OutCSV("", "Init");
  OutCSV("Zoë", "Unquoted");
  OutCSV("日", "Quoted");
  EXPECT_EQ(Eng().Csv.Record, "  Zoë,\"日  \"");
}

TEST_F(Utf8Text, LookupKeysIgnoreCaseByCharacter) {
  TLuKeys keys;
  EXPECT_TRUE(keys.Add("café", "1"));
  EXPECT_TRUE(keys.Add("σοφία", "2"));
  EXPECT_TRUE(keys.Add("cafe", "3"));
  EXPECT_FALSE(keys.Add("CAFÉ", "4"));
  EXPECT_EQ(keys.FindIgnoreCase("CaFÉ"), std::optional<std::string_view>("1"));
  EXPECT_EQ(keys.FindIgnoreCase("ΣΟΦΊΑ"), std::optional<std::string_view>("2"));
  EXPECT_EQ(keys.FindMatchCase("CAFÉ"), std::nullopt);
}

}  // namespace
}  // namespace gleaner

// Keep and delete lists in a UTF-8 run: case is ignored character by
// character, plain and pattern lists agree, and a line is never matched
// inside a character.
#include <gtest/gtest.h>

#include "culler/cull_list.h"
#include "culler/folded_search.h"
#include "foundation/text_model.h"
#include "support/text_model_scope.h"

namespace gleaner {
namespace {

// Whether the list keeps (or deletes) the line, as the handlers ask it.
bool Listed(std::string_view listText, bool patterns, bool matchCase, std::string_view line) {
  TCullList list;
  list.Build(listText, "Keep", patterns, matchCase);
  return list.Matches(list.NeedsUpperLine() ? TextFolded(line) : std::string(line));
}

TEST(Utf8Lists, CaseBlindListsMatchWholeCharacters) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  const std::string longLine = std::string(40, '.') + "ΣΟΦΊΑ and a Moose " + std::string(40, '-');
  struct {
    const char* list;
    const char* line;
    bool listed;
  } cases[] = {
      {"/café", "CAFÉ open", true},
      {"/café", "café closed", true},
      {"/café", "cafe", false},
      {"/ŽLUŤ/xyz", "špička žluť œuvre", true},
      {"/σοφία", longLine.c_str(), true},
      {"/moose", longLine.c_str(), true},
      {"/日本語&&/テキスト", "日本語 テキスト", true},
      {"/日本語&&/テキスト", "日本語 だけ", false},
      {"/\xA9", "café", false},  // a stray byte never matches inside a character
      {"/ß", "STRASSE", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " on " + c.line);
    EXPECT_EQ(Listed(c.list, false, false, c.line), c.listed);
    EXPECT_EQ(Listed(c.list, true, false, c.line), c.listed);  // the same words as patterns
  }
  EXPECT_FALSE(Listed("/café", false, true, "CAFÉ"));
  EXPECT_TRUE(Listed("/caf[éè] o", true, false, "CAFÈ OPEN"));
  EXPECT_TRUE(Listed("/\\t[^é]", true, false, "a\tb"));  // the tab escape keeps its lower-case t
}

TEST(Utf8Lists, FoldedTermsFindEveryPlace) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  for (const char* term : {"ÉTÉ", "E", "ÉT"}) {
    const TFoldedTerm folded(term);
    for (std::size_t at = 0; at < 40; ++at) {
      std::string line = std::string(at, 'x') + "été" + std::string(40 - at, 'y');
      SCOPED_TRACE(std::string(term) + " at " + std::to_string(at));
      EXPECT_EQ(folded.In(line), TextFolded(line).find(term) != std::string::npos);
    }
  }
}

}  // namespace
}  // namespace gleaner

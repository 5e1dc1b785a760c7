// Building keep and delete lists from their texts, and matching lines.
#include "culler/cull_list.h"

#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/pattern_matcher.h"

namespace gleaner {
namespace {

// "[A|B][C]": the groups and their terms; "absent" for an absent list.
std::string Dump(const TCullList& list) {
  if (!list.Present()) return "absent";
  std::string dump;
  for (const TListInList& group : list.Groups()) {
    dump += '[';
    for (std::size_t i = 0; i < group.Terms.size(); ++i) dump += (i > 0 ? "|" : "") + group.Terms[i];
    dump += ']';
  }
  return dump;
}

std::string Built(std::string_view text, bool matchCase = false) {
  TCullList list;
  list.Build(text, "Keep", false, matchCase);
  return Dump(list);
}

TEST(CullList, BuildsGroupsOfTerms) {
  const struct {
    const char* text;
    const char* dump;
  } cases[] = {
      {"/cat/moose", "[CAT|MOOSE]"},
      {"/cat/moose&&/big", "[CAT|MOOSE][BIG]"},
      {"/cat&&", "[CAT]"},
      {"/a&&&&/b", "[A][B]"},
      {"/a&&b", "[A]"},  // a group shorter than two characters is skipped
      {"/cat//dog/", "[CAT|DOG]"},
      {"/&&", ""},
      {"//", "[]"},
      {"//&&/a", "[][A]"},
      {",a,b&&,c/d", "[A|B][C/D]"},
      {"1a1b", "[A|B]"},  // characters the Parse routine would read as places
      {"<a<b&&<c", "[A|B][C]"},
      {"@a@b", "[A|B]"},
      {"-a-b", "[A|B]"},
      {"*a*b", "[A|B]"},
      {"x", "absent"},
      {"", "absent"},
      {"(Not used by this application)", "absent"},
      {"/caf\xE9", "[CAF\xC9]"},
      {"xaXbx", "[A|B]"},  // the delimiter is upper-cased with the rest
  };
  for (const auto& c : cases) EXPECT_EQ(Built(c.text), c.dump) << c.text;
  EXPECT_EQ(Built("/Cat/Dog&&x", true), "[Cat|Dog]") << "a one-character group is skipped";
}

TEST(CullList, GroupWithAnotherDelimiterStops) {
  TCullList list;
  try {
    list.Build("/cat&&|dog", "Delete", false, false);
    FAIL() << "no stop";
  } catch (const EParseStop& stop) {
    EXPECT_STREQ(stop.what(),
                 "A delimiter (/) is missing from the /Delete list\r\n\r\n"
                 "Note: You cannot switch delimiters within an Anding (&&) list");
  }
  list.Build("xa", "Keep", false, false);
  EXPECT_EQ(Dump(list), "[A]") << "an earlier partial build is replaced";
}

TEST(CullList, PatternListsHoldCompiledPrograms) {
  TCullList list;
  list.Build("/^b*c/a\\tb/x\\y", "Keep", true, false);
  EXPECT_EQ(Dump(list), "[" + CompilePattern("^B*C") + "|" + CompilePattern("A\\tB") + "|" +
                            CompilePattern("X\\Y") + "]");
  list.Build("/^*/^*x", "Keep", true, false);
  EXPECT_EQ(Dump(list), "[]") << "an empty program is dropped";
}

TEST(CullList, UpperCasingKeepsTheTabEscapeOfPatterns) {
  const struct {
    const char* text;
    bool patterns;
    const char* upper;
  } cases[] = {
      {"/a\\tb", true, "/A\\tB"}, {"/a\\tb", false, "/A\\TB"}, {"/\\\\t", true, "/\\\\T"},
      {"/x\\", true, "/X\\"},     {"\\t\\a", true, "\\T\\A"},  {"/\\a[\\t]", true, "/\\A[\\t]"},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    UpperCaseListText(text, c.patterns);
    EXPECT_EQ(text, c.upper) << c.text;
  }
}

TEST(CullList, PatternTermsAreSearchedAnywhere) {
  TCullList list;
  list.Build("/^ab/c.e$&&/[0-9]", "Keep", true, true);
  const struct {
    const char* line;
    bool matches;
  } cases[] = {{"ab1", true},  {"x1cde", true}, {"xab1", false},
               {"cde", false}, {"AB1", false},  {"1 cxe", true}};
  for (const auto& c : cases) EXPECT_EQ(list.Matches(c.line), c.matches) << c.line;
  list.Build("/a\\tb", "Keep", true, false);
  EXPECT_TRUE(list.Matches("A\tB"));
  EXPECT_FALSE(list.Matches("ATB"));
}

}  // namespace
}  // namespace gleaner

#include "engine/lookup_reader.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

struct ReadCase {
  std::string_view line;
  int keyField, dataField;
  std::string key, data;
};

TEST(LookupReader, FieldsQuotesAndEncodedCharacters) {
  const ReadCase cases[] = {
      {"abc, x ,\"d, e\"", 1, 3, "abc", "d, e"},          // field 2 read and discarded
      {"A$41,#66", 1, 2, "AA", "B"},                      // $41 ends at the comma
      {"A,#9,B", 1, 2, "A", "\t"},                        // tab as data
      {"x,y", 2, 1, "y", "x"},                            // key after data
      {"  a b ,  c  ", 1, 2, "ab", "c"},                  // blanks outside quotes dropped
      {"\"say \"\"hi\"\"\",x", 1, 2, "say \"hi\"", "x"},  // doubled quote inside quotes
      {"\"a$20\" \"b\",c", 1, 2, "a b", "c"},             // encoded inside quotes
      {"$4 1,x", 1, 2, "A", "x"},                         // blanks inside the encoded token
      {"$ff,$Fe", 1, 2, "\xff", "\xfe"},                  // hex digits in either case
      {"#0,#255", 1, 2, std::string(1, '\0'), "\xff"},
      {"#65\"b c\"#66,z", 1, 2, "Ab cB", "z"},  // encoded token ends at a quote
      {"k,v,never\"read", 1, 2, "k", "v"},      // rest of the line ignored
      {"#36#35#44#34,$2c", 1, 2, "$#,\"", ","},
      {"\"\",\"\"", 1, 2, "", ""},  // empty quoted fields
  };
  for (const ReadCase& c : cases) {
    std::string key = "old", data = "old", problem;
    ASSERT_TRUE(ReadLookupLine(c.line, c.keyField, c.dataField, key, data, problem))
        << c.line << ": " << problem;
    EXPECT_EQ(key, c.key) << c.line;
    EXPECT_EQ(data, c.data) << c.line;
  }
}

struct ProblemCase {
  std::string_view line;
  int keyField, dataField;
  std::string problem;
};

TEST(LookupReader, UnusableLinesReportTheExactProblem) {
  const ProblemCase cases[] = {
      {"k,$4142", 1, 2,
       "Invalid hex character $4142\r\nHex characters may not exceed two digits in length\r\n"
       "They are in the range $00 to $FF"},
      {"k,$G1", 1, 2, "Inappropriate character 'G' in hex character string $G1"},
      {"k,$1g", 1, 2, "Inappropriate character 'g' in hex character string $1g"},
      {"k,#256", 1, 2,
       "Decimal characters must be in the range #0 to #255\r\nThe value #256 falls outside this range"},
      {"k,#1234", 1, 2,
       "Invalid decimal character #1234\r\nDecimal characters may not exceed three digits in length\r\n"
       "They are in the range #0 to #255"},
      {"k,#1a", 1, 2, "Inappropriate character 'a' in decimal character string #1a"},
      {"k,# 2 5 6", 1, 2,
       "Decimal characters must be in the range #0 to #255\r\nThe value #256 falls outside this range"},
      {"k,#", 1, 2, "Incomplete $ (hex) or # (decimal) encoded data"},
      // An encoded token runs on to the next "$", "#", quote or comma, letters included.
      {"\"a$20b\",c", 1, 2,
       "Invalid hex character $20b\r\nHex characters may not exceed two digits in length\r\n"
       "They are in the range $00 to $FF"},
      {"k,$  ,x", 1, 2, "Incomplete $ (hex) or # (decimal) encoded data"},
      {"#$41,x", 1, 2, "Incomplete $ (hex) or # (decimal) encoded data"},  // "#" ends at "$"
      {"k", 1, 2, "Not enough fields to fulfill LookupFile specification\r\nAt least 2 fields were expected"},
      {"k,", 1, 2,
       "Not enough fields to fulfill LookupFile specification\r\nAt least 2 fields were expected"},
      {"a,b", 3, 1,
       "Not enough fields to fulfill LookupFile specification\r\nAt least 3 fields were expected"},
      {"\"a,b", 1, 2,
       "Not enough fields to fulfill LookupFile specification\r\nAt least 2 fields were expected"},
      {"", 1, 2, "Not enough fields to fulfill LookupFile specification\r\nAt least 2 fields were expected"},
  };
  for (const ProblemCase& c : cases) {
    std::string key, data, problem;
    EXPECT_FALSE(ReadLookupLine(c.line, c.keyField, c.dataField, key, data, problem)) << c.line;
    EXPECT_EQ(problem, c.problem) << c.line;
  }
}

}  // namespace
}  // namespace gleaner

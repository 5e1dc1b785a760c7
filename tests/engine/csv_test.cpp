#include "engine/csv.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/writer.h"
#include "support/error_text.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using Steps = std::vector<std::pair<std::string, std::string>>;  // OutCSV {value, mode} in order

// Each case starts from the CSV state of a freshly opened engine, with TEXT output.
class OutCsv : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().Csv = TCsvState{};
    Eng().InternalCall = false;
    Eng().OutputType = FileType::Text;
    OpenOutput(folder_.File("out.txt"));
  }
  void TearDown() override { CloseOutput(); }
  std::string Written() {
    FlushOutput();
    return testing::ReadFile(folder_.File("out.txt"));
  }
  static std::string Build(const Steps& steps) {
    Eng().Csv = TCsvState{};
    for (const auto& [value, mode] : steps) OutCSV(value, mode);
    return Eng().Csv.Record;
  }
  // As a script would: one mode plan per step, kept while the steps run
  // twice (the second time the plans hold every word); the second record.
  static std::string BuildPlanned(const Steps& steps) {
    std::vector<TCsvModePlan> plans(steps.size());
    for (int pass = 0; pass < 2; ++pass) {
      Eng().Csv = TCsvState{};
      for (std::size_t i = 0; i < steps.size(); ++i) OutCSV(steps[i].first, steps[i].second, &plans[i]);
    }
    return Eng().Csv.Record;
  }

 private:
  testing::TempFolder folder_;
};

TEST_F(OutCsv, Records) {
  const std::pair<Steps, std::string> cases[] = {
      {{{"", "Init"}, {"a", "Quoted"}, {"b\"c", ""}, {"12", "Unquoted"}}, "\"a\",\"b\"\"c\",12"},
      // separators
      {{{"TAB", "Init"}, {"a", "Unquoted"}, {"b", "Unquoted"}}, "a\tb"},
      {{{"crlf", "Init"}, {"a", "Unquoted"}, {"b", "Unquoted"}}, "a\r\nb"},
      {{{"Separator space", "Control"}, {"", "Init"}, {"a", "Unquoted"}, {"b", "Unquoted"}}, "a b"},
      {{{"Separator |", "Control"}, {";", "Init"}, {"a", "Unquoted"}, {"b", "Unquoted"}}, "a;b"},
      // widths: quoted fields leave room for their quotes
      {{{"MaxWidth 5", "Control"}, {"", "Init"}, {"abcdefg", "Quoted"}, {"abcdefg", "Unquoted"}},
       "\"abc\",abcde"},
      {{{"  MaxWidth   005 ", "Control"}, {"", "Init"}, {"abcdefg", "Unquoted"}}, "abcde"},
      {{{"MaxWidth -3", "Control"}, {"", "Init"}, {"abcdefg", "Unquoted"}}, "abcdefg"},
      {{{"MaxWidth 2", "Control"}, {"", "Init"}, {"abc", "Quoted"}, {"abc", "Unquoted"}}, "\"\",ab"},
      {{{"MinWidth 6", "Control"}, {"", "Init"}, {"42", "Unquoted"}, {"ab", "Quoted"}}, "    42,\"ab  \""},
      {{{"SetWidth +4", "Control"}, {"", "Init"}, {"abcdef", "Quoted"}, {"a", "Quoted"}}, "\"ab\",\"a \""},
      {{{"SetWidth 4", "Control"},
        {"QuoteChar none", "Control"},
        {"", "Init"},
        {"abcdef", "Quoted"},
        {"a", ""}},
       "abcd,a   "},
      // quote characters: a blank quote is never doubled
      {{{"QuoteChar '", "Control"}, {"", "Init"}, {"it's \"x\"", "Quoted"}}, "'it''s \"x\"'"},
      {{{"QuoteChar SPACE", "Control"}, {"", "Init"}, {"a b", "Quoted"}}, " a b "},
      // nulls: a zero or empty count still uses up the first-field flag
      {{{"", "Init"}, {"a", "Unquoted"}, {"007", "Nulls"}, {"x", "Unquoted"}}, "a,,,,,,,,x"},
      {{{"", "Init"}, {"0", "Nulls"}, {"x", "Unquoted"}}, ",x"},
      {{{"", "Init"}, {"1000", "Nulls"}}, std::string(999, ',')},
      // modes: "...", "+" and "-"; nothing is added before an Init
      {{{"", "Init"}, {"a", "Unquoted..."}, {"b", ""}, {"c", "..."}, {"d", "Quoted"}}, "a,b,c,\"d\""},
      {{{"", "Init"}, {"", "-Stop"}, {"a", "Unquoted..."}, {"b", "+"}}, "\"b\""},
      {{{"a", "Quoted"}, {"b", "Unquoted"}, {"3", "Nulls"}}, ""},
      {{{"Separator ;", "Control"},
        {"MaxWidth 1", "Control"},
        {"", "Init"},
        {"ab", "Unquoted"},
        {"cd", "Quoted"}},
       "a;\"\""},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Build(cases[i].first), cases[i].second) << i;
    EXPECT_EQ(BuildPlanned(cases[i].first), cases[i].second) << i;
  }
}

// Fixed-mode plans, as a script line with a literal mode has, against no
// plan on generated step lists: quote characters in the values (also as the
// quote), empty values and modes, "+", "-", "...", Nulls, failing words, and
// values that reach the record's 2,048,000-character limit. The records,
// what was written and every error agree, also when the plans are reused.
TEST_F(OutCsv, FixedModePlansAgreeWithNoPlan) {
  const char* const modes[] = {"Quoted", "Unquoted", "", "Quoted...", "Unq...", "...", "+Quoted", "-Unquoted",
                               "+", "Nulls", "Stop", "Bogus", "Quo", "Init", "Done"};
  const std::string values[] = {"", "a", "\"", "say \"hi\"", "it's", "2", "a,b", " ",
                                std::string(kMaxCsvRecordLength - 4, 'x')};
  const char* const controls[] = {"QuoteChar '", "QuoteChar SPACE", "QuoteChar none", "Separator ;", "MaxWidth 4"};
  std::mt19937 random(11);
  std::vector<std::int64_t> ends = {Eng().BytesOut};  // where each run's output ends
  for (int round = 0; round < 300; ++round) {
    Steps steps = {{"", "Init"}};
    if (random() % 3 == 0) steps.insert(steps.begin(), {controls[random() % std::size(controls)], "Control"});
    // Few rounds reach the limit, so the output stays small.
    const std::size_t valueCount = round % 50 == 0 ? std::size(values) : std::size(values) - 1;
    for (std::size_t n = random() % 12; n > 0; --n) {
      steps.push_back({values[random() % valueCount], modes[random() % std::size(modes)]});
    }
    // The outcome of each step: the record so far, or the error.
    // One plan per mode, as one script line run again and again under a
    // changing default mode.
    const auto outcomes = [&](std::map<std::string, TCsvModePlan>* plans) {
      std::string all;
      Eng().Csv = TCsvState{};
      for (std::size_t i = 0; i < steps.size(); ++i) {
        TCsvModePlan* plan = nullptr;
        if (plans != nullptr) {
          plan = &(*plans)[steps[i].second];
          if (!plan->Ready) plan->FixedMode = true;
        }
        all += ErrorTextOrEmpty([&] { OutCSV(steps[i].first, steps[i].second, plan); });
        all += Eng().Csv.Record.substr(0, 40) + std::to_string(Eng().Csv.Record.size()) + "|";
      }
      ends.push_back(Eng().BytesOut);
      return all;
    };
    std::map<std::string, TCsvModePlan> plans;
    const std::string plain = outcomes(nullptr);
    ASSERT_EQ(outcomes(&plans), plain) << round;
    ASSERT_EQ(outcomes(&plans), plain) << round;
  }
  // Each round's three runs wrote the same lines.
  const std::string written = Written();
  const auto run = [&](std::size_t i) { return written.substr(ends[i] - ends[0], ends[i + 1] - ends[i]); };
  for (std::size_t i = 0; i + 3 < ends.size(); i += 3) {
    ASSERT_EQ(run(i + 1), run(i)) << i / 3;
    ASSERT_EQ(run(i + 2), run(i)) << i / 3;
  }
}

// One plan handed changing words, the default mode changing under an empty
// word, and a failing word that is reported on every call.
TEST_F(OutCsv, PlanFollowsTheWordsItIsGiven) {
  TCsvModePlan plan;
  Eng().Csv = TCsvState{};
  OutCSV("", "Init", &plan);
  for (const char* mode : {"Quoted", "Unquoted...", "", "Quoted...", "", "+Unq", "-Quo", "Quoted"}) {
    OutCSV("a", mode, &plan);
  }
  EXPECT_EQ(Eng().Csv.Record, "\"a\",a,a,\"a\",\"a\",a");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(ErrorText([&] { OutCSV("a", "Bogus", &plan); }),
              "Unrecognized word (BOGUS) in OutCSV control setting:  'Bogus'\r\n\r\n"
              "Available options are:  Control Done Init Nulls Quoted Stop Unquoted");
  }
}

// A field taken from the record itself is added as the record stood.
TEST_F(OutCsv, FieldFromTheRecordItself) {
  Build({{"", "Init"}, {"ab", "Unquoted"}});
  OutCSV(Eng().Csv.Record, "Quoted");
  EXPECT_EQ(Eng().Csv.Record, "ab,\"ab\"");
  OutCSV(std::string_view(Eng().Csv.Record).substr(3, 4), "Unquoted");
  EXPECT_EQ(Eng().Csv.Record, "ab,\"ab\",\"ab\"");
}

// The same when the record must grow for the field and so moves: a record
// large enough that its old storage goes back to the system at once, so a
// field read from there after the move fails even without the sanitizers.
TEST_F(OutCsv, FieldFromTheRecordItselfWhileTheRecordMoves) {
  std::string start;
  for (int i = 0; start.size() < 300000; ++i) start += std::to_string(i) + ";";
  Build({{"", "Init"}, {start, "Unquoted"}});
  Eng().Csv.Record.shrink_to_fit();
  OutCSV(Eng().Csv.Record, "Quoted");
  const std::string twice = start + ",\"" + start + "\"";
  ASSERT_TRUE(Eng().Csv.Record == twice);
  Eng().Csv.Record.shrink_to_fit();
  OutCSV(std::string_view(Eng().Csv.Record).substr(1, start.size()), "Unquoted");
  EXPECT_TRUE(Eng().Csv.Record == twice + "," + start.substr(1) + ",");
}

TEST_F(OutCsv, DoneWritesAndKeepsTheRecord) {
  Build(
      {{"", "Init"}, {"a", "Quoted"}, {"", "Done"}, {"b", "Quoted"}, {"", "Done"}, {"", "Stop"}, {"c", ""}});
  EXPECT_EQ(Written(), "\"a\"\r\n\"a\"\"b\"\r\n");
  EXPECT_EQ(Eng().Csv.Record, "\"a\"\"b\"\"c\"");
  EXPECT_EQ(Eng().CurrentCommand, Cmd::OutCSV);
  EXPECT_FALSE(Eng().InternalCall);
}

TEST_F(OutCsv, Errors) {
  EXPECT_EQ(ErrorText([] {
              Build({{"MaxWidth", "Control"}});
            }),
            "Error in OutCSV command\r\n\r\nInvalid parameter in OutCSV control\r\nMissing value\r\n\r\n"
            "Parameters:\r\nParm1: 'MaxWidth'\r\nParm2: 'Control'");
  EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
  EXPECT_EQ(ErrorText([] {
              Build({{"", "Init"}, {"x", "Nulls"}});
            }),
            "Error in OutCSV command\r\n\r\nNon-numeric setting in OutCSV Nulls command\r\n\r\n"
            "Parameters:\r\nParm1: 'x'\r\nParm2: 'Nulls'");
  const std::pair<Steps, std::string> cases[] = {
      {{{"MaxWidth x", "Control"}}, "control\r\nParameter is not numeric\r\n"},
      {{{"QuoteChar ab", "Control"}},
       "control\r\nQuoteChar must be one character long, or SPACE, or NONE\r\n"},
      {{{"Colour red", "Control"}}, "Unrecognized word (COLOUR) in OutCSV control setting:  'Colour'"},
      {{{"", "Init"}, {"1001", "Nulls"}}, "Excessively large setting for OutCSV Nulls command"},
      {{{"", "Init"}, {"99999999999999999999", "Nulls"}},
       "Excessively large setting for OutCSV Nulls command"},
      {{{"a", ""}}, "The option specified was: ''\r\nAvailable options are:  Control Done Init Nulls Quoted"},
  };
  for (const auto& [steps, message] : cases) {
    EXPECT_NE(ErrorText([&] { Build(steps); }).find(message), std::string::npos) << message;
  }
}

TEST_F(OutCsv, RecordStaysWithinItsLimit) {
  Build({{"", "Init"}, {"a", "Unquoted"}});
  OutCSV("MinWidth 3000000", "Control");
  EXPECT_EQ(ErrorText([] { OutCSV("b", "Quoted"); }),
            "Error in OutCSV command\r\n\r\nThe OutCSV record would exceed 2048000 characters\r\n\r\n"
            "Parameters:\r\nParm1: 'b'\r\nParm2: 'Quoted'");
  EXPECT_EQ(Eng().ErrorKind, kErrDataBuffer);
  OutCSV("MinWidth 5000", "Control");
  EXPECT_NE(ErrorText([] { OutCSV("1000", "Nulls"); }).find("would exceed"), std::string::npos);
  OutCSV("20", "Nulls");
  EXPECT_EQ(Eng().Csv.Record.size(), 1 + 20 * 5001u);
}

TEST(SplitCsv, QuotesAndSeparators) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"a,\"b,c\",d", "|", ","}, "a|b,c|d"},
      {{"\"say \"\"hi\"\"\",x", "|", ","}, "say \"hi\"|x"},
      {{"\"abc,d", "|", ","}, "abc,d"},  // an unbalanced quote runs to the end
      {{"\"a\"\"", "|", ","}, "a\""},
      {{"a;b,c", "<>", ";"}, "a<>b,c"},
      {{"a,b", "|", ",,"}, "a,b"},  // a longer old separator never matches
  };
  for (const auto& [p, result] : cases) EXPECT_EQ(SplitCSV(p[0], p[1], p[2]), result) << p[0];
  EXPECT_EQ(SplitCSV("x,\"y\""), "x\ry");
}

}  // namespace
}  // namespace gleaner

// Scripts compiled from files and run over real input files through the
// engine's run lifecycle, checking the output bytes.
#include "script/executor.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/calc.h"
#include "engine/char_commands.h"
#include "engine/comparisons.h"
#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/io_fixture.h"
#include "engine/lifecycle.h"
#include "engine/lookup_files.h"
#include "script/compiler.h"
#include "script/step_runner.h"
#include "support/error_text.h"
#include "support/temp_folder.h"
#include "support/text_model_scope.h"

namespace gleaner {
namespace {

// A temporary home folder, fake ports and a known program information record
// (from the input and output fixture), plus a reporter that collects messages.
class ScriptRun : public testing::IoTest {
 protected:
  void SetUp() override {
    EngineInfo().CfgSettableList = "/$CfgCaptionX";
    SetErrorReporter([this](const std::string& message) { reported.push_back(message); });
  }
  void TearDown() override {
    SetErrorReporter(nullptr);
    FreeCompiledScript();
    SetScriptActive(false);
  }

  static void Steps() {
    TRunHandlers scriptOnly;
    RunSteps(scriptOnly);
  }

  // Compiles the script, runs it over input and returns the output bytes.
  std::string Run(const std::string& script, const std::string& input = "r1\r\nr2\r\n") {
    testing::WriteFile(Home("ScrTest.txt"), script);
    testing::WriteFile(Home("In.txt"), input);
    if (!PrepareScript(Home("ScrTest.txt"))) {
      ADD_FAILURE() << "compile failed: " << (reported.empty() ? "" : reported.back());
      return {};
    }
    OpenEngine(Home("In.txt"), Home("Out.txt"));
    BeginRun(true);
    try {
      Steps();
    } catch (...) {
      EndRun();
      CloseEngine();
      throw;
    }
    EndRun();
    CloseEngine();
    return testing::ReadFile(Home("Out.txt"));
  }

  // The message of the engine error the run ends with.
  std::string RunError(const std::string& script, const std::string& input = "r1\r\n") {
    return ErrorText([&] { Run(script, input); });
  }

  std::vector<std::string> reported;
};

TEST_F(ScriptRun, SectionsRunInOrderAroundTheRecords) {
  EXPECT_EQ(Run("TaskDone\nOutEnd 'TD'\nEnd\nFileInit\nOutEnd 'FI ' $ReadLines\nEnd\n"
                "OutEnd $StepName ':' $OutData\nTaskInit\nOutEnd 'TI'\nEnd\nFileDone\nOutEnd 'FD'\nEnd\n"),
            "TI\r\nFI 0\r\nMain:r1\r\nMain:r2\r\nFD\r\nTD\r\n");
}

TEST_F(ScriptRun, WithoutAScriptRecordsGoStraightToTheOutput) {
  testing::WriteFile(Home("In.txt"), "a\r\nb\r\n");
  ASSERT_TRUE(PrepareScript("None"));
  OpenEngine(Home("In.txt"), Home("Out.txt"));
  BeginRun(true);
  Steps();
  EndRun();
  CloseEngine();
  EXPECT_EQ(testing::ReadFile(Home("Out.txt")), "a\r\nb\r\n");
}

TEST_F(ScriptRun, NestedBeginElseEnd) {
  const std::string script =
      "Begin $Data = 'r1'\n"
      "  Begin $Data[2] = '1'\n  OutEnd 'one'\n  Else\n  OutEnd 'never'\n  End\n"
      "Else\n  OutEnd 'other ' $Data\nEnd\n";
  EXPECT_EQ(Run(script), "one\r\nother r2\r\n");
}

TEST_F(ScriptRun, LoopsWithBreakAndContinue) {
  const std::string script =
      "TaskInit\n"
      "I = 0\n"
      "Begin\n"
      "  I = Calc I + 1\n"
      "  If I = 2 Continue\n"
      "  Begin I = 4\n    Break\n  End\n"
      "  Output I ','\n"
      "Again I #< 10\n"
      "OutEnd '.'\n"
      "Done\n"
      "End\n"
      "NextStep\n";
  EXPECT_EQ(Run(script), "1,3,.\r\n");
}

TEST_F(ScriptRun, ProceduresWithCallAndExit) {
  const std::string script =
      "Procedure P\n"
      "  Output '<' P\n"
      "  If P = 'ab' Exit\n"
      "  Output '!'\n"
      "End\n"
      "TaskInit\nCall P 'a' 'b'\nCall P 'x'\nOutEnd '>'\nEnd\n"
      "NextStep\n";
  EXPECT_EQ(Run(script), "<ab<x!>\r\n");
}

TEST_F(ScriptRun, FiftyNestedCallsWorkAndTheFiftyFirstFails) {
  auto script = [](int limit) {
    return "Procedure P\n"
           "  N = Calc N + 1\n"
           "  If N #< Limit Call P\n"
           "End\n"
           "TaskInit\nLimit = " +
           std::to_string(limit) + "\nN = 0\nCall P\nOutEnd N\nEnd\nNextStep\n";
  };
  EXPECT_EQ(Run(script(50)), "50\r\n");
  EXPECT_EQ(RunError(script(51)), "Script error\r\n\r\nLine 3 of " + Home("ScrTest.txt") +
                                      "\r\n\r\nExceeded maximum nesting of 50 Calls");
  EXPECT_EQ(Eng().ErrorKind, kErrScript);
}

TEST_F(ScriptRun, IfAndOtherwiseChains) {
  const std::string script =
      "If $Data = 'r1' OutEnd 'yes'\nOtherwise Output 'no'\nOtherwise OutEnd '-no'\n";
  EXPECT_EQ(Run(script), "yes\r\nno-no\r\n");
}

TEST_F(ScriptRun, NextRecordNextStepAndStop) {
  EXPECT_EQ(Run("If $Data = 'r1' NextRecord\nOutEnd $Data\n"), "r2\r\n");
  EXPECT_EQ(Run("OutEnd $Data\nNextStep\nFileDone\nOutEnd 'fd'\nEnd\n", "a\nb\nc\n"), "a\r\nfd\r\n");
  EXPECT_THROW(Run("OutEnd $Data\nStop\n"), EParseStop);
  EXPECT_EQ(testing::ReadFile(Home("Out.txt")), "r1\r\n");
}

TEST_F(ScriptRun, ArraysRangesAndSteps) {
  const std::string script =
      "TaskInit\n"
      "I = 1\nX(I) = 'one'\nI = 2\nOutEnd X(1) ' ' X(I) ' ' X('1')\n"
      "$NotDefined = ''\nJ = 7\nOutEnd '[' X(J) ']'\n"
      "Y = 'abcdef'\nOutEnd Y[2 4] '|' Y[5 99] '|' Y[9] '|' Y[0 2]\n"
      "N = 41\nOutEnd N+ ' ' N ' ' N-\n"
      "End\nNextStep\n";
  EXPECT_EQ(Run(script), "one [ND] one\r\n[]\r\nbcd|ef||ab\r\n42 41 40\r\n");
  EXPECT_EQ(RunError("TaskInit\nN = '4a'\nOutEnd N+\nEnd\n"),
            "Cannot increment variable N -- it is not numeric:\r\n\r\n4a");
}

TEST_F(ScriptRun, AssigningDataChangesTheEngineRecord) {
  Run("$Data = 'changed'\n");
  EXPECT_EQ(Eng().PreviousRecord, "changed");  // the last record, as the final read left it
}

TEST_F(ScriptRun, QueFollowsCompareCtrl) {
  const std::string script =
      "TaskInit\nCompareCtrl 'MatchCase'\nA = Que 'a' = 'A'\nCompareCtrl 'ignorecase'\nB = Que 'a' = 'A'\n"
      "OutEnd A B\nEnd\nNextStep\n";
  EXPECT_EQ(Run(script), "NY\r\n");
  EXPECT_EQ(RunError("TaskInit\nCompareCtrl 'Sloppy'\nEnd\n"),
            "Script error\r\n\r\nLine 2 of " + Home("ScrTest.txt") +
                "\r\n\r\nUnrecognized CompareCtrl parameter (Sloppy)\r\nValid choices are IgnoreCase and MatchCase");
}

TEST_F(ScriptRun, ReservedCommandsFailOnlyWhenRun) {
  EXPECT_EQ(Run("If $Data = 'zz' Rewind X\nOutEnd $Data\n"), "r1\r\nr2\r\n");
  EXPECT_EQ(RunError("Rewind X\n"), "Command not yet supported\r\n\r\nRewind");
  EXPECT_EQ(Eng().ErrorKind, kErrNotSupported);
}

TEST_F(ScriptRun, OnlyTheFirstOfTwoSectionsRuns) {
  EXPECT_EQ(Run("FileInit\nOutEnd '1'\nEnd\nFileInit\nOutEnd '2'\nEnd\nNextStep\n"), "1\r\n");
}

// Que, ScanFollow and OutCSV only read their first parameter: its range and
// step count as for any value, and the variable keeps its text. A command
// that writes its first parameter (Change) works on the whole variable.
TEST_F(ScriptRun, RangeAndStepOnTheFirstParameterOfReadingCommands) {
  const std::string script =
      "TaskInit\n"
      "X = 'abc'\nN = 4\n"
      "A = Que X[1 2] = 'ab'\nB = Que X = 'ab'\nC = Que N+ #= '5'\nD = Que N- #= '3'\n"
      "OutEnd A B C D ' ' X ' ' N\n"
      "K = 'Mon'\nF = ScanFollow K[1 2] '/Mo/one/Mon/two'\nG = ScanFollow K[3] '/Mon/whole/n/third'\n"
      "OutEnd F '|' G '|' K\n"
      "OutCSV '' 'Init'\nOutCSV X[2 3]\nOutCSV N+\nOutCSV X[1] '' X[3]\nOutCSV '' 'Done'\n"
      "Change X[1 2] 'c' 'Z'\nOutEnd X\n"
      "End\nNextStep\n";
  EXPECT_EQ(Run(script), "YNYY abc 4\r\none|third|Mon\r\n\"bc\",\"5\",\"ac\"\r\nabZ\r\n");
}

TEST_F(ScriptRun, SurplusParametersOfQueStoreY) {
  EXPECT_EQ(Run("TaskInit\nA = Que 'a' = 'b' 'MatchCase' 'x'\nOutEnd A\nEnd\nNextStep\n"), "Y\r\n");
}

TEST_F(ScriptRun, PrepareScriptRefusesWildcardsAndMissingFiles) {
  EXPECT_FALSE(PrepareScript("Scr*.txt"));
  EXPECT_FALSE(PrepareScript(Home("NoSuchScript.txt")));
  ASSERT_EQ(reported.size(), 2u);
  EXPECT_EQ(reported[0], "You cannot use the wildcard characters ? * ; in the script file name\r\n\r\nScr*.txt");
  EXPECT_EQ(reported[1], "Script file not found\r\n\r\n" + Home("NoSuchScript.txt"));
  EXPECT_TRUE(PrepareScript("None"));
  EXPECT_FALSE(ScriptActive());
}

TEST_F(ScriptRun, BreakInsideANestedBlockLeavesProceduresWorking) {
  // The block opened inside the loop closes with the Break, so the
  // procedure's End still returns to its caller.
  const std::string script =
      "Procedure P\n"
      "  Begin\n    Begin 'x' = 'x'\n      Break\n    End\n  Again\n"
      "  Output 'in'\n"
      "End\n"
      "TaskInit\nCall P\nOutEnd ' back'\nEnd\nNextStep\n";
  EXPECT_EQ(Run(script), "in back\r\n");
}

// The user's promise, however often the run yields: a Cancel pressed while
// the second record is processed ends the run there, and what was written
// before it stays.
TEST_F(ScriptRun, CancelDuringARecordKeepsTheOutput) {
  ports_.pump.onPump = [](int) {
    if (Eng().RecordCount == "2") Eng().CancelRequested = true;
  };
  EXPECT_EQ(RunError("OutEnd $Data\n", "a\nb\nc\nd\ne\nf\n"), "Processing cancelled\r\n\r\nOutput may be incomplete");
  const std::string out = testing::ReadFile(Home("Out.txt"));
  EXPECT_TRUE(out == "a\r\n" || out == "a\r\nb\r\n") << out;
}

// Parse and OutCSV lines handed other settings on every record: each record
// is read with its own, never with those a line kept from the record before.
TEST_F(ScriptRun, CommandSettingsFollowEveryRecord) {
  const std::string script =
      "R = $Data\nS = Parse R '' '|' 'Cut'\nF = Parse R '' '|' 'Cut'\nT = Parse R '' '|' 'Cut'\n"
      "C = Parse R '' '|' 'Cut'\nP = Parse S F T C\n"
      "OutCSV '' 'Init'\nOutCSV P R\nOutCSV S 'Unquoted'\nOutCSV '' 'Done'\n";
  const std::string input =
      "Name: W, D|Name: |,||Quoted\r\na;b;c|;|@*;||Unquoted\r\nAbC|b|||Quoted...\r\n"
      "AbC|B||IgnoreCase|\r\nAbC|B|||Unq\r\n";
  EXPECT_EQ(Run(script, input), "\"W\",Name: W, D\r\nb,a;b;c\r\n\"C\",AbC\r\n\"C\",AbC\r\n,AbC\r\n");
  EXPECT_EQ(RunError(script, "abc|b|||Quoted\r\nabc|0*b|||Quoted\r\n"),
            "Error in Parse command\r\n\r\nInvalid decapsulator: 0*b\r\n"
            "0 (zero) cannot be used as an occurrence number\r\n\r\n"
            "Parameters:\r\nParm1: 'abc'\r\nParm2: '0*b'\r\nParm3: ''\r\nParm4: ''");
}

// Literal settings (read once per line, results written straight into the
// target) against the same settings in variables and results that go
// through a line's own buffer (the target is also the source or a
// parameter), on generated records: letter case, empty fields and lines,
// missing delimiters, quotes in the values.
TEST_F(ScriptRun, LiteralSettingsAgreeWithSettingsInVariables) {
  const std::string literals =
      "Sur = Parse $Data 'Name: ' '@*,'\n"
      "First = Parse $Data ', ' '@*;'\n"
      "Age = Parse $Data 'age: ' '@*;' 'IgnoreCase'\n"
      "Rest = Parse $Data 'City: ' '' 'Relaxed'\n"
      "OutCSV '' 'Init'\nOutCSV Sur 'Quoted'\nOutCSV First 'Quoted...'\nOutCSV Age 'Unquoted'\n"
      "OutCSV Rest ''\nOutCSV '' 'Done'\n";
  const std::string variables =
      "F = 'Name: '\nT = '@*,'\nQ = 'Quoted'\nD = 'Quoted...'\nU = 'Unquoted'\nC = 'IgnoreCase'\n"
      "F = Parse $Data F T\n"
      "First = $Data\nFirst = Parse First ', ' '@*;'\n"
      "Age = Parse $Data 'age: ' '@*;' C\n"
      "Rest = Parse $Data 'City: ' '' 'Relaxed'\n"
      "OutCSV '' 'Init'\nOutCSV F Q\nOutCSV First D\nOutCSV Age U\nOutCSV Rest\nOutCSV '' 'Done'\n";
  const char* const pieces[] = {"Name: ", "name: ", "Walker", "\"Jo\"", ", ", ",", "; ", ";",
                                "Age: ", "AGE: ", "57", "City: ", "Vilnius", ""};
  std::mt19937 random(5);
  std::string input = "Name: Walker, Deborah; Age: 57; City: Vilnius\r\n\r\n";
  for (int i = 0; i < 300; ++i) {
    for (std::size_t n = random() % 10; n > 0; --n) input += pieces[random() % std::size(pieces)];
    input += "\r\n";
  }
  // The output, and the error that ended the run, if any.
  const auto outcome = [&](const std::string& script) {
    const std::string error = ErrorTextOrEmpty([&] { Run(script, input); });
    return testing::ReadFile(Home("Out.txt")) + error;
  };
  const std::string output = outcome(literals);
  EXPECT_EQ(output.substr(0, 44), "\"Walker\",\"Deborah\",57,\"Vilnius\"\r\n\"\",\"\",,\"\"\r\n");
  EXPECT_GT(output.size(), 3000u);
  EXPECT_EQ(outcome(variables), output);
}

// One value assigned straight against the same through the join of two
// (the second empty): a range of the target itself, a step, a special
// variable, the target assigned to itself.
TEST_F(ScriptRun, SingleValueAssignmentsAgreeWithJoins) {
  const std::string single =
      "X = $Data\nX = X[2 9]\nOutput X '|'\nY = X\nY = Y\nOutput Y '|'\nN = $ReadLines\nN = N+\n"
      "Output N '|'\n$Data = X[3]\nOutEnd $Data\n";
  std::string joined;
  for (std::size_t at = 0, end; (end = single.find('\n', at)) != std::string::npos; at = end + 1) {
    const std::string line = single.substr(at, end - at);
    joined += line + (line.find(" = ") != std::string::npos ? " ''\n" : "\n");
  }
  const std::string input = "abcdefghijk\r\n\r\nxy\r\n";
  EXPECT_EQ(Run(single, input), "bcdefghi|bcdefghi|2|d\r\n||3|\r\n" "y|y|4|\r\n");
  EXPECT_EQ(Run(joined, input), Run(single, input));
}

}  // namespace
}  // namespace gleaner

namespace gleaner {
namespace {

// What a script run wrote and the error it ended with ("" when none).
struct TRunResult {
  std::string Output;
  std::string Error;
  bool operator==(const TRunResult&) const = default;
};

void PrintTo(const TRunResult& result, std::ostream* out) { *out << result.Output << "[error: " << result.Error << "]"; }

// One record per value; expected(value, out) gives the line the record
// writes or raises the error the run must end with.
template <typename Expected>
TRunResult Reference(const std::vector<std::string>& records, Expected expected) {
  TRunResult result;
  for (const std::string& record : records) {
    std::string line;
    result.Error = ErrorTextOrEmpty([&] { line = expected(record); });
    if (!result.Error.empty()) break;
    result.Output += line + "\r\n";
  }
  return result;
}

std::string Lines(const std::vector<std::string>& records) {
  std::string input;
  for (const std::string& record : records) input += record + "\r\n";
  return input;
}

class QuickPaths : public ScriptRun {
 protected:
  TRunResult RunScript(const std::string& script, const std::vector<std::string>& records) {
    TRunResult result;
    result.Error = ErrorTextOrEmpty([&] { Run(script, Lines(records)); });
    result.Output = testing::ReadFile(Home("Out.txt"));
    return result;
  }
};

// Values at the 32-bit edges and just past them, empty, blanks, hexadecimal,
// fractions, signs alone, letter case, a letter beyond ASCII.
const std::vector<std::string> kEdgeValues = {
    "",         "0",           "7",           "-7",          "007",   "10000", "10001", "2147483647",
    "-2147483648", "2147483648", "-2147483649", "46341",     " 5",    "$1F",   "1.5",   "-",
    "1,234",    "5x",          "n",           "N",           "abc",   "ABC",   "\xe9",  "\xc9"};

// If lines with a literal comparator and second value, decided by the quick
// path where it can, against the comparison routine itself.
TEST_F(QuickPaths, ConditionsAgreeWithTheComparison) {
  const std::pair<std::string, std::string> conditions[] = {
      {"#>", "10000"}, {"#<=", "-2147483648"}, {"#=", "2147483647"}, {"#<>", ""},  {"#>=", "007"},
      {"=", "N"},      {"<>", "abc"},          {"=", ""},            {"=", "\xe9"}, {"#<", "1.5"},
      {"#=", "x"},     {">", "N"},             {"^", "b"}};
  for (const std::string caseControl : {"IgnoreCase", "MatchCase"}) {
    for (const auto& [word, right] : conditions) {
      const std::string script = "CompareCtrl '" + caseControl + "'\nR = 'N'\nIf $Data " + word + " '" + right +
                                 "' R = 'Y'\nOutEnd R\n";
      const TRunResult expected = Reference(kEdgeValues, [&](const std::string& left) {
        return std::string(Compare(left, word, right, caseControl) ? "Y" : "N");
      });
      EXPECT_EQ(RunScript(script, kEdgeValues), expected) << caseControl << " " << word << " '" << right << "'";
    }
  }
}

// Calc with a literal operation, its result and both operands written by
// one OutEnd, against Calc itself.
TEST_F(QuickPaths, CalcAndOutEndAgreeWithTheGeneralRoutines) {
  std::vector<std::string> records;
  for (const std::string& a : kEdgeValues) {
    for (const std::string b : {"", "0", "-1", "3", "46341", "65536", "2147483647", "-2147483648", "1,2", "x"})
      records.push_back(a + "|" + b);
  }
  for (const std::string operation : {"+", "-", "*", "/", " * ", "High", "%"}) {
    const std::string script = "A = Parse $Data '' '|'\nB = Parse $Data '|' ''\nT = Calc A '" + operation +
                               "' B\nOutEnd A ';' B '=' T\n";
    const TRunResult expected = Reference(records, [&](const std::string& record) {
      const std::size_t bar = record.find('|');
      const std::string a = record.substr(0, bar), b = record.substr(bar + 1);
      return a + ";" + b + "=" + Calc(a, operation, b);
    });
    EXPECT_EQ(RunScript(script, records), expected) << "'" << operation << "'";
  }
}

// Records for the Parse and OutCSV routes: delimiters missing, doubled, at
// the start and the end, in either letter case, empty and long records.
std::vector<std::string> RouteRecords() {
  std::vector<std::string> records = {"Name: Byrne, Ade; Age: 39; City: Uppsala", "", ",", ";", "Name: ",
                                      "name: x, y; AGE: 1;", "b;a", "a;b,A", std::string(5000, 'a') + ";b"};
  const std::string_view pieces[] = {"a", "A", "b", ",", ";", ", ", "Name: ", "x", "\"", ""};
  std::mt19937 random(21);
  for (int i = 0; i < 60; ++i) {
    std::string record;
    for (int n = random() % 7; n > 0; --n) record += pieces[random() % std::size(pieces)];
    records.push_back(record);
  }
  return records;
}

// A script with its settings put in for the marks {0}, {1} ...: as literals,
// or first put in variables, which takes such lines the general way.
std::string WithSettings(std::string script, const std::vector<std::string>& settings, bool literal) {
  std::string assignments;
  for (std::size_t i = 0; i < settings.size(); ++i) {
    const std::string mark = "{" + std::to_string(i) + "}", name = "V" + std::to_string(i);
    assignments += name + " = '" + settings[i] + "'\n";
    for (std::size_t at; (at = script.find(mark)) != std::string::npos;)
      script.replace(at, mark.size(), literal ? "'" + settings[i] + "'" : name);
  }
  return literal ? script : assignments + script;
}

// Parse lines with literal settings (the direct route after a line's first
// run) against the same settings read from variables: the same results, the
// same source after Cut, and errors with the same text at the same record.
TEST_F(QuickPaths, ParseRouteAgreesWithTheGeneralPath) {
  const std::vector<std::vector<std::string>> settings = {
      {"Name: ", ","},       {", ", "@*;"},           {"", ";"},           {"a", ""},
      {"A", "@*a", "IgnoreCase"}, {"b", "a"},         {"x", "y", "Relaxed"}, {"<*,", "@*,", "Include Cut"},
      {"1", "3"},            {">*,", "@*;", "Cut"},   {";", "@*;", "Exclude Relaxed Cut"}, {"a"}};
  const std::vector<std::string> records = RouteRecords();
  for (const auto& parts : settings) {
    std::string call;
    for (std::size_t i = 0; i < parts.size(); ++i) call += " {" + std::to_string(i) + "}";
    const std::string script = "S = $Data\nR = Parse S" + call + "\nOutEnd R '|' S\n";
    const TRunResult routed = RunScript(WithSettings(script, parts, true), records);
    EXPECT_EQ(routed, RunScript(WithSettings(script, parts, false), records)) << parts[0];
    EXPECT_NE(routed.Output, "") << parts[0];
  }
}

// OutCSV lines with a literal mode against the same mode read from a
// variable, with a value from the record being built among them.
TEST_F(QuickPaths, OutCsvRouteAgreesWithTheGeneralPath) {
  const std::vector<std::vector<std::string>> modes = {
      {"Quoted", "Unquoted"}, {"Unquoted...", ""}, {"-Quoted", "+Unquoted"}, {"Quoted...", "Unquoted"}, {"Stop", "Quoted"}};
  const std::vector<std::string> records = RouteRecords();
  const std::string script =
      "OutCSV '' 'Init'\nOutCSV $Data {0}\nOutCSV $Data[2 4] {1}\nOutCSV $OutCSVRec {1}\nOutCSV '' 'Done'\n";
  for (const auto& pair : modes) {
    const TRunResult routed = RunScript(WithSettings(script, pair, true), records);
    EXPECT_EQ(routed, RunScript(WithSettings(script, pair, false), records)) << pair[0] << " " << pair[1];
    EXPECT_NE(routed.Output, "") << pair[0];
  }
}

// $BytesOutCount is brought up to date on every write only for a script that
// names it (a script that does not ran just before each).
TEST_F(ScriptRun, BytesOutCountFollowsEveryWriteForAScriptThatNamesIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"Output 'ab'\nOutEnd $BytesOutCount\n", "ab2\r\nab7\r\n"},
      {"If $BytesOutCount #> '2' Output 'big'\nOutEnd 'x'\n", "x\r\nbigx\r\n"},
      {"A($BytesOutCount) = 'y'\nOutEnd A(0) A(7)\n", "y[ND]\r\nyy\r\n"},
  };
  for (const auto& [script, output] : cases) {
    Run("OutEnd 'not named'\n");
    EXPECT_EQ(Run(script), output) << script;
  }
}

// Straight lines no longer give the interface a turn each; a loop still does,
// so Cancel ends a record that never finishes.
TEST_F(ScriptRun, CancelEndsAnEndlessLoop) {
  ports_.pump.onPump = [](int calls) {
    if (calls == 1000) Eng().CancelRequested = true;
  };
  EXPECT_EQ(RunError("OutEnd $Data\nBegin\nI = 'x'\nAgain\n", "a\nb\n"),
            "Processing cancelled\r\n\r\nOutput may be incomplete");
  EXPECT_EQ(testing::ReadFile(Home("Out.txt")), "a\r\n");
}

// The fields of a record written "a|b|c".
std::vector<std::string> Fields(const std::string& record) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t bar; (bar = record.find('|', start)) != std::string::npos; start = bar + 1)
    fields.push_back(record.substr(start, bar - start));
  fields.push_back(record.substr(start));
  return fields;
}

// Each text model with its accented letters in both cases.
struct TModelCase {
  TextEncoding Encoding;
  const char* Word;   // $CfgEncoding
  const char* Lower;  // é
  const char* Upper;  // É
};
const TModelCase kModels[] = {{TextEncoding::kWindows1252, "Windows-1252", "\xe9", "\xc9"},
                              {TextEncoding::kUtf8, "UTF-8", "\xc3\xa9", "\xc3\x89"}};

// Lookup, ChangeCase and Change lines keep the option words and the table
// they read; their option words and short name come from the record here,
// changing from record to record, and the lines answer as the routines
// called afresh (a word not recognised, an empty or unknown short name end
// the run with the routine's error at that record). Keys are missing, empty,
// or differ from the file's only in letter case, beyond ASCII too.
TEST_F(QuickPaths, LookupAndCaseLinesAgreeWithTheRoutines) {
  const std::string script =
      "TaskInit\n  LookupFile 'T' 'LufT.txt' '1' '2'\n  LookupFile 'U' 'LufU.txt' '1' '2'\nEnd\n"
      "K = Parse $Data '' '|'\nR = Parse $Data '|' ''\nO = Parse R '' '|'\nR = Parse R '|' ''\n"
      "N = Parse R '' '|'\nR = Parse R '|' ''\nP = Parse R '' '|'\nM = Parse R '|' ''\n"
      "A = Lookup K 'T' 'IgnoreCase'\nSA = $Success\nB = Lookup K N O\nSB = $Success\n"
      "C = K\nC = ChangeCase C P\nK = ChangeCase K 'Lowercase'\nChange K 'a' 'aa' M\n"
      "OutEnd A ';' SA ';' B ';' SB ';' C ';' K\n";
  for (const TModelCase& model : kModels) {
    const std::string e = model.Lower, E = model.Upper;
    testing::WriteFile(Home("LufT.txt"), "osaka,Japan\nGDANSK,Poland\n" + E + "tang,France\nkaza" + e + ",\"\"\n");
    testing::WriteFile(Home("LufU.txt"), "Osaka,U-Japan\n");
    std::vector<std::string> records;
    for (const std::string& key : std::vector<std::string>{"osaka", "OSAKA", "Osaka", "gdansk", "", "missing", "KAZA" + E, e + "TANG"}) {
      for (const std::string lookupOption : {"IgnoreCase", "MatchCase", "mat"}) {
        for (const std::string shortName : {"T", "U", "t"}) {
          records.push_back(key + "|" + lookupOption + "|" + shortName + "|" +
                            (key.size() % 2 ? "Uppercase|MultiPass" : "Capitalize|OnePass"));
        }
      }
    }
    for (const std::string last : {"osaka|Bad|T|Uppercase|OnePass", "osaka|IgnoreCase|T|Lower Upper|OnePass",
                                   "osaka|IgnoreCase||HardCaps|OnePass", "osaka|IgnoreCase|V|HardCaps|OnePass",
                                   "osaka|IgnoreCase|T|NoChange|Twice", "osaka|IgnoreCase|T||OnePass"}) {
      std::vector<std::string> run = records;
      run.push_back(last);
      run.push_back("osaka|IgnoreCase|T|Uppercase|OnePass");
      TRunResult expected;
      {
        const TTextModelScope scope(model.Encoding);
        Eng().InternalCall = false;
        LookupFile("T", Home("LufT.txt"), "1", "2");
        LookupFile("U", Home("LufU.txt"), "1", "2");
        expected = Reference(run, [](const std::string& record) {
          const std::vector<std::string> f = Fields(record);
          std::string a, b;
          const bool foundA = Lookup(a, f[0], "T", "IgnoreCase");
          const bool foundB = Lookup(b, f[0], f[2], f[1]);
          const std::string c = ChangeCase(f[0], f[3]);
          std::string k = ChangeCase(f[0], "Lowercase");
          Change(k, "a", "aa", f[4]);
          return a + ";" + (foundA ? "Y" : "N") + ";" + b + ";" + (foundB ? "Y" : "N") + ";" + c + ";" + k;
        });
        FreeLookupFiles();
      }
      EngineInfo().CfgEncoding = model.Word;
      EXPECT_EQ(RunScript(script, run), expected) << model.Word << " " << last;
      EngineInfo().CfgEncoding.clear();
    }
  }
}

// Assignments of several values are joined straight into the target unless
// a value is the target itself or stepped; each gives the join of its values.
TEST_F(QuickPaths, AssignmentsOfSeveralValuesGiveTheirJoin) {
  const std::pair<std::string, std::string> cases[] = {
      {"X = A ';' B", "a;bb"},      {"X = X ';' A", "old;a"},       {"X = A X[1 2] B[2]", "aolb"},
      {"X = A N+ N", "a109"},       {"X = N- X", "8old"},           {"X = $Data A $Data", "r1ar1"},
      {"$Data = $Data A", "r1a"},   {"X = ''", ""},                 {"X = A[2 3] '' B", "bb"}};
  for (const auto& [line, joined] : cases) {
    const std::string script = "A = 'a'\nB = 'bb'\nX = 'old'\nN = '9'\n" + line + "\nOutEnd X $Data\n";
    const std::string target = line.substr(0, line.find(' '));
    const std::string expected = target == "X" ? joined + "r1" : "old" + joined;
    EXPECT_EQ(Run(script, "r1\r\n"), expected + "\r\n") << line;
  }
}

// If lines of every kind of comparator on values beyond ASCII, in both text
// models and both case rules, against the comparison routine.
TEST_F(QuickPaths, EveryComparatorAgreesWithTheComparisonInBothTextModels) {
  const std::pair<std::string, std::string> conditions[] = {
      {"=", "abc"}, {"<>", "ABC"}, {">", "n"}, {"<=", "abc"}, {"IS", "abc"}, {"^", "B"}, {"~", "b"},
      {"LEN>", "3"}, {"LEN=", "x"}, {"SHORTER", "abcd"}, {"MATCHES", "a*"}, {"#>=", "-2147483648"}, {"#<", ""}};
  for (const TModelCase& model : kModels) {
    const std::string e = model.Lower, E = model.Upper;
    const std::vector<std::string> values = {"",      "abc",   "ABC",  "Abc ",   "a" + e,  "A" + E,   e + "bc",
                                             E + "BC", "n",    "N",    "-0",     "0002147483647",  "-2147483649",
                                             "99999999999999999999", "12", "1.5"};
    for (const std::string caseControl : {"IgnoreCase", "MatchCase"}) {
      for (const auto& [word, right] : conditions) {
        const std::string script = "CompareCtrl '" + caseControl + "'\nR = 'N'\nIf $Data " + word + " '" + right +
                                   "' R = 'Y'\nOutEnd R\n";
        TRunResult expected;
        {
          const TTextModelScope scope(model.Encoding);
          expected = Reference(values, [&](const std::string& left) {
            return std::string(Compare(left, word, right, caseControl) ? "Y" : "N");
          });
        }
        EngineInfo().CfgEncoding = model.Word;
        EXPECT_EQ(RunScript(script, values), expected) << model.Word << " " << caseControl << " " << word;
        EngineInfo().CfgEncoding.clear();
      }
    }
  }
}

}  // namespace
}  // namespace gleaner

// The culling handlers run end to end over real files: which lines are
// written, in what form, and what the processing log says.
#include "culler/culling_handlers.h"

#include <gtest/gtest.h>

#include <random>

#include "culler/cull_run.h"

namespace gleaner::testing {
namespace {

const std::string kSeparator(80, '-');
const std::string kTail =
    "\r\n\r\nA sample control setting is /DM/KM/NK\r\n\r\nPlease see the help screen for additional details";

TEST_F(CullRun, LogsFilesParametersAndResults) {
  const TCullOutcome run =
      CullText({"/cat/moose", "/dog/elk", ""}, "Big Cat\r\ncat and dog\r\n\r\nhorse\r\n");
  EXPECT_EQ(run.Output, "Big Cat\r\n");
  const std::string banner(76, '=');
  EXPECT_EQ(run.Log, banner + "\r\nProcessing started\r\n" + banner +
                         "\r\n"
                         "\r\n"
                         "Files\r\n"
                         "\r\n"
                         "  Input ............. <dir>/In.txt\r\n"
                         "  Output ............ <dir>/Out.txt\r\n"
                         "  Script ............ None\r\n"
                         "\r\n"
                         "Parameters\r\n"
                         "\r\n"
                         "  Keep .............. /cat/moose\r\n"
                         "  Delete ............ /dog/elk\r\n"
                         "  Controls .......... Not specified\r\n"
                         "\r\n"
                         "Processing\r\n"
                         "\r\n"
                         "  Input file ........ <dir>/In.txt\r\n"
                         "\r\n"
                         "Results\r\n"
                         "\r\n"
                         "  Null Lines In ..... 1\r\n"
                         "  Null Lines Out .... 0\r\n"
                         "  Text Lines In ..... 3\r\n"
                         "  Text Lines Out .... 1\r\n"
                         "\r\n" +
                         banner + "\r\nProcessing ended\r\n" + banner + "\r\n");
}

struct CullCase {
  const char* name;
  TCullParams params;
  const char* input;
  const char* output;
};

const CullCase kCullCases[] = {
    {"case ignored by default",
     {"/cat/moose", "/dog/elk", ""},
     "Big Cat\r\ncat and dog\r\nMOOSE\r\nhorse\r\n",
     "Big Cat\r\nMOOSE\r\n"},
    {"groups joined by &&",
     {"/cat/moose&&/big", "", ""},
     "big cat\r\ncat\r\nBIG MOOSE\r\nbig dog\r\n",
     "big cat\r\nBIG MOOSE\r\n"},
    {"delete groups", {"", "/dog&&/big", ""}, "big dog\r\ndog\r\nbig\r\n", "dog\r\nbig\r\n"},
    {"keep matches case", {"/Cat", "", "/KM"}, "Cat\r\ncat\r\nCAT\r\n", "Cat\r\n"},
    {"delete matches case", {"", "/Dog", "/DM"}, "Dog\r\ndog\r\n", "dog\r\n"},
    {"keep case does not touch delete", {"/Cat", "/dog", "/KM"}, "Cat DOG\r\nCat\r\n", "Cat\r\n"},
    {"keep patterns", {"/^a.c$", "", "/KR"}, "abc\r\nxabc\r\nAxC\r\nab\r\n", "abc\r\nAxC\r\n"},
    {"keep patterns matching case", {"/^a.c$", "", "/KR/KM"}, "abc\r\nAxC\r\n", "abc\r\n"},
    {"delete patterns", {"", "/[0-9]/^x*z$", "/DR"}, "a1\r\nb\r\nXYZ\r\nxz\r\nz\r\n", "b\r\nXYZ\r\n"},
    {"pattern text is plain without R", {"/a.c", "", ""}, "abc\r\nA.C\r\n", "A.C\r\n"},
    {"list without groups keeps all", {"/&&", "", ""}, "a\r\nb\r\n", "a\r\nb\r\n"},
    {"delete list without groups deletes all", {"", "/&&", ""}, "a\r\nb\r\n", ""},
    {"group without terms never matches", {"//", "", ""}, "a\r\n/\r\n", ""},
    {"not-used marker counts as empty",
     {"(Not used by this application)", "(Not used by this application)", "(Not used by this application)"},
     "a\r\n\r\nb\r\n",
     "a\r\nb\r\n"},
    {"trailing spaces are not written", {"", "", ""}, "a  \r\n   \r\n b \r\n", "a\r\n b\r\n"},
    {"trailing spaces are trimmed before matching", {"/a ", "", ""}, "xa \r\nxa b\r\n", "xa b\r\n"},
    {"tabs are not spaces", {"", "", ""}, "a\t\r\n\t\r\n", "a\t\r\n\t\r\n"},
    {"code-page letters ignore case", {"/\xE9t\xE9", "", ""}, "\xC9T\xC9\r\nete\r\n", "\xC9T\xC9\r\n"},
};

TEST_F(CullRun, KeepsAndDeletesLines) {
  for (const CullCase& c : kCullCases) {
    EXPECT_EQ(CullText(c.params, c.input).Output, c.output) << c.name;
  }
}

TEST_F(CullRun, NullModesAcrossTwoFiles) {
  const std::vector<std::pair<std::string, std::string>> inputs = {{"In1.txt", "a\r\n\r\n\r\n\r\nb\r\n \r\n"},
                                                                   {"In2.txt", "\r\nc\r\n  \r\n"}};
  const struct {
    const char* controls;
    const char* output;
    const char* nullLinesOut;
  } cases[] = {
      {"", "a\r\nb\r\nc\r\n", "0"},
      {"/NI", "a\r\nb\r\nc\r\n", "0"},
      {"/NK", "a\r\n\r\n\r\n\r\nb\r\n\r\n\r\nc\r\n\r\n", "6"},
      // A new file starts a new run of null lines.
      {"/NS", "a\r\n\r\nb\r\n\r\n\r\nc\r\n\r\n", "4"},
      {"/NK/NS", "a\r\n\r\nb\r\n\r\n\r\nc\r\n\r\n", "4"},
      {"/NS/NK", "a\r\n\r\nb\r\n\r\n\r\nc\r\n\r\n", "4"},
  };
  for (const auto& c : cases) {
    const TCullOutcome run = Cull({"", "", c.controls}, inputs);
    EXPECT_EQ(run.Output, c.output) << c.controls;
    EXPECT_EQ(ProcessingPart(run.Log),
              "\r\n  Input file ........ <dir>/In1.txt\r\n"
              "\r\n  Input file ........ <dir>/In2.txt\r\n"
              "\r\nResults\r\n\r\n"
              "  Null Lines In ..... 6\r\n"
              "  Null Lines Out .... " +
                  std::string(c.nullLinesOut) +
                  "\r\n"
                  "  Text Lines In ..... 3\r\n"
                  "  Text Lines Out .... 3\r\n")
        << c.controls;
  }
}

TEST_F(CullRun, FileHeadersComeBeforeEachFilesFirstKeptLine) {
  const std::vector<std::pair<std::string, std::string>> inputs = {
      {"In1.txt", "\r\ncat 1\r\ncat 2\r\n"}, {"In2.txt", "dog\r\n\r\n"}, {"In3.txt", "cat 3\r\n"}};
  const std::string file1 = "File: " + folder.File("In1.txt") + "\r\n";
  const std::string file3 = "File: " + folder.File("In3.txt") + "\r\n";
  const std::string line = kSeparator + "\r\n";
  EXPECT_EQ(Cull({"/cat", "", "/FY"}, inputs).Output, file1 + "cat 1\r\ncat 2\r\n" + file3 + "cat 3\r\n");
  EXPECT_EQ(Cull({"/cat", "", "/FS/FY"}, inputs).Output, file1 + "cat 1\r\ncat 2\r\n" + file3 + "cat 3\r\n");
  EXPECT_EQ(Cull({"/cat", "", "/FY/FS"}, inputs).Output, file1 + "cat 1\r\ncat 2\r\n" + file3 + "cat 3\r\n");
  // Null lines written before a file's first kept line come before its header.
  EXPECT_EQ(Cull({"/cat", "", "/FS/NK"}, inputs).Output,
            "\r\n" + line + file1 + line + "cat 1\r\ncat 2\r\n\r\n" + line + file3 + line + "cat 3\r\n");
  EXPECT_EQ(Cull({"/cat", "", "/FN"}, inputs).Output, "cat 1\r\ncat 2\r\ncat 3\r\n");
  const TCullOutcome run = Cull({"/cat", "", "/FS"}, inputs);
  EXPECT_NE(ProcessingPart(run.Log).find("  Text Lines Out .... 3\r\n"), std::string::npos) << run.Log;
}

TEST_F(CullRun, FaultyParametersStopTheRunWithTheirMessage) {
  const struct {
    TCullParams params;
    std::string message;
  } cases[] = {
      {{"", "", "k"}, "A one-character control setting (k) is not valid" + kTail},
      {{"", "", " "}, "A one-character control setting ( ) is not valid" + kTail},
      {{"", "", "km/dm"}, "The control setting (KM/DM) is not valid" + kTail},
      {{"", "", "/KM/DMX"}, "The control setting (/KM/DMX) is not valid" + kTail},
      {{"", "", "/KM/XX"}, "A control setting (/KM/XX) was not recognized" + kTail},
      {{"", "", "/K/MNS"}, "A control setting (/K/MNS) was not recognized" + kTail},
      {{"/cat&&|dog", "", ""},
       "A delimiter (/) is missing from the /Keep list\r\n\r\n"
       "Note: You cannot switch delimiters within an Anding (&&) list"},
      {{"", ",a&&/b", ""},
       "A delimiter (,) is missing from the /Delete list\r\n\r\n"
       "Note: You cannot switch delimiters within an Anding (&&) list"},
  };
  for (const auto& c : cases) {
    const TCullOutcome run = CullText(c.params, "cat\r\n");
    EXPECT_EQ(run.Stopped, c.message);
    EXPECT_EQ(run.Output, "");
    // The run stopped in TaskInit, after its parameters were logged.
    EXPECT_EQ(ProcessingPart(run.Log), "") << run.Log;
  }
}

TEST_F(CullRun, ListsAndCountersOfAnEarlierRunAreReplaced) {
  EXPECT_EQ(CullText({"/cat", "/dog", ""}, "cat\r\ndog\r\ncat dog\r\n").Output, "cat\r\n");
  EXPECT_EQ(CullText({"", "", ""}, "cat\r\ndog\r\n").Output, "cat\r\ndog\r\n");
  EXPECT_EQ(CullText({"/cat&&|dog", "", ""}, "cat\r\n").Output, "");
  const TCullOutcome run = CullText({"", "/cat", ""}, "cat\r\ndog\r\n");
  EXPECT_EQ(run.Output, "dog\r\n");
  EXPECT_NE(run.Log.find("  Text Lines In ..... 2\r\n  Text Lines Out .... 1\r\n"), std::string::npos)
      << run.Log;
}

TEST_F(CullRun, KeptLinesGoToTheScriptsMainStep) {
  UseScript("TaskInit\nOutEnd 'TI'\nEnd\nOutEnd '<' $OutData '|' $Data '>'\nTaskDone\nOutEnd 'TD'\nEnd\n");
  const TCullOutcome run = CullText({"/cat", "", "/NK/FY"}, "cat  \r\ndog\r\n\r\n");
  EXPECT_EQ(run.Output, "TI\r\n<File: " + folder.File("In.txt") + "|cat>\r\n<cat|cat>\r\n<|>\r\nTD\r\n");
  EXPECT_NE(run.Log.find("  Script ............ <dir>/ScrTest.txt\r\n"), std::string::npos) << run.Log;
}

// The lists' case-blind search against the upper-cased copy a pattern list
// reads (letters alone mean the same as patterns): the same lines and the
// same counts, over lines in every letter case, empty and blank lines,
// trailing spaces, lines that cross the reader's 256 KiB blocks and a last
// line of the longest length read.
TEST_F(CullRun, CaseBlindListsAgreeWithTheUpperCasedPath) {
  std::mt19937 random(77);
  const char* const words[] = {"cat", "MOOSE", "dog", "elk", "\x8a\x9f", "\x9a\xff", "big", "c@t", "{lk"};
  std::string input;
  while (input.size() < 1200 * 1024) {
    std::string line;
    const std::size_t wordCount = random() % 200 == 0 ? 12000 : random() % 8;  // some of about 60 KiB
    for (std::size_t w = 0; w < wordCount; ++w) {
      std::string word = words[random() % std::size(words)];
      for (char& c : word) {
        if (random() % 2 == 0 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      }
      line += word + (random() % 3 == 0 ? "" : " ");
    }
    input += line + std::string(random() % 3, ' ') + "\r\n";
  }
  input += std::string(2048000 - 3, 'x') + "ELk\r\n";
  const TCullParams lists[] = {
      {"/cat/moose/\x9a\xff", "/dog/elk", ""},
      {"/cat&&/\x8a\x9f", "", "/NK"},
      {"", "/elk/c@t/{LK", "/NS"},
  };
  for (const TCullParams& blind : lists) {
    TCullParams upper = blind;
    upper.Controls += "/KR/DR";
    const TCullOutcome expected = CullText(upper, input);
    const TCullOutcome got = CullText(blind, input);
    ASSERT_EQ(expected.Stopped, "");
    EXPECT_GT(expected.Output.size(), 10000u);
    EXPECT_TRUE(got.Output == expected.Output) << blind.Keep << " " << blind.Delete;
    EXPECT_EQ(ProcessingPart(got.Log), ProcessingPart(expected.Log));
  }
}

}  // namespace
}  // namespace gleaner::testing

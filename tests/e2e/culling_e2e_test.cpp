// Culler without a script, run as a batch job: keep and delete lists,
// controls, several input files, backups and appending.
#include <gtest/gtest.h>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

const std::string kRule(76, '=');
const std::string kControlsTail =
    "\r\n\r\nA sample control setting is /DM/KM/NK\r\n\r\nPlease see the help screen for additional details";

// Culler's switches for a run without a script and without pop-ups.
std::vector<std::string> RunArgs(const std::string& input, const std::string& keep, const std::string& drop,
                                 const std::string& controls) {
  return {"/I" + input, "/OOut.txt", "/SNone", "/X" + keep, "/Y" + drop, "/Z" + controls, "/EN", "/R", "/CA"};
}

TEST(CullingJob, KeepAndDeleteListsWithGroups) {
  CullerHome home;
  home.Write("In.txt", "Big Cat\r\ncat and dog\r\n\r\na big moose   \r\nsmall cat\r\nelk and big cat\r\n");
  const TCullerResult result = home.Run(RunArgs("In.txt", "/cat/moose&&/big", "/dog/elk", ""));
  EXPECT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(home.Read("Out.txt"), "Big Cat\r\na big moose\r\n");
  EXPECT_FALSE(home.Exists("Culler-Error.txt"));
  EXPECT_EQ(home.Log(), kRule + "\r\nProcessing started <when>\r\n" + kRule +
                            "\r\n\r\nFiles\r\n\r\n"
                            "  Input ............. <home>/In.txt\r\n"
                            "  Output ............ Out.txt\r\n"
                            "  Script ............ None\r\n"
                            "\r\nParameters\r\n\r\n"
                            "  Keep .............. /cat/moose&&/big\r\n"
                            "  Delete ............ /dog/elk\r\n"
                            "  Controls .......... Not specified\r\n"
                            "\r\nProcessing\r\n\r\n"
                            "  Input file ........ <home>/In.txt\r\n"
                            "\r\nResults\r\n\r\n"
                            "  Null Lines In ..... 1\r\n"
                            "  Null Lines Out .... 0\r\n"
                            "  Text Lines In ..... 5\r\n"
                            "  Text Lines Out .... 2\r\n"
                            "\r\n" +
                            kRule + "\r\nProcessing ended <when>\r\n" + kRule + "\r\n");
}

TEST(CullingJob, CaseAndPatternControls) {
  struct Case {
    const char* keep;
    const char* drop;
    const char* controls;
    const char* output;
  };
  const Case cases[] = {
      {"/cat", "", "", "Cat\r\ncat\r\nconcat\r\n"},     {"/cat", "", "/KM", "cat\r\nconcat\r\n"},
      {"/^c.t", "", "/KR", "Cat\r\ncat\r\ncut!\r\n"},   {"/^c.t", "", "/KR/KM", "cat\r\ncut!\r\n"},
      {"", "/Cat", "/DM", "cat\r\nconcat\r\ncut!\r\n"}, {"", "/t$", "/DR", "cut!\r\n"},
      {"|c[ou]", "", "|KR", "concat\r\ncut!\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.keep) + " " + c.drop + " " + c.controls);
    CullerHome home;
    home.Write("In.txt", "Cat\r\ncat\r\nconcat\r\ncut!\r\n");
    const TCullerResult result = home.Run(RunArgs("In.txt", c.keep, c.drop, c.controls));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("Out.txt"), c.output);
  }
}

TEST(CullingJob, NullModesAcrossTwoInputFiles) {
  struct Case {
    const char* controls;
    const char* output;
  };
  const Case cases[] = {
      {"", "x\r\ny\r\nz\r\n"},
      {"/NI", "x\r\ny\r\nz\r\n"},
      {"NK", "x\r\n\r\n\r\ny\r\n\r\n\r\nz\r\n"},
      // Squeezed; the empty line that starts the second file is written again.
      {"/NS/", "x\r\n\r\ny\r\n\r\n\r\nz\r\n"},
      {"/NK/NS", "x\r\n\r\ny\r\n\r\n\r\nz\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.controls);
    CullerHome home;
    home.Write("a.txt", "x\r\n\r\n   \r\ny\r\n\r\n");
    home.Write("b.txt", "\r\nz\r\n");
    const TCullerResult result = home.Run(RunArgs("a.txt;b.txt", "", "", c.controls));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("Out.txt"), c.output);
  }
}

TEST(CullingJob, FileNameHeadersOnlyForFilesWithKeptLines) {
  struct Case {
    const char* controls;
    std::string output;
  };
  const std::string dashes(80, '-');
  const Case cases[] = {
      {"/FY", "File: <home>/a.txt\r\nkeep 1\r\nFile: <home>/c.txt\r\nkeep 2\r\n"},
      {"/FS", dashes + "\r\nFile: <home>/a.txt\r\n" + dashes + "\r\nkeep 1\r\n" + dashes +
                  "\r\nFile: <home>/c.txt\r\n" + dashes + "\r\nkeep 2\r\n"},
      {"/FS/FY", "File: <home>/a.txt\r\nkeep 1\r\nFile: <home>/c.txt\r\nkeep 2\r\n"},
      // Null lines written before a file's first kept line come before its header.
      {"/FY/NK", "File: <home>/a.txt\r\nkeep 1\r\n\r\nFile: <home>/c.txt\r\nkeep 2\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.controls);
    CullerHome home;
    home.Write("a.txt", "keep 1\r\nno\r\n");
    home.Write("b.txt", "no\r\n");
    home.Write("c.txt", "\r\nkeep 2\r\n");
    const TCullerResult result = home.Run(RunArgs("?.txt", "/keep", "", c.controls));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Masked(home.Read("Out.txt")), c.output);
  }
}

TEST(CullingJob, FaultyParametersStopWithTheirMessage) {
  struct Case {
    const char* keep;
    const char* controls;
    std::string message;
  };
  const Case cases[] = {
      {"", "k", "A one-character control setting (k) is not valid" + kControlsTail},
      {"", "km/dm", "The control setting (KM/DM) is not valid" + kControlsTail},
      {"", "/KM/XX", "A control setting (/KM/XX) was not recognized" + kControlsTail},
      {"/cat&&|dog", "",
       "A delimiter (/) is missing from the /Keep list\r\n\r\nNote: You cannot switch delimiters within an "
       "Anding (&&) list"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    CullerHome home;
    home.Write("In.txt", "cat\r\n");
    std::vector<std::string> args = RunArgs("In.txt", c.keep, "", c.controls);
    args.pop_back();  // without /CA the message is shown
    const TCullerResult result = home.Run(args);
    EXPECT_EQ(result.Status, 1);
    std::string shown = c.message;
    for (std::size_t at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at))
      shown.erase(at, 1);
    EXPECT_EQ(result.Err, "Culler: " + shown + "\n");
    EXPECT_EQ(home.Read("Out.txt"), "");
    // A stop is no engine error: its log has the message and the files, but no diagnostics.
    const std::string errorLog = home.ErrorLog();
    EXPECT_NE(
        errorLog.find("Error Details (<when>)\r\n" + std::string(80, '-') + "\r\n\r\n" + c.message + "\r\n"),
        std::string::npos);
    EXPECT_NE(errorLog.find("Input File Name ......... <home>/In.txt\r\n"), std::string::npos);
    EXPECT_EQ(errorLog.find("Diagnostic Description"), std::string::npos);
  }
}

TEST(CullingJob, WildcardInputSkipsTheOutputAndTheLogsInTheSameFolder) {
  CullerHome home;
  home.Write("a.txt", "alpha\r\n");
  home.Write("b.txt", "beta\r\n");
  home.Write("Out.txt", "old output\r\n");
  home.Write("Culler-Error.txt", "old error log\r\n");
  const TCullerResult result = home.Run(RunArgs("*.txt", "", "", ""));
  EXPECT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(home.Read("Out.txt"), "alpha\r\nbeta\r\n");
  EXPECT_EQ(home.Read("Out.bak"), "old output\r\n");
  EXPECT_FALSE(home.Exists("Culler-Error.txt"));  // deleted at the start of the run
  const std::string log = home.Log();
  EXPECT_NE(log.find("  Input ............. *.txt\r\n"), std::string::npos);
  EXPECT_NE(
      log.find("  Input file ........ <home>/a.txt\r\n\r\n  Input file ........ <home>/b.txt\r\n\r\nResults"),
      std::string::npos)
      << log;
}

TEST(CullingJob, BackupThenAppend) {
  CullerHome home;
  home.Write("In.txt", "new\r\n");
  home.Write("Out.txt", "old\r\n");
  ASSERT_EQ(home.Run(RunArgs("In.txt", "", "", "")).Status, 0);
  EXPECT_EQ(home.Read("Out.txt"), "new\r\n");
  EXPECT_EQ(home.Read("Out.bak"), "old\r\n");

  std::vector<std::string> append = RunArgs("In.txt", "", "", "");
  append[6] = "/EY";
  ASSERT_EQ(home.Run(append).Status, 0);
  EXPECT_EQ(home.Read("Out.txt"), "new\r\nnew\r\n");
  EXPECT_EQ(home.Read("Out.bak"), "old\r\n");  // appending keeps no backup
  EXPECT_NE(home.Log().find("  Output ............ +Out.txt\r\n"), std::string::npos);
}

}  // namespace
}  // namespace gleaner::testing

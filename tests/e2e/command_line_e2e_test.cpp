// The culler program's command line as a batch caller meets it: the help,
// command-line mistakes, the exit statuses, /CA and Ctrl+C.
#include <signal.h>

#include <gtest/gtest.h>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

const std::string kEmDashes12 =
    "\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94"
    "\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94";

std::vector<std::string> JobArgs(const std::string& input, const std::string& output) {
  return {"/I" + input, "/O" + output, "/SNone", "/X", "/Y", "/Z", "/EN", "/AN", "/R"};
}

TEST(CullerCommandLine, WithoutRunItPrintsTheHelp) {
  CullerHome home;
  const TCullerResult result = home.Run({});
  EXPECT_EQ(result.Status, 0);
  EXPECT_EQ(result.Err, "");
  const std::string expectedStart = "Culler - Command Line Help\n\nCommand Line Parameter Summary\n\n" +
                                    kEmDashes12 + "  " + kEmDashes12.substr(0, 9);
  EXPECT_EQ(result.Out.substr(0, expectedStart.size()), expectedStart);
  EXPECT_NE(result.Out.find("/X\"setting\"   Set values for /Keep list\n"), std::string::npos);
  EXPECT_NE(
      result.Out.find("\n" + home.File("Culler-Error.txt") + "\nto determine if a serious error occurred.\n"),
      std::string::npos);
  EXPECT_FALSE(home.Exists("Culler-Error.txt"));
}

// A display unreachable from here: a front-end choice that wrongly opened
// the form would fail to connect instead of running the job.
TEST(CullerCommandLine, WithADisplayABatchRunStaysInTheConsole) {
  CullerHome home;
  home.Environment = {"DISPLAY=:4093", "WAYLAND_DISPLAY=wayland-4093"};
  home.Write("In.txt", "keep\r\n");
  std::vector<std::string> args = JobArgs("In.txt", "Out.txt");
  args.push_back("/ca");
  const TCullerResult result = home.Run(args);
  EXPECT_EQ(result.Status, 0);
  EXPECT_EQ(result.Out, "");
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(home.Read("Out.txt"), "keep\r\n");
  args = {"/INone", "/OOut.txt", "/SNone", "/R", "/CA", "/Q"};
  const TCullerResult unknown = home.Run(args);
  EXPECT_EQ(unknown.Status, 1);
  EXPECT_EQ(unknown.Out.substr(0, 38), "Unrecognized command-line switch:  /Q\n");
}

TEST(CullerCommandLine, MistakesAndTheirExitStatus) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;          // standard error
    std::string helpCaption;  // first line of standard output
    std::string logged;       // the error log's message, when one is written
  };
  const Case cases[] = {
      {{"/R", "-R"},
       1,
       "Culler: Incorrectly formatted command-line parameter:\n-R\n",
       "Culler - Command Line Help",
       "Incorrectly formatted command-line parameter:\r\n-R"},
      {{"/AYES", "/R"},
       1,
       "Culler: The /A (Autoview) switch must be set to /AY (Yes) or /AN (No)\n",
       "Culler - Command Line Help",
       "The /A (Autoview) switch must be set to /AY (Yes) or /AN (No)"},
      {{"/q"}, 1, "", "Unrecognized command-line switch:  /Q", ""},
      {{"/?"}, 0, "", "Culler - Command Line Help", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0]);
    CullerHome home;
    const TCullerResult result = home.Run(c.args);
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(result.Err, c.err);
    EXPECT_EQ(result.Out.substr(0, result.Out.find('\n')), c.helpCaption);
    EXPECT_EQ(result.Out.find("Culler - Command Line Help", 1), std::string::npos);  // shown once
    EXPECT_EQ(home.Exists("Culler-Error.txt"), !c.logged.empty());
    if (!c.logged.empty()) {
      EXPECT_NE(home.ErrorLog().find("\r\n\r\n" + c.logged + "\r\n"), std::string::npos);
    }
  }
}

// The Unix spellings: --help and -h are /?, --version prints one line; all
// exit 0, and nothing else of the switch rules changes.
TEST(CullerCommandLine, UnixHelpAndVersionSwitches) {
  for (const char* help : {"--help", "-h"}) {
    SCOPED_TRACE(help);
    CullerHome home;
    const TCullerResult result = home.Run({help});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Out, home.Run({"/?"}).Out);
    EXPECT_EQ(result.Out.find("Culler - Command Line Help", 1), std::string::npos);  // shown once
  }
  CullerHome home;
  const TCullerResult version = home.Run({"--version"});
  EXPECT_EQ(version.Status, 0);
  EXPECT_EQ(version.Out, "Culler 2.50.00 (Gleaner Engine 4.50.02)\n");
  EXPECT_EQ(version.Err, "");
  // Other double-dash words stay malformed parameters.
  const TCullerResult other = home.Run({"--verbose"});
  EXPECT_EQ(other.Status, 1);
  EXPECT_EQ(other.Err, "Culler: Incorrectly formatted command-line parameter:\n--verbose\n");
  // Like /?, --help leaves the reading going: a run asked for still runs.
  home.Write("In.txt", "a\r\n");
  const TCullerResult run =
      home.Run({"/IIn.txt", "/OOut.txt", "/SNone", "/X", "/Y", "/Z", "/EN", "/AN", "--help", "/R", "/CA"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(home.Read("Out.txt"), "a\r\n");
}

TEST(CullerCommandLine, UnknownSwitchAfterRunStillRuns) {
  CullerHome home;
  home.Write("In.txt", "a\r\n");
  std::vector<std::string> args = JobArgs("In.txt", "Out.txt");
  args.push_back("/Q");
  args.push_back("/OIgnored.txt");
  const TCullerResult result = home.Run(args);
  EXPECT_EQ(result.Status, 1);
  EXPECT_EQ(result.Out.substr(0, result.Out.find('\n')), "Unrecognized command-line switch:  /Q");
  EXPECT_EQ(home.Read("Out.txt"), "a\r\n");
  EXPECT_FALSE(home.Exists("Ignored.txt"));
}

TEST(CullerCommandLine, ExitStatusTellsWhatWasReported) {
  struct Case {
    const char* input;
    const char* output;
    const char* close;
    int status;
    std::string err;
  };
  const std::string missing = "Culler: Warning:  The specified input file cannot be found\n\nMissing.txt\n";
  const Case cases[] = {
      {"In.txt", "Out.txt", "/CS", 0, ""},
      {"Missing.txt", "Out.txt", "/CS", 1, missing},
      {"Missing.txt", "Out.txt", "/CA", 1, missing},  // /CA: no window, but the message
      {"In.txt", "Out.bak", "/CS", 1,
       "Culler: The output file may not use a .bak extension\n\nThe .bak extension is used to make a backup "
       "copy of "
       "the output file\n"},
      {"In.txt", "In.TXT", "/CA", 1, "Culler: Input and output file names must be different\n"},
      {"In.txt", "NoFolder/Out.txt", "/CA", 2, "Could not create NoFolder/Out.txt\n\nNo such file or directory\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.input) + " " + c.output + " " + c.close);
    CullerHome home;
    home.Write("In.txt", "a\r\n");
    std::vector<std::string> args = JobArgs(c.input, c.output);
    args.push_back(c.close);
    const TCullerResult result = home.Run(args);
    EXPECT_EQ(result.Status, c.status);
    // The message (then, for a name not found, where it was looked for).
    EXPECT_EQ(result.Err.empty(), c.err.empty()) << result.Err;
    EXPECT_NE(result.Err.find(c.err), std::string::npos) << result.Err;
    EXPECT_EQ(home.Exists("Culler-Error.txt"), c.status != 0);
  }
}

// /CA takes the window and the waiting away, never the report.
TEST(CullerCommandLine, EngineErrorShowsTheReportAlsoUnderCloseAlways) {
  for (const char* close : {"/CS", "/CA"}) {
    SCOPED_TRACE(close);
    CullerHome home;
    home.Write("In.txt", "a\r\n");
    home.Write("ScrStop.txt", "X = 1\r\nInc X 'a'\r\nOutEnd X\r\n");
    const TCullerResult result =
        home.Run({"/IIn.txt", "/OOut.txt", "/SScrStop.txt", "/X", "/Y", "/Z", "/EN", "/R", close});
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err.rfind("Culler - Error Report: Processing Halted\n  Error category   Parameter\n", 0), 0u)
        << result.Err;
    EXPECT_NE(home.ErrorLog().find("Error code .............. 140\r\n"), std::string::npos);
  }
}

TEST(CullerCommandLine, OverwriteQuestionIsAnsweredCancelWithoutATerminal) {
  CullerHome home;
  home.Write("In.txt", "a\r\n");
  home.Write("ScrJobs.txt", "keep me\r\n");
  std::vector<std::string> args = JobArgs("In.txt", "ScrJobs.txt");
  args.push_back("/CA");
  const TCullerResult result = home.Run(args);
  EXPECT_EQ(home.Read("ScrJobs.txt"), "keep me\r\n");
  EXPECT_EQ(
      result.Err,
      "Culler:  \nYou are about to overwrite a file whose    \nname suggests that it is a Script file.\n\n"
      "Do you want to proceed?\n \n(answered Cancel: standard input is not a terminal)\n");
  EXPECT_EQ(result.Status, 1);  // the job was not done
}

TEST(CullerCommandLine, CtrlCCancelsTheRunAndKeepsTheOutput) {
  CullerHome home;
  home.Write("In.txt", "first\r\nsecond\r\n");
  // Output beyond the writer's buffer shows from outside that the loop is running.
  const std::string filler(100, 'x');
  home.Write("ScrLoop.txt", "OutEnd $OutData\r\nI = 0\r\nBegin\r\nOutput '" + filler +
                                "'\r\nInc I\r\nAgain I #< 100000\r\nBegin\r\nAgain\r\n");
  const TCullerResult result = home.RunAndInterrupt(
      {"/IIn.txt", "/OOut.txt", "/SScrLoop.txt", "/X", "/Y", "/Z", "/EN", "/AN", "/R"}, "Out.txt");
  EXPECT_EQ(result.Status, 128 + SIGINT);  // after the clean cancel, by the signal
  EXPECT_EQ(result.Err, "Culler: Processing cancelled\n\nOutput may be incomplete\n");
  EXPECT_EQ(home.Read("Out.txt").substr(0, 107), "first\r\n" + filler);
  const std::string errorLog = home.ErrorLog();
  EXPECT_NE(errorLog.find("Error category .......... User action\r\nDescription ............. Cancel\r\n"),
            std::string::npos)
      << errorLog;
}

}  // namespace
}  // namespace gleaner::testing

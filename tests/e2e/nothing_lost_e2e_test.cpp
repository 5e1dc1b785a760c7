// Runs a hostile user tries against what a run keeps: an input that is the
// output's backup, two runs writing one output, counts past 32 bits, Cancel
// during one long command, a lookup file too big for memory, an input cut
// short under the run, Ctrl+C at the overwrite question and a full standard
// output. Nothing may be lost or reported as success.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> JobArgs(const std::string& input, const std::string& output,
                                 const std::string& script = "None", const std::string& append = "/EN") {
  return {"/I" + input, "/O" + output, "/S" + script, "/X", "/Y", "/Z", append, "/AN", "/R"};
}

// Script lines that push more than the writer's buffer to the output, so a
// test sees from outside that the run has reached them.
const std::string kFlushOutput = "I = 0\r\nBegin\r\nOutput '" + std::string(100, 'x') +
                                 "'\r\nInc I\r\nAgain I #< 3000\r\nOutEnd ''\r\n";
const std::string kHeldOutput = std::string(300000, 'x') + "\r\n";
// Script lines that wait until the test writes "go" into Go.txt.
const std::string kWaitForGo = "Begin\r\nGo = SetFromFile 'Go.txt'\r\nAgain Go <> 'go'\r\n";

bool WaitUntil(const std::function<bool()>& done) {
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (!done()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

TEST(CullerNothingLost, AnInputThatIsTheOutputsBackupIsRefusedBeforeAnythingIsRotated) {
  struct Case {
    std::string input;
    std::string named;  // the input as the message names it
  };
  CullerHome home;
  const Case cases[] = {
      {"Out.bak", home.Path() + "Out.bak"},
      {home.Path() + "Out.bak", home.Path() + "Out.bak"},
      {"In.txt;Out.bak", "Out.bak"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    home.Write("In.txt", "in\r\n");
    home.Write("Out.bak", "only copy\r\n");
    home.Write("Out.txt", "last output\r\n");
    const TCullerResult result = home.Run(JobArgs(c.input, "Out.txt"));
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "Culler: The input file is the backup copy of the output file\n\nInput:   " + c.named +
                              "\nOutput:  Out.txt\n\nReplacing the output would delete the input: its old "
                              "copy is kept as " +
                              home.Path() + "Out.bak\n");
    EXPECT_EQ(home.Read("Out.bak"), "only copy\r\n");
    EXPECT_EQ(home.Read("Out.txt"), "last output\r\n");
  }
  // Appending rotates nothing, so reading the backup is harmless.
  const TCullerResult appended = home.Run(JobArgs("Out.bak", "Out.txt", "None", "/EY"));
  EXPECT_EQ(appended.Status, 0) << appended.Err;
  EXPECT_EQ(home.Read("Out.txt"), "last output\r\nonly copy\r\n");
}

// The first run holds the output until the test says go; the second, an
// append or a replace of the same file from another home folder (one home
// folder already takes turns), waits for it and says so once.
TEST(CullerNothingLost, ASecondRunWritingTheOutputWaitsForTheFirst) {
  for (const std::string mode : {"/EY", "/EN"}) {
    SCOPED_TRACE(mode);
    CullerHome home;
    home.Write("In.txt", "first\r\n");
    home.Write("B.txt", "b1\r\nb2\r\n");
    home.Write("ScrHold.txt", kFlushOutput + kWaitForGo);
    const int first = home.StartInBackground(JobArgs("In.txt", "Out.txt", "ScrHold.txt"));
    ASSERT_TRUE(WaitUntil([&] { return home.Exists("Out.txt") && !home.Read("Out.txt").empty(); }));
    const TempFolder otherHome;
    home.UseHomeFolder(otherHome.Path());
    const int second = home.StartInBackground(JobArgs("B.txt", "Out.txt", "None", mode));
    const std::string waiting = "Culler: Waiting for another run to finish writing " + home.Path() + "Out.txt\n";
    const bool waited = WaitUntil([&] { return home.ErrorsSoFar(second) == waiting; });
    home.Write("Go.txt", "go");
    const TCullerResult a = home.Finish(first);
    const TCullerResult b = home.Finish(second);
    EXPECT_TRUE(waited);
    EXPECT_EQ(a.Status, 0) << a.Err;
    EXPECT_EQ(b.Status, 0) << b.Err;
    EXPECT_EQ(b.Err, waiting);
    if (mode == "/EY") {
      EXPECT_EQ(home.Read("Out.txt"), kHeldOutput + "b1\r\nb2\r\n");
    } else {
      EXPECT_EQ(home.Read("Out.txt"), "b1\r\nb2\r\n");
      EXPECT_EQ(home.Read("Out.bak"), kHeldOutput);
    }
  }
}

// Records numbered 0 .. count-1 after a one-letter tag, in order and whole.
std::string Numbered(char tag, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += tag + std::to_string(i) + "\r\n";
  return text;
}

TEST(CullerNothingLost, TwoRunsAppendingAtOnceKeepEveryRecordWhole) {
  CullerHome home;
  constexpr int kRecords = 200000;
  home.Write("A.txt", Numbered('a', kRecords));
  home.Write("B.txt", Numbered('b', kRecords));
  const int a = home.StartInBackground(JobArgs("A.txt", "Out.txt", "None", "/EY"));
  const TempFolder otherHome;  // runs of one home folder would take turns before they open the output
  home.UseHomeFolder(otherHome.Path());
  const int b = home.StartInBackground(JobArgs("B.txt", "Out.txt", "None", "/EY"));
  EXPECT_EQ(home.Finish(a).Status, 0);
  EXPECT_EQ(home.Finish(b).Status, 0);
  const std::string out = home.Read("Out.txt");
  const bool aFirst = out.rfind("a0\r\n", 0) == 0;
  EXPECT_EQ(out, aFirst ? Numbered('a', kRecords) + Numbered('b', kRecords)
                        : Numbered('b', kRecords) + Numbered('a', kRecords));
}

TEST(CullerNothingLost, RecordCountsGoPastThirtyTwoBits) {
  struct Case {
    std::string start;  // what FileInit stores in $ReadLines
    std::string counts;
  };
  const Case cases[] = {
      {"2147483645", "2147483646\r\n2147483647\r\n2147483648\r\n2147483649\r\n"},
      {"+2147483646", "2147483647\r\n2147483648\r\n2147483649\r\n2147483650\r\n"},
      {"9999999999999999", "10000000000000000\r\n10000000000000001\r\n10000000000000002\r\n"
                           "10000000000000003\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    CullerHome home;
    home.Write("In.txt", "a\r\nb\r\nc\r\nd\r\n");
    home.Write("ScrCount.txt", "FileInit\r\n$ReadLines = '" + c.start + "'\r\nEnd\r\nOutEnd $ReadLines\r\n");
    const TCullerResult result = home.Run(JobArgs("In.txt", "Out.txt", "ScrCount.txt"));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("Out.txt"), c.counts);
  }
}

// Cancel acts within one long command: a pattern search of a long record
// with many stars, and the load of a big lookup file. The signal comes well
// inside the command; the run must end long before the command would.
TEST(CullerNothingLost, CancelActsInsideLongSearchesAndLoads) {
  struct Case {
    const char* what;
    std::function<void(const CullerHome&)> prepare;
    std::string command;
  };
  std::string pattern;
  for (int i = 0; i < 1000; ++i) pattern += "a*";
  const Case cases[] = {
      {"search",
       [&](const CullerHome& home) {
         home.Write("In.txt", std::string(2000000, 'a') + "\r\n");
         home.Write("Pattern.txt", pattern + "b");
       },
       "P = SetFromFile 'Pattern.txt'\r\nIf $Data Matches P Then OutEnd 'found'\r\n"},
      {"load",
       [](const CullerHome& home) {
         home.Write("In.txt", "first\r\n");
         std::string table;
         for (int i = 0; i < 6000000; ++i) table += "key" + std::to_string(i) + ",data" + std::to_string(i) + "\r\n";
         home.Write("LufBig.txt", table);
       },
       "LookupFile 'Big' 'LufBig.txt' 1 2\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CullerHome home;
    c.prepare(home);
    home.Write("ScrLong.txt", kFlushOutput + c.command);
    Clock::time_point signalled;
    const TCullerResult result =
        home.RunAndAct(JobArgs("In.txt", "Out.txt", "ScrLong.txt"), "Out.txt", [&](int pid) {
          std::this_thread::sleep_for(std::chrono::milliseconds(300));
          signalled = Clock::now();
          kill(pid, SIGINT);
        });
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - signalled);
    EXPECT_NE(result.Status, 0);
    EXPECT_EQ(result.Err, "Culler: Processing cancelled\n\nOutput may be incomplete\n");
    // It takes about a tenth of a second; the bound leaves room for a machine
    // shared by many builds, where the whole search or load takes minutes.
    EXPECT_LT(took.count(), 10000);
  }
}

TEST(CullerNothingLost, ALookupFileTooLargeForMemoryIsRefusedNamingIt) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the address sanitizer cannot start under an address-space limit";
#endif
  CullerHome home;
  home.Write("In.txt", "first\r\n");
  home.Write("ScrHuge.txt", "TaskInit\r\nLookupFile 'Huge' 'LufHuge.txt' 1 2\r\nEnd\r\nOutEnd $Data\r\n");
  // Sparse: no disk space, but 3 GiB of memory to hold, under a 1 GiB limit.
  home.Write("LufHuge.txt", "");
  std::filesystem::resize_file(home.File("LufHuge.txt"), 2ull << 30);
  home.AddressSpaceLimit = 1ull << 30;
  const TCullerResult result = home.Run(JobArgs("In.txt", "Out.txt", "ScrHuge.txt"));
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("The Lookup file " + home.Path() + "LufHuge.txt is too large for the memory "
                            "available\nIt needs about 3072 MB; "),
            std::string::npos)
      << result.Err;
}

TEST(CullerNothingLost, AnInputCutShortDuringTheRunEndsItWithAMessage) {
  CullerHome home;
  home.Write("In.txt", "first\r\n" + Numbered('r', 200000));
  // The input is open (its size known) before FileInit, which holds the run.
  home.Write("ScrCut.txt", "FileInit\r\n" + kFlushOutput + kWaitForGo + "End\r\nOutEnd $Data\r\n");
  const TCullerResult result =
      home.RunAndAct(JobArgs("In.txt", "Out.txt", "ScrCut.txt"), "Out.txt", [&](int) {
        std::filesystem::resize_file(home.File("In.txt"), 100);
        home.Write("Go.txt", "go");
      });
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("The input file " + home.Path() + "In.txt became shorter while it was read\n"),
            std::string::npos)
      << result.Err;
  // The output keeps what was written, and no torn last record.
  const std::string out = home.Read("Out.txt");
  EXPECT_EQ(out.substr(0, kHeldOutput.size()), kHeldOutput);
  EXPECT_EQ(out.back(), '\n');
}

TEST(CullerNothingLost, CtrlCAtTheOverwriteQuestionCancelsTheRun) {
  CullerHome home;
  home.Write("In.txt", "a\r\n");
  home.Write("ScrJobs.txt", "keep me\r\n");
  home.TerminalInput = true;
  const int pid = home.StartInBackground(JobArgs("In.txt", "ScrJobs.txt"));
  const bool asked = WaitUntil([&] { return home.ErrorsSoFar(pid).find("[y/N]") != std::string::npos; });
  kill(pid, SIGINT);
  // An answer typed afterwards must not rotate the file.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  home.TypeAtTerminal("y\n");
  const TCullerResult result = home.Finish(pid);
  EXPECT_TRUE(asked);
  EXPECT_NE(result.Status, 0);
  EXPECT_EQ(home.Read("ScrJobs.txt"), "keep me\r\n");
  EXPECT_FALSE(home.Exists("ScrJobs.bak"));
}

TEST(CullerNothingLost, WriteErrorsOnStandardOutputAreReported) {
  for (const std::string ask : {"--version", "/?"}) {
    SCOPED_TRACE(ask);
    CullerHome home;
    home.StandardOutput = "/dev/full";
    const TCullerResult result = home.Run({ask});
    EXPECT_NE(result.Status, 0);
    EXPECT_EQ(result.Err.rfind("culler: write error on standard output", 0), 0u) << result.Err;
  }
}

}  // namespace
}  // namespace gleaner::testing

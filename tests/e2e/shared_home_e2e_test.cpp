// Two runs with one home folder (cron beside a batch job, "xargs -P"): the
// logs belong to one run at a time, and the second run waits for the first,
// saying once which process it waits for.
#include <signal.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

// Until done() holds, for at most half a minute.
template <typename TDone>
bool WaitUntil(TDone done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(SharedHome, ASecondRunWaitsUntilTheFirstHasWrittenItsReports) {
  CullerHome home;
  home.Write("In.txt", "first\r\n");
  // A writes a few megabytes, enough to show on disk, then loops without
  // writing: a slow machine must not fill its disk before A is stopped.
  home.Write("ScrLoop.txt",
             "LogMsg 'run A'\r\nI = 0\r\nBegin\r\nIf I #< '1000000' Then OutEnd I\r\nInc I\r\nAgain\r\n");
  const int first = home.StartInBackground({"/IIn.txt", "/OOutA.txt", "/SScrLoop.txt", "/X", "/Y", "/Z", "/EN",
                                            "/AN", "/R", "/CA"});
  EXPECT_TRUE(WaitUntil([&] { return home.Exists("OutA.txt") && !home.Read("OutA.txt").empty(); }));
  const int second =
      home.StartInBackground({"/IGone.txt", "/OOutB.txt", "/SNone", "/X", "/Y", "/Z", "/EN", "/AN", "/R", "/CA"});
  const std::string waiting = "Waiting for process " + std::to_string(first);
  EXPECT_TRUE(WaitUntil([&] { return home.ErrorsSoFar(second).find(waiting) != std::string::npos; }));
  // Waiting, B has deleted nothing: A's log is still the open log of A.
  EXPECT_TRUE(home.Exists("Culler-Log.txt"));
  EXPECT_FALSE(home.Exists("Culler-Error.txt"));
  kill(first, SIGTERM);
  const TCullerResult a = home.Finish(first);
  const TCullerResult b = home.Finish(second);
  EXPECT_EQ(a.Status, 128 + SIGTERM);
  EXPECT_EQ(b.Status, 1);
  // Said once, then B's own report; B's error log replaced A's after A was done.
  EXPECT_EQ(b.Err, "Culler: Waiting for process " + std::to_string(first) + " to finish its run (" + home.Path() +
                       "Culler.lock)\nCuller: Warning:  The specified input file cannot be found\n\nGone.txt\n"
                       "  (Gone.txt was looked for in: " + home.Path() + ")\n");
  EXPECT_NE(home.ErrorLog().find("The specified input file cannot be found"), std::string::npos);
  EXPECT_FALSE(home.Exists("Culler-Log.txt"));  // B's start deleted A's finished log
  EXPECT_FALSE(home.Exists("OutB.txt"));
}

}  // namespace
}  // namespace gleaner::testing

// The signals that stop a batch run from outside (timeout, kill, a service
// manager, a closed terminal) cancel it as Ctrl+C does: every finished record
// is written and both logs are complete; then the program ends by the same
// signal, so a shell loop stops. A second signal ends it at once.
#include <signal.h>

#include <gtest/gtest.h>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

const std::vector<std::string> kLoopArgs = {"/IIn.txt", "/OOut.txt", "/SScrLoop.txt", "/X",
                                            "/Y",       "/Z",        "/EN",           "/AN", "/R"};

// Numbers records for ever; the signal comes once the first output buffer
// has reached the file.
void WriteLoop(const CullerHome& home) {
  home.Write("In.txt", "first\r\nsecond\r\n");
  home.Write("ScrLoop.txt",
             "OutEnd $OutData\r\nLogMsg 'counting'\r\nI = 0\r\nBegin\r\nOutEnd I\r\nInc I\r\nAgain\r\n");
}

// How many numbered records follow "first", when every one is whole and in
// order; -1 otherwise.
int WholeRecords(const std::string& out) {
  const std::string head = "first\r\n";
  if (out.compare(0, head.size(), head) != 0) return -1;
  int count = 0;
  for (std::size_t at = head.size(); at < out.size(); ++count) {
    const std::string record = std::to_string(count) + "\r\n";
    if (out.compare(at, record.size(), record) != 0) return -1;
    at += record.size();
  }
  return count;
}

TEST(CullerSignals, TermAndHupCancelLikeCtrlC) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    CullerHome home;
    WriteLoop(home);
    const TCullerResult result = home.RunAndSignal(kLoopArgs, "Out.txt", {signal});
    EXPECT_EQ(result.Status, 128 + signal);
    EXPECT_EQ(result.Err, "Culler: Processing cancelled\n\nOutput may be incomplete\n");
    // More than the first buffer: the last, partly filled one was written too.
    const std::string out = home.Read("Out.txt");
    EXPECT_GT(out.size(), 256u * 1024u);
    EXPECT_GT(WholeRecords(out), 0);
    const std::string log = home.Log();
    EXPECT_NE(log.find("counting\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Processing ended <when>\r\n"), std::string::npos) << log;
    EXPECT_NE(home.ErrorLog().find("Description ............. Cancel\r\n"), std::string::npos);
  }
}

TEST(CullerSignals, ASecondSignalEndsTheProgramAtOnce) {
  CullerHome home;
  WriteLoop(home);
  // Two different signals sent together are both delivered (one of a kind
  // could merge with the first while it is pending); the later one kills.
  const TCullerResult result = home.RunAndSignal(kLoopArgs, "Out.txt", {SIGTERM, SIGHUP});
  EXPECT_TRUE(result.Status == 128 + SIGTERM || result.Status == 128 + SIGHUP) << result.Status;
  EXPECT_EQ(result.Err, "");
  // The opening banner reached the file when the log was created.
  EXPECT_EQ(home.Log().rfind(std::string(76, '=') + "\r\nProcessing started <when>\r\n", 0), 0u) << home.Log();
}

}  // namespace
}  // namespace gleaner::testing

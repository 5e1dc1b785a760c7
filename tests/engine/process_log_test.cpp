// The processing log: its layout with and without an error (date and time
// masked), empty-line collapsing, the default name, and use while closed.
#include "engine/process_log.h"

#include <gtest/gtest.h>

#include <regex>

#include "engine/engine_errors.h"
#include "engine/io_fixture.h"

namespace gleaner {
namespace {

using testing::ReadFile;
using ProcessLog = testing::IoTest;

// The log's lines with each date and time (the C locale's %x %X) as "<when>".
std::string MaskedLog(const std::string& name) {
  static const std::regex kWhen(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d)");
  return std::regex_replace(ReadFile(name), kWhen, "<when>");
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

const std::string kEquals(76, '=');

TEST_F(ProcessLog, LayoutOfARun) {
  testing::WriteFile(Home("Culler-Log.txt"), "an older log\r\n");
  LogStart();
  EXPECT_EQ(EngineInfo().CfgLogFileName, Home("Culler-Log.txt"));
  LogMsg("one");
  LogMsg("");
  LogMsgLF();
  LogMsg("two");
  LogStart();  // already open: nothing
  LogEnd();
  EXPECT_EQ(MaskedLog(Home("Culler-Log.txt")),
            Lines({kEquals, "Processing started <when>", kEquals, "", "one", "", "two", "", kEquals,
                   "Processing ended <when>", kEquals}));
}

TEST_F(ProcessLog, ErrorBlockNamesTheErrorLog) {
  const std::string pluses(76, '+');
  EngineInfo().CfgLogFileName = "Run.log";
  LogStart();
  LogMsg("last");
  LogMsgLF();
  Eng().ErrorOccurred = true;
  Eng().CurrentCommand = Cmd::Parse;
  LogEnd();
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Parse);  // the error report still names the failed command
  EXPECT_EQ(MaskedLog(Home("Run.log")),
            Lines({kEquals, "Processing started <when>", kEquals, "", "last", "", kEquals,
                   "Processing ended <when>", kEquals, "", pluses,
                   "Processing ended with an error condition -- see Culler-Error.txt", pluses}));
}

TEST_F(ProcessLog, ClosedLog) {
  EXPECT_EQ(ErrorOf([] { LogMsg("text"); }), "LogMsg file not open\r\n\r\ntext");
  EXPECT_EQ(Eng().ErrorKind, kErrInternal);
  EXPECT_EQ(Eng().CurrentCommand, Cmd::LogMsg);
  LogStart();
  LogMsg("x");
  LogEnd();
  EXPECT_EQ(ErrorOf([] { LogMsgLF(); }), "");  // the same before and after a run
  EngineInfo().CfgLogFileName = Home("missing/Run.log");
  EXPECT_EQ(ErrorOf([] { LogStart(); }),
            "Could not create " + Home("missing/Run.log") + "\r\n\r\nNo such file or directory");
}

}  // namespace
}  // namespace gleaner

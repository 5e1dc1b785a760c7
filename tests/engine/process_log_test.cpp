// The processing log: its layout with and without an error (date and time
// masked), empty-line collapsing, the default name, and use while closed.
#include "engine/process_log.h"

#include <gtest/gtest.h>

#include <regex>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/io_fixture.h"
#include "engine/lifecycle.h"

namespace gleaner {
namespace {

using testing::IoTest;
using testing::ReadFile;
using testing::WriteFile;

using ProcessLog = IoTest;

const std::string kEquals(76, '=');
const std::string kPluses(76, '+');

// The log with each date and time (the C locale's %x %X) replaced by "<when>".
std::string MaskedLog(const std::string& name) {
  static const std::regex kWhen(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d)");
  return std::regex_replace(ReadFile(name), kWhen, "<when>");
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST_F(ProcessLog, LayoutOfARun) {
  WriteFile(Home("Culler-Log.txt"), "an older log\r\n");
  LogStart();
  EXPECT_EQ(EngineInfo().CfgLogFileName, Home("Culler-Log.txt"));
  LogMsg("one");
  LogMsg("");
  LogMsgLF();
  EXPECT_EQ(Eng().CurrentCommand, Cmd::LogMsgLF);
  LogMsg("two");
  LogStart();  // already open: nothing
  LogEnd();
  EXPECT_FALSE(LogIsOpen());
  EXPECT_EQ(MaskedLog(Home("Culler-Log.txt")),
            Lines({kEquals, "Processing started <when>", kEquals, "", "one", "", "two", "", kEquals,
                   "Processing ended <when>", kEquals}));
}

TEST_F(ProcessLog, ErrorBlockNamesTheErrorLog) {
  EngineInfo().CfgLogFileName = "Run.log";
  LogStart();
  LogMsg("last");
  LogMsgLF();
  Eng().ErrorOccurred = true;
  Eng().CurrentCommand = Cmd::Parse;
  LogEnd();
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Parse);
  EXPECT_EQ(MaskedLog(Home("Run.log")),
            Lines({kEquals, "Processing started <when>", kEquals, "", "last", "", kEquals, "Processing ended <when>",
                   kEquals, "", kPluses, "Processing ended with an error condition -- see Culler-Error.txt",
                   kPluses}));
}

TEST_F(ProcessLog, ClosedLog) {
  LogEnd();
  EXPECT_EQ(ErrorOf([] { LogMsg("text"); }), "LogMsg file not open\r\n\r\ntext");
  EXPECT_EQ(Eng().ErrorKind, kErrInternal);
  EXPECT_EQ(Eng().CurrentCommand, Cmd::LogMsg);
  LogStart();
  LogMsg("x");
  LogEnd();
  EXPECT_EQ(ErrorOf([] { LogMsgLF(); }), "");
}

TEST_F(ProcessLog, CreateFailure) {
  EngineInfo().CfgLogFileName = Home("missing/Run.log");
  EXPECT_EQ(ErrorOf([] { LogStart(); }),
            "Could not create " + Home("missing/Run.log") + "\r\n\r\nNo such file or directory");
  EXPECT_FALSE(LogIsOpen());
}

}  // namespace
}  // namespace gleaner

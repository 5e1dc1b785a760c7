// The terminal progress line: its text, its pace, and its clearing before any
// other output to standard error.
#include "interface/terminal_progress.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/engine_state.h"
#include "support/fake_ports.h"

namespace gleaner {
namespace {

using namespace std::chrono_literals;

TEST(ProgressLine, ShowsFileBytesPercentAndRate) {
  const std::tuple<TProgressFigures, int, std::string> cases[] = {
      {{"/data/ThingsToDo.txt", 1536, 3072, 2.5 * 1024 * 1024}, 80, "ThingsToDo.txt  1.5 KiB of 3.0 KiB  50%  2.5 MiB/s"},
      {{"Clipboard", 700, 0, 0}, 80, "Clipboard  700 B  0 B/s"},
      {{"grown.log", 5000, 4000, 100}, 80, "grown.log  4.9 KiB of 3.9 KiB  100%  100 B/s"},
      {{"/d/a-very-long-name-of-a-log-file.txt", 10, 20, 10}, 40, "...-file.txt  10 B of 20 B  50%  10 B/s"},
      {{"/d/name.txt", 10, 20, 10}, 20, "10 B of 20 B  50%"},  // no room for a name
      {{"/d/\xC3\xA9t\xC3\xA9-\xC3\xA9t\xC3\xA9.txt", 1, 0, 1}, 22, "...\xC3\xA9.txt  1 B  1 B/s"},
      {{"/d/\xC3\xA9t\xC3\xA9-\xC3\xA9t\xC3\xA9.txt", 1, 0, 1}, 21, "....txt  1 B  1 B/s"},  // never half a character
  };
  for (const auto& [figures, columns, line] : cases) {
    EXPECT_EQ(ProgressLine(figures, columns), line) << figures.File;
    EXPECT_LE(ProgressLine(figures, columns).size(), static_cast<std::size_t>(columns) - 1) << figures.File;
  }
}

TEST(ProgressLine, ByteSizesInBinaryUnits) {
  const std::pair<double, std::string> cases[] = {
      {0, "0 B"}, {1023, "1023 B"}, {1024, "1.0 KiB"}, {1024 * 1024 * 3.25, "3.2 MiB"}, {1024.0 * 1024 * 1024 * 1.5, "1.5 GiB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(ByteSize(bytes), text) << bytes;
}

std::chrono::steady_clock::time_point fakeNow = std::chrono::steady_clock::time_point(1h);
std::chrono::steady_clock::time_point FakeClock() { return fakeNow; }

class TerminalProgressTest : public ::testing::Test {
 protected:
  TerminalProgressTest() {
    TEngineState& eng = Eng();
    eng.EngineOpen = true;
    eng.ActualIFN = "/in/Big.txt";
    eng.InputFileSize = 4096;
    eng.BytesConsumed = 0;
  }
  ~TerminalProgressTest() override { Eng().EngineOpen = false; }
  // One clock check's worth of records, read at the given moment.
  void Records(std::int64_t bytes, std::chrono::milliseconds at) {
    Eng().BytesConsumed = bytes;
    fakeNow = std::chrono::steady_clock::time_point(1h) + at;
    for (int i = 0; i < TTerminalProgress::kCallsPerClockCheck; ++i) Ports().EventPump->PumpEvents();
  }
  testing::FakePorts ports;
  std::ostringstream terminal;
};

TEST_F(TerminalProgressTest, RedrawsAFewTimesASecondAndClearsBeforeOtherOutput) {
  {
    TTerminalProgress progress(terminal, &FakeClock);
    progress.Install();
    Records(0, 0ms);
    Records(1024, 100ms);
    EXPECT_EQ(terminal.str(), "");  // not yet a quarter of a second
    Records(2048, 500ms);
    EXPECT_EQ(terminal.str(), "\rBig.txt  2.0 KiB of 4.0 KiB  50%  4.0 KiB/s");
    terminal << "Culler: a message\n";
    Ports().Notice->ShowNotice("Culler", "a notice");
    Records(4096, 600ms);  // too soon after the last redraw
    Records(4096, 1000ms);
    EXPECT_EQ(ports.pump.calls, 5 * TTerminalProgress::kCallsPerClockCheck);  // the cancel check still runs
  }
  const std::string blank = "\r" + std::string(43, ' ') + "\r";
  EXPECT_EQ(terminal.str(), "\rBig.txt  2.0 KiB of 4.0 KiB  50%  4.0 KiB/s" + blank + "Culler: a message\n" +
                                "\rBig.txt  4.0 KiB of 4.0 KiB  100%  4.0 KiB/s" + "\r" + std::string(44, ' ') + "\r");
  EXPECT_EQ(ports.notice.texts, std::vector<std::string>{"a notice"});
  EXPECT_EQ(Ports().EventPump, &ports.pump);
  EXPECT_EQ(Ports().Notice, &ports.notice);
  terminal << "after";
  EXPECT_TRUE(terminal.str().ends_with("\rafter"));
}

TEST_F(TerminalProgressTest, ShortLineCoversTheLongerOneAndClosedEngineShowsNothing) {
  TTerminalProgress progress(terminal, &FakeClock);
  progress.Install();
  Records(0, 0ms);
  Records(1024 * 1024, 1000ms);
  Eng().ActualIFN = "/in/B.txt";  // the next file: its count starts again
  Eng().InputFileSize = 10;
  Records(5, 2000ms);
  const std::string first = "\rBig.txt  1.0 MiB of 4.0 KiB  100%  1.0 MiB/s";
  EXPECT_EQ(terminal.str(), first + "\rB.txt  5 B of 10 B  50%  512.0 KiB/s" + std::string(8, ' '));
  Eng().EngineOpen = false;
  Records(10, 3000ms);
  EXPECT_EQ(terminal.str().size(), first.size() * 2);
  Ports().Clipboard->WriteText("x", "Clipboard-Out.txt");  // the clipboard note clears the line first
  EXPECT_TRUE(terminal.str().ends_with("\r" + std::string(first.size() - 1, ' ') + "\r"));
  EXPECT_EQ(ports.clipboard.writes, 1);
}

}  // namespace
}  // namespace gleaner

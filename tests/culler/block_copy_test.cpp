// The block copy of a culling run without script and lists, held against
// the record-at-a-time path on the same inputs: the output bytes, the
// processing log, the message of a stop and every counter the engine keeps
// must come out the same, for generated and for edge-case inputs.
#include <gtest/gtest.h>

#include <random>

#include "culler/cull_run.h"
#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/process_log.h"
#include "engine/reader.h"

namespace gleaner::testing {
namespace {

constexpr std::size_t kBlock = 256 * 1024;  // the reader's block, for inputs that cross it

struct TRunState {
  std::string Output;
  std::string Log;
  std::string Error;
  std::string RecordCount;
  std::string Record;
  std::string PreviousRecord;
  std::int64_t BytesConsumed = 0;
  std::int64_t BytesOut = 0;
  Cmd CurrentCommand = Cmd::Undetermined;
};

class BlockCopy : public CullRun {
 protected:
  void SetUp() override {
    CullRun::SetUp();
    savedInfo_ = EngineInfo();
  }
  void TearDown() override {
    EngineInfo() = savedInfo_;
    handlers.AllowBlockCopy(true);
    CullRun::TearDown();
  }

  // One run over the input files (In1.txt, In2.txt, ...) into output.
  TRunState Run(bool blockCopy, const std::vector<std::string>& inputs, const std::string& controls,
                const std::string& output) {
    for (std::size_t i = 0; i < inputs.size(); ++i)
      WriteFile(folder.File("In" + std::to_string(i + 1) + ".txt"), inputs[i]);
    Eng().OptionX.clear();
    Eng().OptionY.clear();
    Eng().OptionZ = controls;
    handlers.AllowBlockCopy(blockCopy);
    TRunState state;
    OpenEngine(folder.File(inputs.size() == 1 ? "In1.txt" : "In*.txt"), output);
    BeginRun(true);
    try {
      RunSteps(handlers);
    } catch (const EParse& error) {
      state.Error = error.what();
    } catch (const EParseStop& stop) {
      state.Error = stop.what();
    }
    const TEngineState& eng = Eng();
    state = {"", "", state.Error, eng.RecordCount, eng.Record, eng.PreviousRecord, eng.BytesConsumed,
             eng.BytesOut, eng.CurrentCommand};
    EndRun();
    CloseEngine();
    if (output == folder.File("Out.txt")) state.Output = ReadFile(output);
    state.Log = ProcessingPart(ReadFile(LogFileName()));
    return state;
  }

  void ExpectSame(const std::vector<std::string>& inputs, const std::string& controls = "",
                  const std::string& what = "") {
    ExpectSameInto(inputs, controls, folder.File("Out.txt"), what);
  }

  void ExpectSameInto(const std::vector<std::string>& inputs, const std::string& controls,
                      const std::string& output, const std::string& what) {
    const TRunState plain = Run(false, inputs, controls, output);
    const TRunState block = Run(true, inputs, controls, output);
    const std::string context = what + " controls '" + controls + "'";
    EXPECT_TRUE(plain.Output == block.Output) << context << ": outputs differ, " << plain.Output.size()
                                              << " against " << block.Output.size() << " bytes";
    EXPECT_EQ(plain.Log, block.Log) << context;
    EXPECT_EQ(plain.Error, block.Error) << context;
    EXPECT_EQ(plain.RecordCount, block.RecordCount) << context;
    EXPECT_TRUE(plain.Record == block.Record) << context << ": Record differs";
    EXPECT_TRUE(plain.PreviousRecord == block.PreviousRecord) << context << ": PreviousRecord differs";
    EXPECT_EQ(plain.BytesConsumed, block.BytesConsumed) << context;
    EXPECT_EQ(plain.BytesOut, block.BytesOut) << context;
    EXPECT_EQ(plain.CurrentCommand, block.CurrentCommand) << context;
  }

 private:
  TEngineInfo savedInfo_;
};

// Log-like lines in mixed letter case, with empty lines, trailing spaces,
// LF and CR LF ends, now and then a lone CR, a NUL or a Ctrl+Z, and
// sometimes no end after the last line.
std::string GeneratedInput(std::mt19937& random, std::size_t size) {
  static const char* const kWords[] = {"Cat", "moose", "DOG", "elk", "request", "served", "x"};
  static const char* const kEnds[] = {"\r\n", "\r\n", "\r\n", "\r\n", "\n", "\r\r\n", "\r"};
  std::string input;
  while (input.size() < size) {
    const unsigned shape = random() % 20;
    if (shape == 0) {
      input += "\r\n";
      continue;
    }
    for (unsigned words = 1 + random() % 12; words > 0; --words) input.append(kWords[random() % 7]).append(" ");
    if (shape == 1) input += std::string("\0\x1a", 2);
    if (shape > 3) input.pop_back();  // most lines end without a space
    input += kEnds[random() % 7];
  }
  if (random() % 2 == 0) input.append("last line without end");
  return input;
}

TEST_F(BlockCopy, AgreesWithTheRecordPathOnGeneratedInputs) {
  std::mt19937 random(7);
  for (int round = 0; round < 12; ++round) {
    const std::size_t size = round < 10 ? 1 + random() % 20000 : kBlock * 2 + random() % 5000;
    const std::string input = GeneratedInput(random, size);
    for (const char* controls : {"", "/NK", "/NS", "/NS/FS", "/FY"}) {
      ExpectSame({input}, controls, "round " + std::to_string(round));
    }
  }
}

TEST_F(BlockCopy, LinesAtTheEdgesOfTheReadBlock) {
  // 64-byte lines end exactly at the block's last byte; the shifts put the
  // CR, then the LF, then a line start on it.
  const std::string line = std::string(62, 'a') + "\r\n";
  std::string lines;
  while (lines.size() < kBlock) lines += line;
  for (const std::string shift : {"", "b", "bc", "bc \r\n", "\r\n"}) {
    ExpectSame({shift + lines + "tail\r\n" + lines}, "", "shift '" + shift + "'");
  }
  ExpectSame({std::string(kBlock - 1, 'c') + "\r\n" + "next\r\n"}, "", "CR LF across the edge");
  ExpectSame({std::string(kBlock - 1, 'c') + "  \r\n\r\n" + "next\r\n"}, "/NK", "spaces across the edge");
}

TEST_F(BlockCopy, TheLineLimitAndItsMessage) {
  const std::string longest(kMaxLineLength, 'L');
  ExpectSame({"a\r\n" + longest + "\r\nb\r\n"}, "", "a line of exactly the limit");
  ExpectSame({"a\r\n" + longest + "  \r\nb\r\n"}, "", "the limit with trailing spaces");
  ExpectSame({"a\r\nb\r\n" + longest + "L\r\nc\r\n"}, "", "one past the limit");
}

TEST_F(BlockCopy, FilesNullModesAndHeadersAcrossFiles) {
  const std::vector<std::string> files = {"a\r\n\r\n\r\nb \r\n\r\n", "\r\n\r\nc\r\nd\r\n", "e"};
  for (const char* controls : {"", "/NK", "/NS", "/FS", "/FY/NS", "/NS/FS"}) ExpectSame(files, controls);
}

TEST_F(BlockCopy, OtherInputAndOutputTypesAndAMinimumLength) {
  std::mt19937 random(99);
  const std::string input = GeneratedInput(random, 30000);
  EngineInfo().CfgOutputFileType = "TEXTLF";
  ExpectSame({input}, "/NK", "TEXTLF output");
  EngineInfo().CfgOutputFileType = "TEXTCR";
  ExpectSame({input}, "/NK", "TEXTCR output");
  EngineInfo().CfgOutputFileType = "TEXT";
  EngineInfo().CfgInputFileType = "TEXTLF";
  ExpectSame({input}, "/NS", "TEXTLF input");
  EngineInfo().CfgInputFileType = "TEXTCR";
  ExpectSame({input}, "/NS", "TEXTCR input");
  EngineInfo().CfgInputFileType = "TEXT";
  EngineInfo().CfgRecLen = 12;
  ExpectSame({input}, "/NK", "records of 12 characters or more");
}

TEST_F(BlockCopy, AFailingWriteStopsAtTheSameRecord) {
  std::mt19937 random(5);
  const std::string input = GeneratedInput(random, 3 * kBlock / 2);
  ExpectSameInto({input}, "", "/dev/full", "output to a full device");
  EXPECT_NE(Run(true, {input}, "", "/dev/full").Error.find("No space left on device"), std::string::npos);
}

TEST_F(BlockCopy, CancelKeepsWholeRecordsAndThePumpRunsThroughout) {
  std::string input;
  for (int i = 0; i < 200000; ++i) input += "record " + std::to_string(i) + "\r\n";
  const TRunState whole = Run(true, {input}, "", folder.File("Out.txt"));
  const int pumpsForTheWholeRun = ports.pump.calls;
  // At most one read block, or 1024 records, between two pumps.
  EXPECT_GE(pumpsForTheWholeRun, 200000 / 1025);
  ports.pump.calls = 0;
  ports.pump.onPump = [](int calls) {
    if (calls == 20) Eng().CancelRequested = true;
  };
  const TRunState cancelled = Run(true, {input}, "", folder.File("Out.txt"));
  ports.pump.onPump = nullptr;
  EXPECT_EQ(cancelled.Error, "Processing cancelled\r\n\r\nOutput may be incomplete");
  ASSERT_FALSE(cancelled.Output.empty());
  EXPECT_LT(cancelled.Output.size(), whole.Output.size());
  EXPECT_EQ(whole.Output.compare(0, cancelled.Output.size(), cancelled.Output), 0);
  // What was written is every record read, and nothing of the next.
  const std::int64_t records = std::count(cancelled.Output.begin(), cancelled.Output.end(), '\n');
  EXPECT_EQ(cancelled.RecordCount, std::to_string(records));
  EXPECT_EQ(cancelled.Record, "record " + std::to_string(records - 1));
}

// A Cancel at the fetch right after a block copy leaves the engine as the
// record-at-a-time path leaves it after the same records: the previous
// record trimmed (lines with trailing blanks), and the last command the one
// that wrote the last record (an empty line where the copy ends, after
// text lines).
TEST_F(BlockCopy, CancelRightAfterACopyFindsTheStateOfTheRecordPath) {
  std::string blanks, empties;
  for (int i = 0; i < 5000; ++i) {
    blanks += "record " + std::to_string(i) + std::string(1 + i % 3, ' ') + "\r\n";
    empties += (i == 1024 ? "" : "line " + std::to_string(i)) + "\r\n";
  }
  for (const std::string& input : {blanks, empties}) {
    ports.pump.calls = 0;
    ports.pump.onPump = [](int calls) { Eng().CancelRequested = calls == 2; };
    const TRunState block = Run(true, {input}, "/NK", folder.File("Out.txt"));
    ASSERT_GT(std::stoi(block.RecordCount), 2);
    ports.pump.onPump = [&block](int) { Eng().CancelRequested = Eng().RecordCount == block.RecordCount; };
    const TRunState plain = Run(false, {input}, "/NK", folder.File("Out.txt"));
    ports.pump.onPump = nullptr;
    EXPECT_EQ(block.Error, "Processing cancelled\r\n\r\nOutput may be incomplete");
    EXPECT_EQ(plain.Error, block.Error);
    EXPECT_EQ(plain.RecordCount, block.RecordCount);
    EXPECT_EQ(plain.Record, block.Record);
    EXPECT_EQ(plain.PreviousRecord, block.PreviousRecord);
    EXPECT_EQ(plain.CurrentCommand, block.CurrentCommand);
    EXPECT_TRUE(plain.Output == block.Output);
  }
}

}  // namespace
}  // namespace gleaner::testing

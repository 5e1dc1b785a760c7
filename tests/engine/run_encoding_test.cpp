// The choice of a run's encoding when the engine opens, and LF record ends.
#include "engine/run_encoding.h"

#include <gtest/gtest.h>

#include "engine/io_fixture.h"
#include "engine/process_log.h"
#include "foundation/text_model.h"

namespace gleaner {
namespace {

using testing::ReadFile;
using testing::WriteFile;
using Records = std::vector<std::string>;

constexpr TextEncoding kUtf8 = TextEncoding::kUtf8;
constexpr TextEncoding kAnsi = TextEncoding::kWindows1252;
constexpr std::size_t kBlock = 256 * 1024;  // the reader's block

class RunEncoding : public testing::IoTest {
 protected:
  RunEncoding() { RunChoices() = TRunChoices{}; }
  ~RunEncoding() override { RunChoices() = TRunChoices{}; }
};

struct TCase {
  const char* Name;
  std::string Input;  // the bytes of in.txt
  std::string Spec = "in.txt";
  std::string Script = "";  // the script file's bytes; none when empty
  EncodingChoice User = EncodingChoice::kAuto;
  std::string ScriptWord = "";  // $CfgEncoding
  TextEncoding Expected = kUtf8;
};

TEST_F(RunEncoding, TheUserThenTheScriptThenTheDataChoose) {
  const std::string ascii = "Plain words\r\n";
  const std::string utf8 = "Caf\xC3\xA9 cr\xC3\xA8me \xE6\x97\xA5\xE6\x9C\xAC\r\n";
  const std::string ansi = "Caf\xE9 cr\xE8me\r\n";
  const TCase cases[] = {
      {"ASCII counts as UTF-8", ascii},
      {"UTF-8 input", utf8},
      {"Windows-1252 input", ansi, "in.txt", "", EncodingChoice::kAuto, "", kAnsi},
      {"an empty file", ""},
      {"no input", "", "None"},
      {"clipboard input", ansi, "Clipboard"},
      {"a script in Windows-1252", utf8, "in.txt", "Output 'caf\xE9'\r\n", EncodingChoice::kAuto, "", kAnsi},
      {"a script in UTF-8", utf8, "in.txt", "Output 'caf\xC3\xA9'\r\n"},
      {"a script in Windows-1252 with clipboard input", "", "Clipboard", "Output 'caf\xE9'\r\n",
       EncodingChoice::kAuto, "", kAnsi},
      {"the user's UTF-8", ansi, "in.txt", "", EncodingChoice::kUtf8, "", kUtf8},
      {"the user's Windows-1252", utf8, "in.txt", "", EncodingChoice::kWindows1252, "", kAnsi},
      {"the script's UTF-8", ansi, "in.txt", "", EncodingChoice::kAuto, "utf-8", kUtf8},
      {"the script's Windows-1252", utf8, "in.txt", "", EncodingChoice::kAuto, "Windows-1252", kAnsi},
      {"the script's Auto", ansi, "in.txt", "", EncodingChoice::kAuto, "AUTO", kAnsi},
      {"the user before the script", ansi, "in.txt", "", EncodingChoice::kUtf8, "CP1252", kUtf8},
      {"accented letters after an ASCII first block", std::string(kBlock + 10, 'a') + "\xE9\r\n", "in.txt", "",
       EncodingChoice::kAuto, "", kAnsi},
      {"a character cut by the first block's end", std::string(kBlock - 1, 'a') + "\xC3\xA9\r\n"},
      {"a character left open at the end", "abc\xC3", "in.txt", "", EncodingChoice::kAuto, "", kAnsi},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    WriteFile(Home("in.txt"), c.Input);
    ports_.clipboard.text = c.Input;
    RunChoices() = TRunChoices{c.User, c.Script.empty() ? "None" : Home("Scr.txt"), false};
    if (!c.Script.empty()) WriteFile(Home("Scr.txt"), c.Script);
    EngineInfo().CfgEncoding = c.ScriptWord;
    SelectTextModel(c.Expected == kUtf8 ? kAnsi : kUtf8);
    OpenEngine(c.Spec, "out.txt");
    EXPECT_EQ(CurrentTextEncoding(), c.Expected);
    // Judging the input takes nothing from it.
    std::string read;
    while (ReadNextRecord()) read += Eng().Record + "\r\n";
    if (c.Spec == "in.txt" && c.Input.ends_with("\r\n")) {
      EXPECT_EQ(read, c.Input);
    }
    CloseEngine();
  }
}

TEST_F(RunEncoding, BinaryInputIsWindows1252AndUnknownWordsAreRefused) {
  WriteFile(Home("in.txt"), "Caf\xC3\xA9");
  EngineInfo().CfgInputFileType = "BINARY";
  EngineInfo().CfgRecLen = 4;
  OpenEngine("in.txt", "out.txt");
  EXPECT_EQ(CurrentTextEncoding(), kAnsi);
  EXPECT_EQ(ReadAll(), (Records{"Caf\xC3", "\xA9"}));
  CloseEngine();
  EngineInfo().CfgInputFileType = "TEXT";
  EngineInfo().CfgEncoding = "Latin-9";
  EXPECT_EQ(ErrorOf([] { OpenEngine("in.txt", "out.txt"); }), "Unknown text encoding\r\n\r\nLatin-9");
}

// LF applies to TEXT output only; the processing log keeps CR LF.
TEST_F(RunEncoding, LfLineEndsForTextOutputOnly) {
  WriteFile(Home("in.txt"), "a\r\nb\r\n");
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"TEXT", false, "a\r\nb\r\n"},
      {"TEXT", true, "a\nb\n"},
      {"TEXTLF", false, "a\nb\n"},
      {"TEXTCR", true, "a\rb\r"},
  };
  for (const auto& [type, lf, expected] : cases) {
    EngineInfo().CfgOutputFileType = type;
    RunChoices().LfLineEnds = lf;
    BeginRun(true);
    CopyRun("in.txt", "out.txt");
    LogMsg("done");
    EndRun();
    EXPECT_EQ(ReadFile(Home("out.txt")), expected) << type << lf;
    EXPECT_NE(ReadFile(LogFileName()).find("done\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace gleaner

// The form's run choices: the encoding box and the LF check box reach the
// run, the parameter boxes meet the data in its encoding, the script's own
// choices are checked, and the command line and the settings keep them.
#include "interface/run_choices.h"

#include <gtest/gtest.h>

#include "engine/engine_info.h"
#include "engine/run_encoding.h"
#include "foundation/settings_store.h"
#include "foundation/text_model.h"
#include "interface/command_line.h"
#include "interface/controller_fixture.h"

namespace gleaner::testing {
namespace {

const std::string kUtf8Cafe = "Caf\xC3\xA9";
const std::string kAnsiCafe = "Caf\xE9";

class RunChoicesTest : public ControllerTest {
 protected:
  RunChoicesTest() { StartUp(); }
  ~RunChoicesTest() override { RunChoices() = TRunChoices{}; }

  // One run of input with the keep list typed into the X box.
  std::string Run(const std::string& input, const std::string& keep, const std::string& script = "None") {
    WriteFile(folder.File("Data.txt"), input);
    SetBoxes(folder.File("Data.txt"), folder.File("Out.txt"), script);
    form[kCboParameterX].Text = keep;
    controller.FormActivate();  // a new script's Config section runs first, as on the form
    StartAndRun();
    return Output();
  }
};

TEST_F(RunChoicesTest, TheBoxesReachTheRunInItsEncoding) {
  const std::string utf8Input = kUtf8Cafe + "\r\nTea\r\n";
  const std::string ansiInput = kAnsiCafe + "\r\nTea\r\n";
  struct TCase {
    const char* Encoding;
    bool Lf;
    std::string Input;
    std::string Keep;  // as the desktop box gives it: UTF-8
    std::string Expected;
    TextEncoding Model;
  };
  const TCase cases[] = {
      {"Auto", false, utf8Input, "/" + kUtf8Cafe, kUtf8Cafe + "\r\n", TextEncoding::kUtf8},
      {"Auto", false, ansiInput, "/" + kUtf8Cafe, kAnsiCafe + "\r\n", TextEncoding::kWindows1252},
      {"Auto", false, ansiInput, "/" + kAnsiCafe, kAnsiCafe + "\r\n", TextEncoding::kWindows1252},
      {"UTF-8", true, utf8Input, "/" + kAnsiCafe, kUtf8Cafe + "\n", TextEncoding::kUtf8},
      {"Windows-1252", false, utf8Input, "/" + kUtf8Cafe, "", TextEncoding::kWindows1252},
      {"Auto", true, utf8Input, "", utf8Input.substr(0, 5) + "\nTea\n", TextEncoding::kUtf8},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Encoding) + " " + c.Keep);
    form[kCboEncoding].Text = c.Encoding;
    form[kChkLfLineEnds].Checked = c.Lf;
    EXPECT_EQ(Run(c.Input, c.Keep), c.Expected);
    EXPECT_EQ(CurrentTextEncoding(), c.Model);
    EXPECT_EQ(Shown(), std::vector<std::string>{});
  }
}

TEST_F(RunChoicesTest, TheScriptsConfigChoosesLineEndsAndEncoding) {
  WriteFile(folder.File("Scr.txt"),
            "Config\n$CfgOutputFileType = 'TextLF'\n$CfgEncoding = 'windows-1252'\nEnd\nOutEnd $OutData\n");
  EXPECT_EQ(Run(kUtf8Cafe + "\r\n", "", folder.File("Scr.txt")), kUtf8Cafe + "\n");
  EXPECT_EQ(CurrentTextEncoding(), TextEncoding::kWindows1252);
  const std::pair<std::string, std::string> refused[] = {
      {"$CfgOutputFileType = 'TEXTCR'",
       "Invalid $CfgOutputFileType value (TEXTCR) in Config section -- must be TEXT or TEXTLF"},
      {"$CfgEncoding = 'Latin-1'",
       "Invalid $CfgEncoding value (Latin-1) in Config section -- must be Auto, UTF-8 or Windows-1252"},
  };
  for (const auto& [line, message] : refused) {
    view.shown.clear();
    WriteFile(folder.File("Bad.txt"), "Config\n" + line + "\nEnd\nOutEnd $OutData\n");
    form[kCboScriptFile].Text = folder.File("Bad.txt");
    controller.FormActivate();
    RunTimers();
    ASSERT_EQ(Shown().size(), 1u) << line;
    EXPECT_EQ(Shown()[0].substr(0, message.size()), message);
    // The refused value does not linger for the next run.
    EXPECT_EQ(EngineInfo().CfgOutputFileType + EngineInfo().CfgEncoding, "TextAuto");
  }
}

TEST_F(RunChoicesTest, TheCommandLineAndTheSettingsKeepTheChoices) {
  const std::tuple<std::vector<std::string>, const char*, bool, bool> cases[] = {
      {{"--encoding=utf-8"}, "UTF-8", false, false},
      {{"--encoding=CP1252", "--lf"}, "Windows-1252", true, false},
      {{"--lf", "--crlf", "--encoding=auto"}, "Auto", false, false},
      {{"--lf", "--encoding=latin1", "--crlf"}, "Auto", true, true},
  };
  for (const auto& [params, encoding, lf, error] : cases) {
    form[kCboEncoding].Text = "Auto";
    form[kChkLfLineEnds].Checked = false;
    EXPECT_EQ(ProcessCommandLine(params, form, view).Error, error) << params.back();
    EXPECT_EQ(form[kCboEncoding].Text, encoding);
    EXPECT_EQ(form[kChkLfLineEnds].Checked, lf);
  }
  EXPECT_EQ(Shown().back(),
            "The --encoding switch must be set to --encoding=utf-8, --encoding=windows-1252 or --encoding=auto");
  form[kCboEncoding].Text = "utf8";
  form[kChkLfLineEnds].Checked = true;
  SaveRunChoices(form);
  TMainForm fresh;
  LoadRunChoices(fresh);
  EXPECT_EQ(fresh[kCboEncoding].Text, "UTF-8");
  EXPECT_TRUE(fresh[kChkLfLineEnds].Checked);
  WriteText("cboEncoding.Text", "EBCDIC");
  LoadRunChoices(fresh);
  EXPECT_EQ(fresh[kCboEncoding].Text, "Auto");
}

}  // namespace
}  // namespace gleaner::testing

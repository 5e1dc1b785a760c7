// TRunController's two engine runs: the configuration-only run of
// the script's Config section with its $Cfg checks, and the processing run.
// Both always close the engine and free the compiled script, also after an
// error; failures are reported only after the files are closed.
#include <exception>

#include "engine/gleaner_engine.h"
#include "foundation/text_utils.h"
#include "interface/error_report.h"
#include "interface/form_state.h"
#include "interface/run_choices.h"
#include "interface/run_controller.h"
#include "script/gleaner_script.h"

namespace gleaner {
namespace {

// What ended a part of a run, to be reported once the engine is closed.
struct TOutcome {
  bool Failed = false;   // an error, or a stop with a message
  bool IsError = false;  // reported as an engine error
  std::string Message;
};

TOutcome InternalError(const char* text) {
  MarkInternalError();
  return {true, true, text};
}

// Runs part; a quiet stop counts as a normal end. Any failure other than the
// engine's own is an internal error: the program never crashes on data.
template <typename Part>
TOutcome Guard(Part part) {
  try {
    part();
  } catch (const EParse& e) {
    return {true, true, e.what()};
  } catch (const EParseStop& e) {
    if (*e.what() != '\0') return {true, false, e.what()};
  } catch (const std::exception& e) {
    return InternalError(e.what());
  } catch (...) {
    return InternalError("Unexpected failure");
  }
  return {};
}

// The failure to tell the user: the first one.
const TOutcome& Shown(const TOutcome& first, const TOutcome& second) { return first.Failed ? first : second; }

// Each resource is closed in its own guard, so a log that cannot be written
// never keeps the output's last buffer from reaching its file.
TOutcome CloseEverything() {
  const TOutcome log = Guard([] { EndRun(); });
  const TOutcome engine = Guard([] { CloseEngine(); });
  FreeCompiledScript();
  SetScriptActive(false);
  return Shown(log, engine);
}

// The application's handlers with the controller's own work beside them.
class TRunSteps final : public TRunHandlers {
 public:
  TRunSteps(TRunHandlers& application, TControl& progressBar) : app_(application), bar_(progressBar) {}
  void AfterConfig() override {
    app_.AfterConfig();
    StoreCanonicalDefaultOFN();
  }
  void FileStarted() override {
    bar_.Maximum = Eng().InputFileSize;
    app_.FileStarted();
  }
  void TaskInit() override { app_.TaskInit(); }
  void FileInit() override { app_.FileInit(); }
  void Main() override { app_.Main(); }
  void FileDone() override { app_.FileDone(); }
  void TaskDone() override { app_.TaskDone(); }

 private:
  TRunHandlers& app_;
  TControl& bar_;
};

// Enables a parameter's label and box again without restoring its history:
// the box keeps what was typed or given on the command line, so that the
// save after the checks remembers it (a disabled box loses its marker).
void ReenableParameter(TMainForm& form, char letter) {
  TControl& box = form[ParameterBoxName(letter)];
  form[ParameterLabelName(letter)].Enabled = true;
  box.Enabled = true;
  box.ButtonFace = false;
  if (box.Text == kNotUsedMarker) box.Text.clear();
}

}  // namespace

void TRunController::PrepareConfigValues() {
  const TEngineInfo& info = EngineInfo();
  TCfg& cfg = ScriptCfg();
  cfg = TCfg{};
  cfg.RecLen = std::to_string(info.CfgRecLen);
  cfg.EnableOptionX = BoolToYN(info.CfgEnableOptionX);
  cfg.EnableOptionY = BoolToYN(info.CfgEnableOptionY);
  cfg.EnableOptionZ = BoolToYN(info.CfgEnableOptionZ);
}

void TRunController::CopyParameterTexts() {
  TEngineState& eng = Eng();
  eng.OptionX = form_[kCboParameterX].Text;
  eng.OptionY = form_[kCboParameterY].Text;
  eng.OptionZ = form_[kCboParameterZ].Text;
}

bool TRunController::RunConfigSection() {
  PrepareConfigValues();
  CopyParameterTexts();
  if (!PrepareScript(scriptName_)) return false;
  PassRunChoices(form_);
  const TOutcome run = Guard([] {
    OpenEngine("None", "None");
    GiveOptionsRunEncoding();
    BeginRun(false);
    try {
      Execute(Cmd::Config);
    } catch (const ENextStep&) {
    }
  });
  const TOutcome close = CloseEverything();
  const TOutcome& shown = Shown(run, close);
  if (shown.Failed) Tell(shown.Message, shown.IsError);
  return !shown.Failed;
}

bool TRunController::CheckConfigValues() {
  TEngineInfo& info = EngineInfo();
  const TCfg& cfg = ScriptCfg();
  std::int32_t recordLength = 0;
  if (!CheckedInt(cfg.RecLen, recordLength, true, false)) {
    Tell("Invalid $CfgRecLen value (" + cfg.RecLen + ") in Config section", false);
    return false;
  }
  info.CfgRecLen = recordLength;
  if (const std::string error = RunChoiceConfigError(); !error.empty()) {
    Tell(error, false);
    return false;
  }
  const std::pair<char, const std::string*> flags[] = {
      {'X', &cfg.EnableOptionX}, {'Y', &cfg.EnableOptionY}, {'Z', &cfg.EnableOptionZ}};
  for (const auto& [letter, value] : flags) {
    bool enabled = false;
    if (!ParseYN(*value, enabled)) {
      Tell(std::string("Invalid $CfgEnableOption") + letter + " setting (" + *value +
               ") in Config section -- must be Y or N",
           false);
      return false;
    }
    (letter == 'X'   ? info.CfgEnableOptionX
     : letter == 'Y' ? info.CfgEnableOptionY
                     : info.CfgEnableOptionZ) = enabled;
    ReenableParameter(form_, letter);
  }
  // What the section set goes back into the program information (the error
  // log shows the version, for one); an unset value keeps the application's.
  const std::pair<std::string*, const std::string*> texts[] = {{&info.CfgSupportFiles, &cfg.SupportFiles},
                                                               {&info.CfgCopyright, &cfg.Copyright},
                                                               {&info.CfgVersion, &cfg.Version},
                                                               {&info.CfgProgrammer, &cfg.Programmer},
                                                               {&info.CfgEmail, &cfg.Email},
                                                               {&info.CfgLicense, &cfg.License}};
  for (const auto& [field, value] : texts) {
    if (!value->empty()) *field = *value;
  }
  return true;
}

void TRunController::ProcessingRun(const std::string& input, const std::string& output) {
  CopyParameterTexts();
  TEngineInfo& info = EngineInfo();
  info.CfgCaptionX = form_[kLblParameterX].Caption;
  info.CfgCaptionY = form_[kLblParameterY].Caption;
  info.CfgCaptionZ = form_[kLblParameterZ].Caption;
  TControl& bar = form_[kBarProgress];
  TRunSteps steps(handlers_, bar);
  // The log is created before OpenEngine rotates the output, so a run that
  // cannot write its log leaves the last output and its backup alone.
  PassRunChoices(form_);
  const TOutcome run = Guard([&] {
    BeginRun(true);
    OpenEngine(input, output);
    GiveOptionsRunEncoding();
    bar.Maximum = Eng().InputFileSize;
    bar.Position = 0;
    progressTicks_ = 0;
    SetBusyDisplay(true);
    RunSteps(steps);
  });
  const TOutcome close = CloseEverything();
  const TOutcome& shown = Shown(run, close);
  if (shown.Failed) Tell(shown.Message, shown.IsError);
  Autoview();
}

void TRunController::Autoview() {
  const TEngineState& eng = Eng();
  if (eng.ErrorKind >= kErrorKindCount || ErrorTable[eng.ErrorKind].Code >= 200) return;
  if (!form_[kChkBrowseOutput].Checked || !StaysOpen() || closeAfterRun_ || eng.BytesOut <= 0) return;
  if (IsReadThroughName(form_[kCboOutputFile].Text)) return;  // nothing to view: the bytes went on
  ShowFile(TFileBox::Output, eng.ActualOFN, true);
}

}  // namespace gleaner

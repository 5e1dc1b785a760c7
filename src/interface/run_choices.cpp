// The main form's run choices (run_choices.h).
#include "interface/run_choices.h"

#include <string_view>

#include "engine/gleaner_engine.h"
#include "foundation/mixed_text.h"
#include "foundation/settings_store.h"
#include "foundation/win1252.h"
#include "interface/error_report.h"

namespace gleaner {
namespace {

constexpr std::string_view kEncodingState = "cboEncoding.Text";
constexpr std::string_view kLfLineEndsState = "chkLfLineEnds.State";
constexpr std::string_view kEncodingSwitch = "--encoding=";

// The choice a box or setting names; Auto for anything unknown.
EncodingChoice ChoiceIn(const std::string& text) {
  EncodingChoice choice = EncodingChoice::kAuto;
  return EncodingChoiceOf(text, choice) ? choice : EncodingChoice::kAuto;
}

std::string ChoiceText(EncodingChoice choice) { return std::string(EncodingChoiceName(choice)); }

}  // namespace

void LoadRunChoices(TMainForm& form) {
  form[kCboEncoding].Text = ChoiceText(ChoiceIn(ReadText(kEncodingState, "Auto")));
  form[kChkLfLineEnds].Checked = ReadBool(kLfLineEndsState, false);
}

void SaveRunChoices(const TMainForm& form) {
  WriteText(kEncodingState, ChoiceText(ChoiceIn(form[kCboEncoding].Text)));
  WriteBool(kLfLineEndsState, form[kChkLfLineEnds].Checked);
}

std::optional<bool> RunChoiceSwitch(const std::string& param, TMainForm& form) {
  if (param == "--lf" || param == "--crlf") {
    form[kChkLfLineEnds].Checked = param == "--lf";
    return true;
  }
  if (!param.starts_with(kEncodingSwitch)) return std::nullopt;
  EncodingChoice choice = EncodingChoice::kAuto;
  if (!EncodingChoiceOf(std::string_view(param).substr(kEncodingSwitch.size()), choice)) {
    Report("The --encoding switch must be set to --encoding=utf-8, --encoding=windows-1252 or --encoding=auto",
           false);
    return false;
  }
  form[kCboEncoding].Text = ChoiceText(choice);
  return true;
}

void PassRunChoices(const TMainForm& form) {
  TRunChoices& choices = RunChoices();
  choices.Encoding = ChoiceIn(form[kCboEncoding].Text);
  choices.LfLineEnds = form[kChkLfLineEnds].Checked;
}

void GiveOptionsRunEncoding() {
  TEngineState& eng = Eng();
  const TextEncoding encoding = CurrentTextEncoding();
  for (std::string* option : {&eng.OptionX, &eng.OptionY, &eng.OptionZ}) *option = InEncoding(*option, encoding);
}

std::string RunChoiceConfigError() {
  TEngineInfo& info = EngineInfo();
  EncodingChoice choice = EncodingChoice::kAuto;
  if (!info.CfgEncoding.empty() && !EncodingChoiceOf(info.CfgEncoding, choice)) {
    const std::string message = "Invalid $CfgEncoding value (" + info.CfgEncoding +
                                ") in Config section -- must be Auto, UTF-8 or Windows-1252";
    info.CfgEncoding = "Auto";
    return message;
  }
  FileType type = FileType::Unknown;
  if (!InputTypeOf(info.CfgOutputFileType, type) || (type != FileType::Text && type != FileType::TextLF)) {
    const std::string message = "Invalid $CfgOutputFileType value (" + info.CfgOutputFileType +
                                ") in Config section -- must be TEXT or TEXTLF";
    info.CfgOutputFileType = "Text";
    return message;
  }
  return {};
}

}  // namespace gleaner

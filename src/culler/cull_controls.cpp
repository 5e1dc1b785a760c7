// Checking and reading the Controls setting. The setting is normalised
// first (blanks out, a "/" in front of a lone code, upper case, runs of the
// delimiter collapsed, no trailing delimiter), then every code must be one
// of the twelve known ones, and finally each effect is applied in a fixed
// order, so that a later code overrides an earlier one on the same setting.
#include "culler/cull_controls.h"

#include "culler/program_info.h"
#include "engine/gleaner_engine.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

constexpr std::string_view kKnownCodes = "/DI/DM/DR/FN/FS/FY/KI/KM/KR/NI/NK/NS";
constexpr std::string_view kMessageTail =
    "\r\n\r\nA sample control setting is /DM/KM/NK\r\n\r\nPlease see the help screen for additional details";

[[noreturn]] void StopWith(std::string_view start, std::string_view setting, std::string_view end) {
  std::string message(start);
  message.append(setting).append(end).append(kMessageTail);
  Stop(message);
}

void CollapseRuns(std::string& text, char delimiter) { TrimChar(text, std::string{'M', delimiter}); }

// The normalised setting; delimiter receives its first character as written.
std::string Normalise(std::string_view setting, char& delimiter) {
  std::string text;
  for (char c : setting) {
    if (c != ' ' && c != '\t') text += c;
  }
  if (text.size() == 2) text.insert(0, 1, '/');
  if (text.empty()) return text;
  delimiter = text.front();
  AnsiUpperInPlace(text);
  CollapseRuns(text, delimiter);
  if (text.back() == delimiter) text.pop_back();
  return text;
}

// Cuts every known code out of a copy; what remains may only be delimiters.
bool AllCodesKnown(std::string copy, char delimiter) {
  std::string code;
  for (;;) {
    const TScanPosnResult hit = ScanPosn(copy, "First", kKnownCodes);
    if (!hit.Found) break;
    ParseRoutine(copy, hit.Start, hit.End, code, "Cut");
  }
  CollapseRuns(copy, delimiter);
  return copy.size() <= 1;
}

bool Has(const std::string& setting, std::string_view code) {
  return Compare(setting, "^", code, "IgnoreCase");
}

void ApplyCodes(TCullControls& controls) {
  const std::string& c = controls.Normalised;
  if (Has(c, "DM")) controls.DeleteMatchCase = true;
  if (Has(c, "DR")) controls.DeleteRegExp = true;
  if (Has(c, "FS")) controls.FileNameMode = 'S';
  if (Has(c, "FY")) controls.FileNameMode = 'Y';
  if (Has(c, "KM")) controls.KeepMatchCase = true;
  if (Has(c, "KR")) controls.KeepRegExp = true;
  if (Has(c, "NI")) controls.NullMode = 'I';
  if (Has(c, "NK")) controls.NullMode = 'K';
  if (Has(c, "NS")) controls.NullMode = 'S';
}

}  // namespace

TCullControls ReadControls(std::string_view setting) {
  TCullControls controls;
  if (setting.empty() || IsNotUsedMarker(setting)) return controls;
  if (setting.size() == 1) StopWith("A one-character control setting (", setting, ") is not valid");
  char delimiter = '/';
  controls.Normalised = Normalise(setting, delimiter);
  if (controls.Normalised.size() % 3 != 0)
    StopWith("The control setting (", controls.Normalised, ") is not valid");
  if (!AllCodesKnown(controls.Normalised, delimiter)) {
    StopWith("A control setting (", controls.Normalised, ") was not recognized");
  }
  ApplyCodes(controls);
  return controls;
}

}  // namespace gleaner

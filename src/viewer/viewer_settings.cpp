// Viewer settings through the settings store's default section.
#include "viewer/viewer_settings.h"

#include <algorithm>

#include "foundation/settings_store.h"

namespace gleaner {
namespace {

std::string WidthKey(std::string_view settingsName) { return std::string(settingsName) + ".DisplayWidth"; }

}  // namespace

int ReadDisplayWidth(std::string_view settingsName) {
  const int width = ReadInt(WidthKey(settingsName), kDefaultDisplayWidth);
  const bool offered =
      std::find(std::begin(kDisplayWidths), std::end(kDisplayWidths), width) != std::end(kDisplayWidths);
  return offered ? width : kDefaultDisplayWidth;
}

void WriteDisplayWidth(std::string_view settingsName, int width) { WriteInt(WidthKey(settingsName), width); }

int ReadMaxAddLines() { return std::clamp(ReadInt("MaxAddLines", kDefaultMaxAddLines), 0, kMaxMaxAddLines); }

void WriteMaxAddLines(int lines) { WriteInt("MaxAddLines", std::clamp(lines, 0, kMaxMaxAddLines)); }

bool ReadTooLarging() { return ReadBool("TooLarging", true); }

void WriteTooLarging(bool on) { WriteBool("TooLarging", on); }

TFindOptions ReadFindOptions() {
  return {ReadText("frmTBFind.edtFindText", ""), ReadBool("frmTBFind.chkMatchCase", false),
          ReadBool("frmTBFind.chkWholeWord", false)};
}

void WriteFindOptions(const TFindOptions& options) {
  WriteText("cboFindText.Text", options.Text);
  WriteText("frmTBFind.edtFindText", options.Text);
  WriteBool("frmTBFind.chkMatchCase", options.MatchCase);
  WriteBool("frmTBFind.chkWholeWord", options.WholeWord);
}

std::string ReadGotoLine() { return ReadText("frmTBLineNum.medGotoLine", "1"); }

void WriteGotoLine(std::string_view text) { WriteText("frmTBLineNum.medGotoLine", text); }

}  // namespace gleaner

// The viewer's keys in the settings store: display width per settings name,
// the line limit, the too-large warning, the find choices and the last line
// number asked for. Numbers read back are kept within their ranges.
#pragma once

#include <string>
#include <string_view>

#include "viewer/text_find.h"

namespace gleaner {

inline constexpr int kDefaultDisplayWidth = 80;
inline constexpr int kDisplayWidths[] = {80, 100, 150, 200, 250, 500, 1000, 2500, 5000, 10000};
inline constexpr int kDefaultMaxAddLines = 25000;
inline constexpr int kMaxMaxAddLines = 99999;

// settingsName + ".DisplayWidth"; a width not offered reads as 80.
int ReadDisplayWidth(std::string_view settingsName);
void WriteDisplayWidth(std::string_view settingsName, int width);

// "MaxAddLines", kept within 0 to 99,999. The line limit in force is this plus one.
int ReadMaxAddLines();
void WriteMaxAddLines(int lines);

// "TooLarging": show the file-too-large message.
bool ReadTooLarging();
void WriteTooLarging(bool on);

// The text saved with a confirmed search ("frmTBFind.edtFindText") and the
// two options ("frmTBFind.chkMatchCase", "frmTBFind.chkWholeWord").
TFindOptions ReadFindOptions();
// Saves a confirmed search: its text (also as "cboFindText.Text") and options.
void WriteFindOptions(const TFindOptions& options);

// "frmTBLineNum.medGotoLine", "1" by default.
std::string ReadGotoLine();
void WriteGotoLine(std::string_view text);

}  // namespace gleaner

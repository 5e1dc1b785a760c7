// The comparison routine that decides every condition of the script language
// (conditional lines, Begin/Again, Que, OutCSV conditions, keep/delete tests):
// a first value, a comparator word, a second value and a case control give
// true or false. Also the Que command and the CompareCtrl choices.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// Compares first and second by the comparator word (blanks removed, a-z
// upper-cased, then looked up in kComparatorTable). caseControl is one of
// the words "IgnoreCase MatchCase"; it is read only by the text, contains,
// "IS" and pattern operations. Unless the internal-call mark is set, errors
// name the Que command.
// Example: Compare("10", "#<", "9", "IgnoreCase") is false; with "<" it is true.
bool Compare(std::string_view first, std::string_view comparator, std::string_view second,
             std::string_view caseControl);

// Compare for the code of a comparator word already looked up (see
// ComparatorCode; -1 raises the error of a word not recognised), so that a
// script line reads its comparator once. comparator is the word as written,
// for the messages.
bool CompareByCode(int code, std::string_view first, std::string_view comparator, std::string_view second,
                   std::string_view caseControl);

// The code of a comparator word (blanks removed, a-z upper-cased), or -1.
int ComparatorCode(std::string_view comparator);
// The form the comparator table holds a word in (blanks removed, a-z
// upper-cased), into out's own storage.
void NormaliseComparatorInto(std::string_view word, std::string& out);

// The Que command: "Y" when Compare holds, else "N". The executor passes its
// current CompareCtrl when the fourth parameter is absent.
std::string Que(std::string_view first, std::string_view comparator, std::string_view second,
                std::string_view caseControl);

// The case rule the executor starts every script run with.
inline constexpr std::string_view kDefaultCompareCtrl = "IgnoreCase";

// The CompareCtrl parameter (trimmed of codes 0-32) as "IgnoreCase" or
// "MatchCase" when it reads either in any letter case; otherwise empty, and
// the executor raises its script error with CompareCtrlErrorText.
std::string CompareCtrlChoice(std::string_view parameter);

// "Unrecognized CompareCtrl parameter (<trimmed parameter>)" CR LF "Valid choices ...".
std::string CompareCtrlErrorText(std::string_view parameter);

}  // namespace gleaner

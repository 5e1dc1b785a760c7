// The Windows-1252 code page: every record, script and document is 8-bit text
// in this code page. Upper and lower case follow the Windows "ANSI" case
// functions for it (accented letters included; letters such as the sharp s and
// the micro sign have no upper form). The front end converts to Unicode only at
// the widget edge, through the code point functions here.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

char AnsiUpper(char c);
char AnsiLower(char c);
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);
void AnsiUpperInPlace(std::string& text);
void AnsiLowerInPlace(std::string& text);

// True for a character that has a different upper or lower form.
bool HasCase(char c);
// True for a letter of the code page (cased or not, such as "ß" or "ª").
bool IsAnsiAlpha(char c);

// Byte comparisons that ignore letter case.
bool SameTextIgnoreCase(std::string_view a, std::string_view b);

// Unicode code point of a byte; the five unassigned bytes map to themselves.
char32_t ToCodePoint(char c);
// The byte for a code point, or '?' when the code page has no such character.
char FromCodePoint(char32_t cp);

// Decodes the UTF-8 sequence at text[i] and steps i past it; an invalid byte
// decodes as U+FFFD and is stepped over alone.
char32_t NextUtf8CodePoint(std::string_view text, std::size_t& i);

std::string Win1252ToUtf8(std::string_view text);
std::string Utf8ToWin1252(std::string_view text);

}  // namespace gleaner

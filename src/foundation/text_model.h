// The run-wide text model: which encoding the data of a run is in. It is
// chosen once when the engine opens a run and asked by every operation on
// data (case mapping, case-blind comparison, character length and stepping);
// option words, command names, keywords and file names keep their own rules.
//
// Windows-1252 is one byte a character with the code page's case tables.
// UTF-8 steps by sequences (utf8_chars.h: an invalid byte is a character of
// its own and is never changed) and maps case by Unicode's simple mappings.
// A case mapping never changes a character's byte length: a character whose
// mapping takes a different number of bytes (the dotless i, the Kelvin sign)
// stays as it is, so a mapped copy keeps the positions of its original and
// valid input never gives invalid output. Text without a byte above 0x7F
// takes a byte path in either model.
//
//   SelectTextModel(TextEncoding::kUtf8);
//   std::string s = "Straße ÉTÉ";  TextLowerInPlace(s);   // "straße été"
//   CharCount("Zoë") is 3 (4 bytes).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gleaner {

enum class TextEncoding {
  kWindows1252,  // one byte a character, the code page's case tables
  kUtf8,         // characters of one to four bytes; invalid bytes count as one
};

// Sets the model every operation on data uses until the next call.
void SelectTextModel(TextEncoding encoding);
TextEncoding CurrentTextEncoding();
inline bool TextIsUtf8() { return CurrentTextEncoding() == TextEncoding::kUtf8; }

// --- characters (offsets are 0-based byte offsets) -----------------------------

// Bytes of the character starting at text[at].
std::size_t CharBytes(std::string_view text, std::size_t at);
// Start of the character ending just before at (at > 0).
std::size_t PreviousCharStart(std::string_view text, std::size_t at);
std::size_t CharCount(std::string_view text);
// Offset where character n (0-based) starts; text.size() when there are n or fewer.
std::size_t CharOffset(std::string_view text, std::size_t n);
// Characters that start before offset: the 0-based index of the character
// starting at offset, or the 1-based position of one that holds it further in.
std::size_t CharsBefore(std::string_view text, std::size_t offset);

// --- case ----------------------------------------------------------------------

void TextUpperInPlace(std::string& text);
void TextLowerInPlace(std::string& text);
// Raises the first character and each one that follows a caseless one.
void TextCapitalizeInPlace(std::string& text);

// The case-blind key of text (its upper-case form), into out's own storage:
// two texts are equal ignoring case exactly when their keys are equal.
void TextFoldInto(std::string_view text, std::string& out);
std::string TextFolded(std::string_view text);
bool TextSameFolded(std::string_view a, std::string_view b);
// The byte order of the two case-blind keys (<0, 0, >0), without building them.
int TextCompareFolded(std::string_view a, std::string_view b);

// Whether the one character of text is an upper- or title-case letter.
bool IsUpperCaseLetter(std::string_view character);

// The Unicode form of text, for collation: an invalid UTF-8 byte stands for
// its code page character.
void TextWidenInto(std::string_view text, std::wstring& out);

}  // namespace gleaner

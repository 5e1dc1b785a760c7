// Telling UTF-8 documents from Windows-1252 ones, and reading UTF-8 into the
// code page. A document that is valid UTF-8 and holds non-ASCII bytes is
// taken as UTF-8; anything else is Windows-1252, whose accented letters are
// almost never valid UTF-8. The viewer and the browser decide per document,
// so a title and its body always read the same.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gleaner {

// Strict UTF-8 validation fed block by block: no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence left open at the end.
class TUtf8Scan {
 public:
  void Feed(std::string_view bytes);
  // Valid so far, complete, and with at least one non-ASCII character.
  bool IsUtf8() const { return valid_ && nonAscii_ && pending_ == 0; }
  bool Failed() const { return !valid_; }
  // Valid and complete, ASCII included: text a UTF-8 run can take as it is.
  bool IsValidText() const { return valid_ && pending_ == 0; }

 private:
  bool valid_ = true;
  bool nonAscii_ = false;
  int pending_ = 0;           // continuation bytes still expected
  unsigned char low_ = 0x80;  // bounds of the next continuation byte
  unsigned char high_ = 0xBF;
};

// Only the first this many bytes of a file are judged.
inline constexpr std::int64_t kEncodingScanLimit = 16 * 1024 * 1024;

// Feeds scan the file's first kEncodingScanLimit bytes (a name for the file
// system), stopping early at EOF or at the first invalid byte. With
// wholeAtLimit, a sequence cut by the limit is left out. Gives the number of
// bytes read, or -1 when the file cannot be opened.
std::int64_t ScanFileStart(const std::string& systemName, TUtf8Scan& scan, bool wholeAtLimit);

// True when the file (a name for the file system) reads as UTF-8 by the rule
// above; false when it cannot be read.
bool FileIsUtf8(const std::string& systemName);

// UTF-8 to Windows-1252 block by block: a sequence cut by the end of a block
// is finished with the next. Characters the code page lacks, and invalid
// bytes, become "?". Appends to out.
class TUtf8Decoder {
 public:
  void Decode(std::string_view bytes, std::string& out);
  // Writes "?" for a sequence left open at the end of the input.
  void Finish(std::string& out);

 private:
  std::string carry_;
};

}  // namespace gleaner

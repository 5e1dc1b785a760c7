// INI files with the usual desktop semantics: "[section]" lines, "key=value"
// lines, section and key names matched without regard to letter case (the
// first match wins), a value read verbatim after the first "=". Every other
// byte of the file (comments, unknown lines, other sections, order, line ends)
// is kept when a value is written. Lines may end in CR LF, LF or a lone CR;
// lines written here end in CR LF. Files are replaced atomically.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gleaner {

// The parsed text of one INI file, edited in memory.
class TIniText {
 public:
  explicit TIniText(std::string text = {});

  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  // Replaces the key's line, or adds it at the end of its section, or adds the
  // section at the end. CR and LF in any of the three are written as blanks.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  const std::string& Text() const { return text_; }

 private:
  struct Line {
    std::size_t start;    // offset of the first byte
    std::size_t length;   // without the line end
    std::size_t endSize;  // bytes of the line end (0, 1 or 2)
  };
  struct Place {
    bool sectionFound;
    std::size_t line;  // the key's line, or where a new key line goes
  };

  void Split();
  std::string_view Content(const Line& line) const { return {text_.data() + line.start, line.length}; }
  Place Locate(std::string_view section, std::string_view key, bool& keyFound) const;
  void Insert(std::size_t offset, std::string_view bytes);

  std::string text_;
  std::vector<Line> lines_;
  std::vector<std::size_t> sections_;  // indexes of the "[name]" lines, in order
};

// The whole file; empty when it is missing or unreadable.
std::string ReadIniFile(const std::string& fileName);
// The whole file into text; false, with why, when it exists but cannot be
// read (a folder, a pipe, no permission). A missing file is empty text.
bool LoadIniFile(const std::string& fileName, std::string& text, std::string& why);
// Replaces the file's content through a temporary file in the same folder and
// a rename, so readers see the old or the new file, never a half-written one.
// Returns false (and leaves the old file) when that fails; why says why.
bool ReplaceIniFile(const std::string& fileName, std::string_view text);
bool ReplaceIniFile(const std::string& fileName, std::string_view text, std::string& why);
// Removes temporary files of ReplaceIniFile ("<name>.tmp<digits>") that a
// crash left behind: those not changed for a minute, so a save in progress
// elsewhere is left alone.
void RemoveStaleIniTemporaries(const std::string& fileName);

// One value of a file; nullopt when the file, the section or the key is missing.
std::optional<std::string> IniReadValue(const std::string& fileName, std::string_view section,
                                        std::string_view key);
// Writes values of one section in one open and close; false when the file could not be written.
bool IniWriteValues(const std::string& fileName, std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& values);
bool IniWriteValue(const std::string& fileName, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace gleaner

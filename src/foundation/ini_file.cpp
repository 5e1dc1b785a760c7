// INI file parsing, editing in memory, and atomic replacement on disk.
#include "foundation/ini_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLineEnd = "\r\n";

// The name of a "[name]" line (to the first "]", or the line's end), or nullopt.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimSet(line, " \t");
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  return TrimSet(line.substr(0, line.find(']')), " \t");
}

// The key of a "key=value" line; comments (";") and lines without "=" have none.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos || TrimSet(line, " \t").front() == ';') return std::nullopt;
  return TrimSet(line.substr(0, eq), " \t");
}

std::string Flattened(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

constexpr std::string_view kTempMark = ".tmp";

std::string ErrorText(int errorNumber) { return std::generic_category().message(errorNumber); }

// Whole file into text. A missing file is empty; an existing one that cannot
// be read is a failure, so that a write never replaces content it could not
// see. Only regular files are read: a pipe could block for ever.
bool LoadFile(const std::string& fileName, std::string& text, std::string& why) {
  text.clear();
  std::error_code ec;
  const fs::file_status status = fs::status(fileName, ec);
  if (!fs::exists(status)) return true;
  if (fs::is_directory(status)) {
    why = ErrorText(EISDIR);
    return false;
  }
  if (!fs::is_regular_file(status)) {
    why = "Not a regular file";
    return false;
  }
  errno = 0;
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    why = ErrorText(errno != 0 ? errno : EIO);
    return false;
  }
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) why = ErrorText(EIO);
  return !in.bad();
}

bool LoadFile(const std::string& fileName, std::string& text) {
  std::string why;
  return LoadFile(fileName, text, why);
}

bool IsOwnTemporary(std::string_view name, std::string_view target) {
  if (name.size() <= target.size() + kTempMark.size() || name.substr(0, target.size()) != target) return false;
  const std::string_view rest = name.substr(target.size());
  if (rest.substr(0, kTempMark.size()) != kTempMark) return false;
  const std::string_view digits = rest.substr(kTempMark.size());
  return digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// A new file next to target that no one else is writing, or nullptr.
std::FILE* CreateTemporary(const std::string& target, std::string& tempName) {
  static std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 20; ++attempt) {
    tempName = target + std::string(kTempMark) + std::to_string(random() % 1000000);
    if (std::FILE* f = std::fopen(tempName.c_str(), "wbx")) return f;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

bool WriteAll(std::FILE* f, std::string_view text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  const bool flushed = std::fflush(f) == 0;
  return (std::fclose(f) == 0) && written && flushed;
}

}  // namespace

TIniText::TIniText(std::string text) : text_(std::move(text)) { Split(); }

void TIniText::Split() {
  lines_.clear();
  sections_.clear();
  std::size_t start = 0;
  while (start < text_.size()) {
    const std::size_t end = text_.find_first_of("\r\n", start);
    const std::size_t length = (end == std::string::npos ? text_.size() : end) - start;
    if (SectionName({text_.data() + start, length})) sections_.push_back(lines_.size());
    if (end == std::string::npos) {
      lines_.push_back({start, length, 0});
      break;
    }
    const std::size_t endSize =
        (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') ? 2 : 1;
    lines_.push_back({start, length, endSize});
    start = end + endSize;
  }
}

// Only the section lines are compared with the section's name, so a large
// file costs one pass over the section looked in, not over the whole file.
TIniText::Place TIniText::Locate(std::string_view section, std::string_view key, bool& keyFound) const {
  keyFound = false;
  std::size_t i = lines_.size();
  for (std::size_t header : sections_) {
    if (SameTextIgnoreCase(*SectionName(Content(lines_[header])), section)) {
      i = header;
      break;
    }
  }
  if (i == lines_.size()) return {false, i};
  std::size_t insertAt = ++i;  // after the last non-blank line of the section
  for (; i < lines_.size(); ++i) {
    const std::string_view line = Content(lines_[i]);
    if (SectionName(line)) break;
    const auto name = KeyName(line);
    if (name && SameTextIgnoreCase(*name, key)) {
      keyFound = true;
      return {true, i};
    }
    if (!TrimSet(line, " \t").empty()) insertAt = i + 1;
  }
  return {true, insertAt};
}

std::optional<std::string> TIniText::Read(std::string_view section, std::string_view key) const {
  bool keyFound = false;
  const Place place = Locate(section, key, keyFound);
  if (!keyFound) return std::nullopt;
  const std::string_view line = Content(lines_[place.line]);
  return std::string(line.substr(line.find('=') + 1));
}

void TIniText::Insert(std::size_t offset, std::string_view bytes) {
  // The line before the insertion point must end before new lines follow it.
  if (offset == text_.size() && !lines_.empty() && lines_.back().endSize == 0) {
    text_ += kLineEnd;
    offset = text_.size();
  }
  text_.insert(offset, bytes);
  Split();
}

void TIniText::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string cleanSection = Flattened(section);
  const std::string cleanKey = Flattened(key);
  const std::string entry = cleanKey + "=" + Flattened(value);
  bool keyFound = false;
  const Place place = Locate(cleanSection, cleanKey, keyFound);
  if (keyFound) {
    // Only the value changes; the stored spelling of the key stays. The
    // lines after it only move, so they are shifted rather than split again.
    Line& line = lines_[place.line];
    const std::size_t valueStart = Content(line).find('=') + 1;
    const std::string newValue = Flattened(value);
    const std::size_t oldLength = line.length - valueStart;
    text_.replace(line.start + valueStart, oldLength, newValue);
    line.length = valueStart + newValue.size();
    for (std::size_t i = place.line + 1; i < lines_.size(); ++i) {
      lines_[i].start = lines_[i].start - oldLength + newValue.size();
    }
  } else if (place.sectionFound) {
    const std::size_t offset = place.line < lines_.size() ? lines_[place.line].start : text_.size();
    Insert(offset, entry + std::string(kLineEnd));
  } else {
    const bool separate = !lines_.empty() && !TrimSet(Content(lines_.back()), " \t").empty();
    Insert(text_.size(), (separate ? std::string(kLineEnd) : std::string()) + "[" + cleanSection + "]" +
                             std::string(kLineEnd) + entry + std::string(kLineEnd));
  }
}

std::string ReadIniFile(const std::string& fileName) {
  std::string text;
  if (!LoadFile(fileName, text)) text.clear();
  return text;
}

bool LoadIniFile(const std::string& fileName, std::string& text, std::string& why) {
  return LoadFile(fileName, text, why);
}

bool ReplaceIniFile(const std::string& fileName, std::string_view text) {
  std::string why;
  return ReplaceIniFile(fileName, text, why);
}

bool ReplaceIniFile(const std::string& fileName, std::string_view text, std::string& why) {
  if (fileName.empty()) {
    why = "No settings file name";
    return false;
  }
  std::error_code ec;
  // Replace what a link points to, not the link itself.
  std::string target = fileName;
  if (fs::is_symlink(fileName, ec)) {
    const fs::path resolved = fs::canonical(fileName, ec);
    if (!ec) target = resolved.string();
  }
  std::string tempName;
  errno = 0;
  std::FILE* f = CreateTemporary(target, tempName);
  if (f == nullptr) {
    why = ErrorText(errno != 0 ? errno : EEXIST);
    return false;
  }
  errno = 0;
  bool ok = WriteAll(f, text);
  if (!ok) why = ErrorText(errno != 0 ? errno : EIO);
  const fs::file_status old = fs::status(target, ec);
  if (ok && !ec && fs::exists(old)) fs::permissions(tempName, old.permissions(), ec);
  if (ok) {
    fs::rename(tempName, target, ec);
    ok = !ec;
    if (!ok) why = ec.message();
  }
  if (!ok) fs::remove(tempName, ec);
  return ok;
}

void RemoveStaleIniTemporaries(const std::string& fileName) {
  std::error_code ec;
  const fs::path target = fs::path(fileName);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string base = target.filename().string();
  const auto oldest = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!IsOwnTemporary(name, base) || !it->is_regular_file(ec)) continue;
    const auto changed = fs::last_write_time(it->path(), ec);
    if (!ec && changed < oldest) fs::remove(it->path(), ec);
  }
}

std::optional<std::string> IniReadValue(const std::string& fileName, std::string_view section,
                                        std::string_view key) {
  std::string text;
  if (!LoadFile(fileName, text)) return std::nullopt;
  return TIniText(std::move(text)).Read(section, key);
}

bool IniWriteValues(const std::string& fileName, std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& values) {
  std::string text;
  if (fileName.empty() || !LoadFile(fileName, text)) return false;
  TIniText ini(std::move(text));
  for (const auto& [key, value] : values) ini.Write(section, key, value);
  return ReplaceIniFile(fileName, ini.Text());
}

bool IniWriteValue(const std::string& fileName, std::string_view section, std::string_view key,
                   std::string_view value) {
  return IniWriteValues(fileName, section, {{std::string(key), std::string(value)}});
}

}  // namespace gleaner

// Link resolution. Document links are looked up as written first and then
// ignoring letter case, since the markup hands over unquoted targets in upper
// case and the file system here tells case apart.
#include "viewer/link_targets.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "foundation/search_path.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

constexpr std::size_t kMaxExecText = 999;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameTextIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder;
}

// folder + name when it names a regular file, as written or ignoring case in
// its last component.
std::optional<std::string> FileInFolder(const std::string& folder, std::string_view name) {
  const std::string full = WithSeparator(folder) + std::string(name);
  if (FileExists(full)) return full;
  const std::string parent = FolderPart(full);
  const std::string_view leaf = std::string_view(full).substr(parent.size());
  std::error_code error;
  std::filesystem::directory_iterator entries(SystemName(parent.empty() ? "." : parent), error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::string entry = entries->path().filename().string();
    if (SameTextIgnoreCase(entry, leaf) && FileExists(parent + entry)) return parent + entry;
  }
  return std::nullopt;
}

std::vector<std::string> SearchFoldersOf(const TLinkContext& context) {
  std::vector<std::string> folders;
  const bool noFile = context.CurrentFile.empty() || context.CurrentFile == "None";
  folders.push_back(noFile ? context.HomeFolder : FolderPart(context.CurrentFile));
  std::string_view rest = context.SearchPath;
  while (!rest.empty()) {
    const std::size_t cut = rest.find('\r');
    const std::string_view folder = TrimSet(rest.substr(0, cut), " \t");
    if (!folder.empty()) folders.emplace_back(folder);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  }
  return folders;
}

TLinkTarget DocumentLink(std::string_view target, bool markup, const TLinkContext& context) {
  TLinkTarget link;
  link.Kind = TLinkKind::Document;
  link.DocumentMarkup = markup;
  std::string_view rest = TrimSet(target.substr(target.find("://") + 3), " \t");
  const std::size_t bar = rest.find('|');
  const std::string_view path = TrimSet(rest.substr(0, bar), " \t");
  if (bar != std::string_view::npos) link.DocumentTitle = TrimSet(rest.substr(bar + 1), " \t");
  const bool absolute = path.size() > 2 && (path[1] == ':' || path[0] == '/' || path[0] == '\\');
  if (absolute) {
    link.DocumentFile = path;
    if (bar == std::string_view::npos) link.DocumentTitle = "\"" + std::string(path) + "\"";
    return link;
  }
  if (bar == std::string_view::npos) link.DocumentTitle = path;
  for (const std::string& folder : SearchFoldersOf(context)) {
    if (auto found = FileInFolder(folder, path)) {
      link.DocumentFile = std::move(*found);
      return link;
    }
  }
  link.DocumentFile = WithSeparator(context.HomeFolder) + std::string(path);
  return link;
}

TLinkTarget ProgramLink(std::string_view target, const TLinkContext& context) {
  TLinkTarget link;
  link.Kind = TLinkKind::Program;
  const std::string_view text = target.substr(5, kMaxExecText);
  if (SameTextIgnoreCase(text, "KESTRASCAN")) {
    link.Program = WithSeparator(context.ProgramFolder) + std::string(kBrowserProgram);
    link.Arguments.push_back("/D" + context.BrowserFolderList);
    link.WorkingFolder = context.HomeFolder;
    return link;
  }
  std::vector<std::string> words = SplitParameters(text);
  if (words.empty()) return {};
  link.Arguments.assign(words.begin() + 1, words.end());
  link.WorkingFolder = FolderPart(words.front());
  if (link.WorkingFolder.empty()) {
    // Never searched along PATH: a bare name is a program of the home folder.
    link.WorkingFolder = context.HomeFolder;
    link.Program = WithSeparator(context.HomeFolder) + words.front();
  } else {
    link.Program = words.front();
  }
  return link;
}

}  // namespace

std::vector<std::string> SplitParameters(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

TLinkTarget ResolveLink(std::string_view target, const TLinkContext& context) {
  TLinkTarget link;
  if (target.starts_with('#')) {
    link.Kind = TLinkKind::Anchor;
    link.Anchor = target.substr(1);
    return link;
  }
  for (std::string_view scheme : {"HTTP://", "HTTPS://", "MAILTO:"}) {
    if (!StartsWithNoCase(target, scheme)) continue;
    link.Kind = TLinkKind::Address;
    link.Address = target;
    return link;
  }
  if (target.size() > 5 && StartsWithNoCase(target, "EXEC:")) return ProgramLink(target, context);
  if (StartsWithNoCase(target, "KESTRA://")) return DocumentLink(target, true, context);
  if (StartsWithNoCase(target, "FILE://")) return DocumentLink(target, false, context);
  return link;
}

}  // namespace gleaner

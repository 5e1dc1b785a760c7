// Name rules of the main form's file boxes.
#include "interface/box_names.h"

#include <filesystem>

#include "foundation/search_path.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "interface/main_form.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

std::string NormalPath(const std::string& name) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(SystemName(name), error);
  return error ? SystemName(name) : path.lexically_normal().string();
}

}  // namespace

bool HasWildcardChars(std::string_view name) { return name.find_first_of("?*;") != std::string_view::npos; }

bool IsClipboardName(std::string_view name) { return SameTextIgnoreCase(name, kClipboard); }

bool IsRealFileName(std::string_view name) {
  return !name.empty() && !SameTextIgnoreCase(name, kNone) && !IsClipboardName(name) && name != kAutoName &&
         name != kNotUsedMarker && !HasWildcardChars(name);
}

bool EndsWithSeparator(std::string_view name) {
  return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

std::string NameExtension(std::string_view name) {
  const std::string file = FileNamePart(name);
  const std::size_t dot = file.find('.');
  if (dot == std::string::npos) return {};
  return std::string(TrimBlanks(std::string_view(file).substr(dot + 1)));
}

std::string NameStem(std::string_view name) {
  const std::string file = FileNamePart(name);
  return file.substr(0, file.find('.'));
}

std::string StripBoxText(std::string_view text) {
  std::string_view result = TrimBlanks(text);
  if (!result.empty() && result.front() == '"') result.remove_prefix(1);
  if (!result.empty() && result.back() == '"') result.remove_suffix(1);
  return std::string(result);
}

bool SameFileName(std::string_view output, std::string_view located) {
  const std::string out = SystemName(ExpandName(output));
  const std::string in = SystemName(located);
  if (SameTextIgnoreCase(out, in)) return true;
  if (SameTextIgnoreCase(NormalPath(out), NormalPath(in))) return true;
  std::error_code error;
  return std::filesystem::equivalent(out, in, error);
}

}  // namespace gleaner

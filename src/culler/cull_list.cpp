// Building keep and delete lists, and matching lines against them. Lists
// are cut apart with the Parse routine ("Cut Relaxed": up to the next
// separator, or the rest when there is none); everything that depends on
// letter case is done here once, so matching a line is plain searching.
#include "culler/cull_list.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "culler/program_info.h"
#include "engine/gleaner_engine.h"
#include "foundation/text_model.h"

namespace gleaner {
namespace {

constexpr std::string_view kGroupSeparator = "&&";

// Takes the text of source up to the first separator into piece and removes
// it, with the separator, from source; all of source when there is none. The
// "1*" form makes the Parse routine read the separator as a find string even
// when it is a digit or one of "-<>@", which would otherwise name a position.
void CutThrough(std::string& source, std::string_view separator, std::string& piece) {
  std::string to = "1*";
  to.append(separator);
  ParseRoutine(source, "", to, piece, "Cut Relaxed");
}

[[noreturn]] void StopMissingDelimiter(char delimiter, std::string_view name) {
  std::string message = "A delimiter (";
  message.append(1, delimiter).append(") is missing from the /").append(name).append(" list");
  message.append("\r\n\r\nNote: You cannot switch delimiters within an Anding (&&) list");
  Stop(message);
}

}  // namespace

void UpperCaseListText(std::string& text, bool patterns) {
  const bool keepTabs = patterns && !text.empty() && text.front() != '\\';
  std::vector<std::size_t> tabEscapes;  // the "t" of each "\t", which stays lower case
  for (std::size_t i = 0; keepTabs && i + 1 < text.size(); i += CharBytes(text, i)) {
    if (text[i] != '\\') continue;
    ++i;  // the escaped character
    if (text[i] == 't') tabEscapes.push_back(i);
  }
  TextUpperInPlace(text);
  for (std::size_t at : tabEscapes) text[at] = 't';
}

void TCullList::Release() {
  present_ = false;
  groups_.clear();
}

void TCullList::Build(std::string_view text, std::string_view name, bool regExp, bool matchCase) {
  Release();
  regExp_ = regExp;
  matchCase_ = matchCase;
  if (text.size() < 2 || IsNotUsedMarker(text)) return;
  std::string rest(text);
  if (!matchCase) UpperCaseListText(rest, regExp);
  delimiter_ = rest.front();
  present_ = true;
  while (!rest.empty()) {
    std::string group;
    CutThrough(rest, kGroupSeparator, group);
    if (group.size() < 2) continue;
    if (group.front() != delimiter_) StopMissingDelimiter(delimiter_, name);
    group.erase(0, 1);
    AddGroup(std::move(group));
  }
}

void TCullList::AddGroup(std::string group) {
  TListInList& added = groups_.emplace_back();
  while (!group.empty()) {
    CutThrough(group, std::string_view(&delimiter_, 1), piece_);
    std::string term = regExp_ ? CompilePattern(piece_) : piece_;
    if (term.empty()) continue;
    if (!regExp_ && !matchCase_) added.Folded.emplace_back(term);
    added.Terms.push_back(std::move(term));
  }
}

bool TCullList::Found(const TListInList& group, std::size_t term, std::string_view line) const {
  if (regExp_) return Search(group.Terms[term], line, 1, true).Position != 0;
  if (!matchCase_) return group.Folded[term].In(line);
  return line.find(group.Terms[term]) != std::string_view::npos;
}

bool TCullList::Matches(std::string_view line) const {
  return std::all_of(groups_.begin(), groups_.end(), [&](const TListInList& group) {
    for (std::size_t term = 0; term < group.Terms.size(); ++term) {
      if (Found(group, term, line)) return true;
    }
    return false;
  });
}

}  // namespace gleaner

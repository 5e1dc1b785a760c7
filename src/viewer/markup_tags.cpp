// Tag application. A working copy of the line in upper case (attribute values
// in double quotes keep their case) is searched for "<" followed by a tag name;
// the names are tried in table order and match as prefixes, so "<BR>" is "B".
// Each tag found is cut from the line and the copy alike, and its effect holds
// from where it stood.
#include "viewer/markup_tags.h"

#include <charconv>
#include <string_view>
#include <utility>

#include "foundation/win1252.h"

namespace gleaner {
namespace {

enum class TEffect { Anchor, Defaults, Bold, Italic, Underline, FontSize, SizeDefault, Heading, Highlight };

struct TTagRow {
  std::string_view Name;
  TEffect Effect;
  bool On = true;  // for the style bits
  int Level = 0;   // for headings, 1 to 4
};

constexpr TTagRow kTags[] = {
    {"A", TEffect::Anchor},
    {"/A", TEffect::Defaults},
    {"B", TEffect::Bold},
    {"/B", TEffect::Bold, false},
    {"FS", TEffect::FontSize},
    {"/FS", TEffect::SizeDefault},
    {"I", TEffect::Italic},
    {"/I", TEffect::Italic, false},
    {"U", TEffect::Underline},
    {"/U", TEffect::Underline, false},
    {"H1", TEffect::Heading, true, 1},
    {"/H1", TEffect::Defaults},
    {"H2", TEffect::Heading, true, 2},
    {"/H2", TEffect::Defaults},
    {"H3", TEffect::Heading, true, 3},
    {"/H3", TEffect::Defaults},
    {"H4", TEffect::Heading, true, 4},
    {"/H4", TEffect::Defaults},
    {"HL", TEffect::Highlight},
    {"/HL", TEffect::Defaults},
};

struct THeadingStyle {
  float SizeFactor;
  std::uint32_t Colour;
  char RuleAbove;  // 0: none
  bool RuleAfter;
};

constexpr char kHeavyRule = '\x97';  // em dash
constexpr char kLightRule = '\xA8';  // diaeresis
constexpr THeadingStyle kHeadings[] = {
    {2.6f, 0x700000, kHeavyRule, true},
    {2.0f, 0x602000, kHeavyRule, false},
    {1.4f, 0x602000, kLightRule, false},
    {1.1f, 0x602000, 0, false},
};
constexpr std::uint32_t kHighlightColour = 128;  // dark red
constexpr std::string_view kHeadingFont = "Arial";
constexpr float kMinSizeFactor = 0.25f;
constexpr float kMaxSizeFactor = 10.0f;

// Upper case, except text in double quotes right after "=" inside a tag.
std::string WorkingCopy(const std::string& text) {
  std::string work(text.size(), ' ');
  bool inTag = false;
  bool inQuote = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inQuote) {
      work[i] = c;
      inQuote = c != '"';
      continue;
    }
    work[i] = AnsiUpper(c);
    if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (inTag && c == '"' && i > 0 && text[i - 1] == '=') {
      inQuote = true;
    }
  }
  return work;
}

const TTagRow* MatchTag(std::string_view afterLess) {
  for (const TTagRow& tag : kTags) {
    if (afterLess.starts_with(tag.Name)) return &tag;
  }
  return nullptr;
}

void ApplyFontSize(std::string_view tagText, TTextAttributes& current) {
  const std::string value = TagAttribute(tagText, "X");
  float factor = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), factor);
  if (error != std::errc() || end != value.data() + value.size()) return;
  if (factor >= kMinSizeFactor && factor <= kMaxSizeFactor) current.SizeFactor = factor;
}

void ApplyHeading(int level, TTextAttributes& current, std::vector<TTagEvent>& events) {
  const THeadingStyle& style = kHeadings[level - 1];
  current.Bold = true;
  current.SizeFactor = style.SizeFactor;
  current.Colour = style.Colour;
  current.FontName = kHeadingFont;
  if (style.RuleAbove != 0) events.push_back({TTagEventKind::RuleAbove, {}, style.RuleAbove});
  if (style.RuleAfter) events.push_back({TTagEventKind::RuleAfter, {}, style.RuleAbove});
}

void ApplyAnchor(std::string_view tagText, TTextAttributes& current, std::vector<TTagEvent>& events) {
  std::string name = TagAttribute(tagText, "NAME");
  if (!name.empty()) events.push_back({TTagEventKind::Anchor, std::move(name)});
  std::string target = TagAttribute(tagText, "HREF");
  if (target.empty()) return;
  events.push_back({TTagEventKind::Link, std::move(target)});
  current.Colour = kLinkColour;
}

void ApplyEffect(const TTagRow& tag, std::string_view tagText, TTextAttributes& current,
                 std::vector<TTagEvent>& events) {
  switch (tag.Effect) {
    case TEffect::Anchor:
      ApplyAnchor(tagText, current, events);
      break;
    case TEffect::Defaults:
      current = TTextAttributes{};
      break;
    case TEffect::Bold:
      current.Bold = tag.On;
      break;
    case TEffect::Italic:
      current.Italic = tag.On;
      break;
    case TEffect::Underline:
      current.Underline = tag.On;
      break;
    case TEffect::FontSize:
      ApplyFontSize(tagText, current);
      break;
    case TEffect::SizeDefault:
      current.SizeFactor = 1.0f;
      break;
    case TEffect::Heading:
      ApplyHeading(tag.Level, current, events);
      break;
    case TEffect::Highlight:
      current.Colour = kHighlightColour;
      break;
  }
}

// Attribute changes by column, in order; later changes at a column replace earlier ones.
class TRunBuilder {
 public:
  explicit TRunBuilder(const TTextAttributes& start) { changes_.emplace_back(0, start); }
  void Change(int column, const TTextAttributes& attributes) {
    if (changes_.back().first == column) {
      changes_.back().second = attributes;
    } else {
      changes_.emplace_back(column, attributes);
    }
  }
  std::vector<TTextRun> Runs(int length) const;

 private:
  std::vector<std::pair<int, TTextAttributes>> changes_;
};

std::vector<TTextRun> TRunBuilder::Runs(int length) const {
  std::vector<TTextRun> runs;
  for (std::size_t i = 0; i < changes_.size(); ++i) {
    const int start = changes_[i].first;
    const int end = i + 1 < changes_.size() ? changes_[i + 1].first : length;
    if (end <= start) continue;
    if (!runs.empty() && runs.back().Attributes == changes_[i].second) {
      runs.back().Length += end - start;
    } else {
      runs.push_back({start, end - start, changes_[i].second});
    }
  }
  if (runs.size() == 1 && runs.front().Attributes.IsDefault()) runs.clear();
  return runs;
}

}  // namespace

std::string TagAttribute(std::string_view tagText, std::string_view name) {
  std::size_t at = 0;
  while ((at = tagText.find(name, at)) != std::string_view::npos) {
    at += name.size();
    if (at < tagText.size() && tagText[at] == '=') break;
  }
  if (at == std::string_view::npos) return {};
  std::string_view value = tagText.substr(at + 1);
  if (value.starts_with('"')) {
    value.remove_prefix(1);
    const std::size_t end = value.find('"');
    return std::string(value.substr(0, end != std::string_view::npos ? end : value.find('>')));
  }
  return std::string(value.substr(0, value.find_first_of(" >")));
}

void ApplyTags(TDisplayLine& line, TTextAttributes& current, std::vector<TTagEvent>& events) {
  events.clear();
  std::string& text = line.Text;
  TRunBuilder runs(current);
  if (text.find('<') != std::string::npos) {
    std::string work = WorkingCopy(text);
    std::size_t pos = 0;
    while ((pos = work.find('<', pos)) != std::string::npos) {
      const TTagRow* tag = MatchTag(std::string_view(work).substr(pos + 1));
      if (tag == nullptr) {
        ++pos;
        continue;
      }
      const std::size_t close = work.find('>', pos + 1 + tag->Name.size());
      if (close == std::string::npos) break;
      ApplyEffect(*tag, std::string_view(work).substr(pos, close - pos + 1), current, events);
      text.erase(pos, close - pos + 1);
      work.erase(pos, close - pos + 1);
      runs.Change(static_cast<int>(pos), current);
    }
  }
  line.Runs = runs.Runs(static_cast<int>(text.size()));
}

}  // namespace gleaner

// OutCSV and SplitCSV. The CSV state (Eng().Csv) outlives runs: opening the
// engine resets only the widths, the quote character and the default
// separator, so a record may be continued from one run to the next.
//
// Widths are kept as normalised decimal texts: empty means "no limit" (or "no
// padding"), so negative and zero widths never cut or pad. A width of 1 or 2
// leaves no room inside the quotes: the quoted width is then "0", so a quoted
// field is cut to nothing and never padded, whatever was set before.
#include "engine/csv.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>

#include "engine/char_commands.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/find_text.h"
#include "engine/writer.h"
#include "foundation/text_model.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

constexpr std::string_view kModeLetters = "CDINQSU";
constexpr std::string_view kModeWords = "Control Done Init Nulls Quoted Stop Unquoted";
constexpr std::string_view kControlLetters = ",ANQS";
constexpr std::string_view kControlWords = "Separator MaxWidth MinWidth QuoteChar SetWidth";
constexpr std::int64_t kMaxNulls = 1000;

struct SeparatorWord {
  std::string_view Word;
  std::string_view Separator;
};
constexpr SeparatorWord kSeparatorWords[] = {
    {"CR", "\r"}, {"CRLF", "\r\n"}, {"LF", "\n"},   {"LFCR", "\n\r"},
    {"NONE", ""}, {"NULL", ""},     {"SPACE", " "}, {"TAB", "\t"},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Sign, then digits with at most one "." when allowed.
bool IsNumber(std::string_view value, bool allowDecimal) {
  if (!value.empty() && (value.front() == '+' || value.front() == '-')) value.remove_prefix(1);
  if (value.empty()) return false;
  bool point = false;
  for (char c : value) {
    if (c == '.' && allowDecimal && !point) {
      point = true;
    } else if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

// The value of a text that passed IsNumber without decimals; saturates
// instead of overflowing.
std::int64_t WholeNumber(std::string_view text) {
  const bool negative = text.front() == '-';
  if (text.front() == '+' || negative) text.remove_prefix(1);
  std::int64_t n = 0;
  for (char c : text) {
    if (n > (std::numeric_limits<std::int64_t>::max() - 9) / 10) {
      n = std::numeric_limits<std::int64_t>::max();
      break;
    }
    n = n * 10 + (c - '0');
  }
  return negative ? -n : n;
}

std::string_view WithoutLeadingZeros(std::string_view text) {
  const std::size_t first = text.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string MapSeparator(std::string_view text) {
  const std::string upper = AnsiUpperCase(text);
  for (const SeparatorWord& entry : kSeparatorWords) {
    if (upper == entry.Word) return std::string(entry.Separator);
  }
  return std::string(text);
}

// The parameters shown by every OutCSV error are the value and the mode as given.
struct CallText {
  std::string_view Value;
  std::string_view Mode;
};

[[noreturn]] void Fail(const CallText& call, std::string_view message) {
  RaiseCommandError(kErrIncorrectParameter, message, {call.Value, call.Mode});
}

[[noreturn]] void FailControl(const CallText& call, std::string_view detail) {
  Fail(call, "Invalid parameter in OutCSV control" + std::string(kCrLf) + std::string(detail));
}

// Keeps a record (and the padding and nulls that would go into it) within
// kMaxCsvRecordLength, so that a huge MinWidth cannot exhaust memory.
void CheckRecordRoom(const CallText& call, std::int64_t adding) {
  const auto used = static_cast<std::int64_t>(Eng().Csv.Record.size());
  if (adding > static_cast<std::int64_t>(kMaxCsvRecordLength) - used) {
    RaiseCommandError(kErrDataBuffer,
                      "The OutCSV record would exceed " + std::to_string(kMaxCsvRecordLength) + " characters",
                      {call.Value, call.Mode});
  }
}

// The width rule of MaxWidth, MinWidth and SetWidth.
void SetWidth(const CallText& call, std::string_view value, std::string& width, std::string& quotedWidth) {
  if (!IsNumber(value, false)) FailControl(call, "Parameter is not numeric");
  const std::int64_t n = WholeNumber(value);
  width = n > 0 ? std::to_string(n) : "";
  quotedWidth = n > 2 ? std::to_string(n - 2) : "0";
}

void SetQuoteChar(const CallText& call, std::string_view value) {
  TCsvState& csv = Eng().Csv;
  const std::string upper = AnsiUpperCase(value);
  if (upper == "SPACE") {
    csv.QuoteChar = " ";
  } else if (upper == "NONE" || upper == "NULL") {
    csv.QuoteChar.clear();
  } else if (CharCount(value) > 1) {
    FailControl(call, "QuoteChar must be one character long, or SPACE, or NONE");
  } else {
    csv.QuoteChar = std::string(value);
  }
  csv.DoubledQuote = csv.QuoteChar + csv.QuoteChar;
}

// "Control": the value is a setting word, a blank and the setting's value.
void Control(const CallText& call) {
  std::string text(call.Value);
  {
    InternalCallScope scope;
    TrimChar(text, "B M ");
  }
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) FailControl(call, "Missing value");
  const std::string_view value = std::string_view(text).substr(blank + 1);
  TCsvState& csv = Eng().Csv;
  switch (SingleOption(text.substr(0, blank), kControlLetters, kControlWords)) {
    case ',':
      csv.Separator = MapSeparator(value);
      csv.DefaultSeparator = csv.Separator;
      break;
    case 'A':
      SetWidth(call, value, csv.MaxWidth, csv.QuotedMaxWidth);
      break;
    case 'N':
      SetWidth(call, value, csv.MinWidth, csv.QuotedMinWidth);
      break;
    case 'S':
      SetWidth(call, value, csv.MaxWidth, csv.QuotedMaxWidth);
      SetWidth(call, value, csv.MinWidth, csv.QuotedMinWidth);
      break;
    case 'Q':
      SetQuoteChar(call, value);
      break;
  }
}

// Texts Init sets are mostly what they were (it runs once per record):
// compared first, as comparing costs less than assigning.
void SetText(std::string& text, std::string_view value) {
  if (!SameShortText(text, value)) text.assign(value);
}

void Init(std::string_view value) {
  TCsvState& csv = Eng().Csv;
  SetText(csv.DefaultMode, "Quoted");
  csv.FirstField = true;
  csv.Record.clear();
  csv.On = true;
  // Two statements, not one "?:", which would copy the default separator first.
  if (value.empty()) {
    SetText(csv.Separator, csv.DefaultSeparator);
  } else {
    csv.Separator = MapSeparator(value);
  }
  const std::string_view quote = csv.QuoteChar;
  const std::string_view doubled = csv.DoubledQuote;
  if (doubled.size() != 2 * quote.size() || !doubled.starts_with(quote) || !doubled.ends_with(quote)) {
    csv.DoubledQuote.assign(csv.QuoteChar).append(csv.QuoteChar);
  }
}

void Done() {
  {
    InternalCallScope scope;
    OutEnd(Eng().Csv.Record);
  }
  Eng().Csv.FirstField = true;
}

// The field value cut to the maximum width and padded to the minimum width.
std::string ShapedValue(const CallText& call, std::string_view value, char kind) {
  const TCsvState& csv = Eng().Csv;
  const bool quotedWidths = kind == 'Q' && !csv.QuoteChar.empty();
  std::string shaped(value);
  if (!csv.MaxWidth.empty()) {
    const std::int64_t width = WholeNumber(quotedWidths ? csv.QuotedMaxWidth : csv.MaxWidth);
    if (width >= 0) shaped.resize(CharOffset(shaped, static_cast<std::size_t>(width)));
  }
  if (!csv.MinWidth.empty()) {
    const std::int64_t width = WholeNumber(quotedWidths ? csv.QuotedMinWidth : csv.MinWidth);
    CheckRecordRoom(call, width);
    shaped = PadText(shaped, width, kind == 'Q' ? 'R' : 'L', ' ');
  }
  return shaped;
}

// The separator before this field; uses up the first-field flag.
std::string_view TakeSeparator() {
  TCsvState& csv = Eng().Csv;
  if (csv.FirstField) {
    csv.FirstField = false;
    return {};
  }
  return csv.Separator;
}

void AddNulls(const CallText& call, std::string_view count, std::string_view field,
              std::string_view separator) {
  count = WithoutLeadingZeros(count);
  if (count.empty()) return;
  if (!IsNumber(count, false)) Fail(call, "Non-numeric setting in OutCSV Nulls command");
  const std::int64_t n = WholeNumber(count);
  if (n > kMaxNulls) Fail(call, "Excessively large setting for OutCSV Nulls command");
  if (n <= 0) return;
  TCsvState& csv = Eng().Csv;
  const auto size = [](std::string_view text) { return static_cast<std::int64_t>(text.size()); };
  CheckRecordRoom(call, size(separator) + (n - 1) * size(csv.Separator) + n * size(field));
  for (std::int64_t i = 0; i < n; ++i) {
    csv.Record.append(i == 0 ? separator : std::string_view(csv.Separator)).append(field);
  }
}

// Whether text lies in the storage of owner (a view into it).
bool TextInside(std::string_view text, const std::string& owner) {
  const std::less<const char*> before;
  const char* begin = owner.data();
  return !text.empty() && !before(text.data(), begin) && before(text.data(), begin + owner.capacity());
}

// Appends the pieces after one growth check; the pieces of a field are
// mostly a character or none (separator, quotes), put in without a call
// (left to itself, the compiler calls AppendPiece for every piece).
[[gnu::always_inline]] inline void AppendPiece(std::string& to, std::string_view piece) {
  if (piece.size() == 1) {
    to.push_back(piece.front());
  } else if (!piece.empty()) {
    to.append(piece);
  }
}

template <typename... Pieces>
void AppendPieces(std::string& to, Pieces... pieces) {
  const std::size_t total = (to.size() + ... + pieces.size());
  if (total > to.capacity()) to.reserve(std::max(total, 2 * to.capacity()));
  (AppendPiece(to, pieces), ...);
}

// A field holding no quote character goes in as it is, without a copy. The
// quote character is one character or none; a blank one is never doubled.
void AddQuoted(const CallText& call, std::string_view field, std::string_view separator) {
  TCsvState& csv = Eng().Csv;
  const std::string_view quote = csv.QuoteChar;
  std::string doubled;
  if (quote.size() == 1 && quote.front() != ' ' && field.find(quote.front()) != std::string_view::npos) {
    doubled.assign(field);
    ReplaceAll(doubled, csv.QuoteChar, csv.QuoteChar + csv.QuoteChar, '1');
    field = doubled;
  }
  CheckRecordRoom(call, static_cast<std::int64_t>(separator.size() + 2 * quote.size() + field.size()));
  AppendPieces(csv.Record, separator, quote, field, quote);
}

// Puts in a field of the given kind, field being the value as it goes in.
void PutField(const CallText& call, char kind, std::string_view value, std::string_view field) {
  const std::string_view separator = TakeSeparator();
  if (kind == 'N') return AddNulls(call, value, field, separator);
  if (kind == 'Q') return AddQuoted(call, field, separator);
  CheckRecordRoom(call, static_cast<std::int64_t>(separator.size() + field.size()));
  AppendPieces(Eng().Csv.Record, separator, field);
}

// Quoted, Unquoted and Nulls fields while the on flag is set. Without widths
// a field is its value; a value that lives in the record itself is copied
// first, as the record grows under it.
void AddField(const CallText& call, char kind, std::string_view value) {
  const TCsvState& csv = Eng().Csv;
  if (kind != 'N' && csv.MaxWidth.empty() && csv.MinWidth.empty() && !TextInside(value, csv.Record)) {
    return PutField(call, kind, value, value);
  }
  const std::string shaped = ShapedValue(call, kind == 'N' ? std::string_view() : value, kind);
  PutField(call, kind, value, shaped);
}

// The mode word's letter, read unless the plan holds it. A fixed mode that
// names its word always gives the word the plan holds.
char ModeKind(std::string_view word, TCsvModePlan& plan) {
  const bool sameWord = (plan.FixedMode && !plan.UsesDefault) || plan.Word == word;
  if (plan.Kind != 0 && sameWord) return plan.Kind;
  const char kind = SingleOption(word, kModeLetters, kModeWords);
  plan.Word.assign(word);
  plan.Kind = kind;
  return kind;
}

// Takes the mode apart into plan, unless plan holds it already: the on
// flag, "..." (make the word the default) and the word itself, which
// ModeKind reads. Taking apart never fails.
std::string_view SplitMode(std::string_view mode, TCsvModePlan& plan) {
  if (plan.Ready && (plan.FixedMode || plan.Mode == mode)) return mode.substr(plan.WordStart, plan.WordLength);
  std::string_view m = mode;
  plan.Sign = !m.empty() && (m.front() == '+' || m.front() == '-') ? m.front() : 0;
  if (plan.Sign != 0) m.remove_prefix(1);
  // "Quoted..." adds a quoted field and makes Quoted the default from now on.
  const std::size_t dots = m.find("...");
  plan.SetsDefault = dots != std::string_view::npos && dots > 0;
  plan.UsesDefault = m.empty() || dots == 0;
  if (plan.SetsDefault) m = m.substr(0, dots);
  if (plan.UsesDefault) m = {};
  plan.WordStart = plan.Sign != 0 ? 1 : 0;
  plan.WordLength = m.size();
  plan.Mode.assign(mode);
  plan.Ready = true;
  return m;
}

// OutCSV with the call site's plan, or one made for this call alone.
void OutCsvPlanned(std::string_view value, std::string_view mode, TCsvModePlan& use) {
  TEngineState& eng = Eng();
  if (!eng.InternalCall) eng.CurrentCommand = Cmd::OutCSV;  // ClaimCommand, without a call per field
  TCsvState& csv = eng.Csv;
  const CallText call{value, mode};
  const std::string_view word = SplitMode(mode, use);
  if (use.Sign != 0) csv.On = use.Sign == '+';
  const bool setsDefault = use.SetsDefault;
  // The default mode is read here: Init changes it.
  const char kind = ModeKind(use.UsesDefault ? std::string_view(csv.DefaultMode) : word, use);
  switch (kind) {
    case 'I':
      return Init(value);
    case 'D':
      return Done();
    case 'S':
      csv.FirstField = true;
      return;
    case 'C':
      return Control(call);
  }
  if (!csv.On) return;
  if (setsDefault && kind != 'N') csv.DefaultMode = kind == 'Q' ? "Quoted" : "Unquoted";
  AddField(call, kind, value);
}

}  // namespace

void OutCSV(std::string_view value, std::string_view mode, TCsvModePlan* plan) {
  if (plan != nullptr) return OutCsvPlanned(value, mode, *plan);
  TCsvModePlan once;
  OutCsvPlanned(value, mode, once);
}

std::string SplitCSV(std::string_view source, std::string_view newSeparator, std::string_view oldSeparator) {
  Eng().CurrentCommand = Cmd::SplitCSV;
  std::string result;
  result.reserve(source.size());
  const bool separatorCanMatch = oldSeparator.size() == 1;
  bool inQuotes = false;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    if (c == '"') {
      if (inQuotes && i + 1 < source.size() && source[i + 1] == '"') {
        result += '"';
        ++i;
      } else {
        inQuotes = !inQuotes;
      }
    } else if (!inQuotes && separatorCanMatch && c == oldSeparator.front()) {
      result.append(newSeparator);
    } else {
      result += c;
    }
  }
  return result;
}

bool NumericText(std::string_view value, std::string_view allowDecimal) {
  if (allowDecimal.empty()) {
    RaiseCommandError(kErrIncorrectParameter, "Missing \"allow decimal\" specification",
                      {value, allowDecimal});
  }
  return IsNumber(value, SingleOption(allowDecimal, "YN", "Yes No") == 'Y');
}

}  // namespace gleaner

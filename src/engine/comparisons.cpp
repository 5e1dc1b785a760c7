// The comparison routine: comparator lookup, case rule, and the text, numeric,
// length and pattern operations behind the comparator codes.
#include "engine/comparisons.h"

#include <charconv>
#include <cstdint>
#include <locale>
#include <stdexcept>

#include "commands/command_table.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/pattern_matcher.h"
#include "foundation/text_model.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

// Codes 0-17 come in threes (length, numeric, text) over six relations in
// this order: 0 "LEN=", 1 "#=", 2 "=", 3 "LEN<>", ..., 17 "<=".
enum class Relation { Equal, NotEqual, Greater, GreaterOrEqual, Less, LessOrEqual };
enum class Family { Length, Numeric, Text };
constexpr int kRelationalCodes = 18;

// The other operations.
enum OtherCode {
  kTrimmedEqual = 18,  // "IS"
  kContains = 19,      // "^"
  kNotContains = 20,   // "~"
  kLonger = 21,
  kShorter = 22,
  kSameLength = 23,
  kMatches = 24,
  kComprises = 25,
};

template <typename T>
bool Holds(Relation relation, const T& a, const T& b) {
  switch (relation) {
    case Relation::Equal:
      return a == b;
    case Relation::NotEqual:
      return a != b;
    case Relation::Greater:
      return a > b;
    case Relation::GreaterOrEqual:
      return a >= b;
    case Relation::Less:
      return a < b;
    case Relation::LessOrEqual:
      return a <= b;
  }
  return false;
}

bool IsCaseSensitive(int code) {
  if (code < kRelationalCodes) return static_cast<Family>(code % 3) == Family::Text;
  return code == kTrimmedEqual || code == kContains || code == kNotContains || code == kMatches ||
         code == kComprises;
}

// Whether the case control says IgnoreCase; the two words the executor
// keeps are known without reading them as option words.
bool IgnoringCase(std::string_view caseControl) {
  if (caseControl == "IgnoreCase") return true;
  if (caseControl == "MatchCase") return false;
  return SingleOption(caseControl, "GM", "IgnoreCase MatchCase") == 'G';
}

// --- text order -------------------------------------------------------------

const std::locale& UserLocale() {
  static const std::locale locale = [] {
    try {
      return std::locale("");
    } catch (const std::runtime_error&) {
      return std::locale::classic();  // the environment names a locale that is not installed
    }
  }();
  return locale;
}

// The user's collation of the Unicode forms: <0, 0 or >0.
int CollateCompare(std::string_view a, std::string_view b) {
  static std::wstring wa, wb;  // kept from call to call
  TextWidenInto(a, wa);
  TextWidenInto(b, wb);
  const auto& collate = std::use_facet<std::collate<wchar_t>>(UserLocale());
  return collate.compare(wa.data(), wa.data() + wa.size(), wb.data(), wb.data() + wb.size());
}

// --- number reading ---------------------------------------------------------

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

int DigitValue(char c, int base) {
  int v = 36;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  return v < base ? v : -1;
}

// Reads a 32-bit integer: leading blanks, an optional sign, decimal digits or
// "$" and hexadecimal digits, nothing after. Returns 0 when it reads, else the
// 1-based position of the first character that could not be read (one past
// the end when digits are missing at the end).
std::size_t ReadInteger(std::string_view text, std::int32_t& value) {
  std::size_t i = SkipBlanks(text, 0);
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  }
  if (i >= text.size()) return i + 1;
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) return i + 1;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return i + 1;
  }
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return 0;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  return i;
}

// Reads an extended-precision number: leading blanks, an optional sign,
// digits with an optional fraction (at least one digit in all), an optional
// exponent, nothing after. The syntax is checked here because the library
// reader would also take "inf", "nan" and hexadecimal forms.
bool ReadFloat(std::string_view text, long double& value) {
  std::size_t i = SkipBlanks(text, 0);
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const std::size_t start = i;
  i = SkipDigits(text, i);
  std::size_t digits = i - start;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = i + 1;
    i = SkipDigits(text, fraction);
    digits += i - fraction;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t e = i + 1;
    if (e < text.size() && (text[e] == '-' || text[e] == '+')) ++e;
    i = SkipDigits(text, e);
    if (i == e) return false;
  }
  if (i != text.size()) return false;
  const auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, value);
  if (ec != std::errc() || end != text.data() + i) return false;
  if (negative) value = -value;
  return true;
}

// --- the operations ---------------------------------------------------------

struct Values {
  std::string_view First;
  std::string_view Word;  // as written, for messages
  std::string_view Second;
};

[[noreturn]] void RaiseComparisonError(std::uint8_t kind, std::string_view message, const Values& v) {
  RaiseCommandError(kind, message, {v.First, v.Word, v.Second});
}

template <typename T, typename Reader>
bool CompareNumbers(Relation relation, const Values& v, Reader read) {
  T a{}, b{};
  if (!read(v.First, a) || !read(v.Second, b)) {
    RaiseComparisonError(kErrNumericExpected, "Non-numeric parm in numeric comparison", v);
  }
  return Holds(relation, a, b);
}

bool CompareNumeric(Relation relation, const Values& v) {
  const bool floating =
      v.First.find('.') != std::string_view::npos || v.Second.find('.') != std::string_view::npos;
  if (floating) {
    return CompareNumbers<long double>(relation, v, [](std::string_view text, long double& out) {
      out = 0;
      return text.empty() || ReadFloat(text, out);
    });
  }
  return CompareNumbers<std::int32_t>(relation, v, [](std::string_view text, std::int32_t& out) {
    out = 0;
    return text.empty() || ReadInteger(text, out) == 0;
  });
}

bool CompareLength(Relation relation, const Values& v) {
  std::int32_t wanted = 0;
  if (const std::size_t bad = ReadInteger(v.Second, wanted)) {
    RaiseComparisonError(kErrNumericExpected,
                         "The second parm in a comparison must be a number" + std::string(kCrLf) +
                             "Non-numeric character found at position " +
                             std::to_string(CharsBefore(v.Second, bad - 1) + 1) + " of parm3",
                         v);
  }
  return Holds(relation, static_cast<std::int64_t>(CharCount(v.First)), static_cast<std::int64_t>(wanted));
}

bool CompareRelational(int code, std::string_view first, std::string_view second, const Values& v) {
  const auto relation = static_cast<Relation>(code / 3);
  switch (static_cast<Family>(code % 3)) {
    case Family::Length:
      return CompareLength(relation, v);
    case Family::Numeric:
      return CompareNumeric(relation, v);
    case Family::Text:
      break;
  }
  // "=" and "<>" stay byte comparisons; only the ordering uses the collation.
  if (relation == Relation::Equal) return first == second;
  if (relation == Relation::NotEqual) return first != second;
  return Holds(relation, CollateCompare(first, second), 0);
}

bool Contains(std::string_view text, std::string_view part) {
  if (part.empty()) return text.empty();
  return text.find(part) != std::string_view::npos;
}

bool CompareOther(int code, std::string_view first, std::string_view second) {
  switch (code) {
    case kTrimmedEqual:
      return TrimControls(first) == TrimControls(second);
    case kContains:
      return Contains(first, second);
    case kNotContains:
      return !Contains(first, second);
    case kLonger:
      return CharCount(first) > CharCount(second);
    case kShorter:
      return CharCount(first) < CharCount(second);
    case kSameLength:
      return CharCount(first) == CharCount(second);
    case kMatches: {
      const TPatternMatch found = Search(CompilePattern(second), first, 1, true);
      return found.Position == 1 && found.Length == static_cast<std::int64_t>(first.size());
    }
    case kComprises:
      return Search(CompilePattern(second), first, 1, true).Position != 0;
    default:
      RaiseEngineError(kErrInternal, "PE-CMP-CODE", std::to_string(code));
  }
}

}  // namespace

void NormaliseComparatorInto(std::string_view word, std::string& out) {
  out.clear();
  for (char c : word) {
    if (c == ' ') continue;
    out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
}

int ComparatorCode(std::string_view comparator) {
  thread_local std::string word;  // kept from call to call
  NormaliseComparatorInto(comparator, word);
  const TComparisons* entry = FindComparator(word);
  return entry != nullptr ? entry->Code : -1;
}

bool Compare(std::string_view first, std::string_view comparator, std::string_view second,
             std::string_view caseControl) {
  return CompareByCode(ComparatorCode(comparator), first, comparator, second, caseControl);
}

bool CompareByCode(int code, std::string_view first, std::string_view comparator, std::string_view second,
                   std::string_view caseControl) {
  if (!Eng().InternalCall) Eng().CurrentCommand = Cmd::Que;
  const Values values{first, comparator, second};
  if (code < 0) RaiseComparisonError(kErrIncorrectParameter, "Unrecognized comparison (check parm2)", values);
  if (IsCaseSensitive(code) && IgnoringCase(caseControl)) {
    // Kept from call to call; nothing here calls back into a comparison.
    thread_local std::string upperFirst, upperSecond;
    TextFoldInto(first, upperFirst);
    TextFoldInto(second, upperSecond);
    first = upperFirst;
    second = upperSecond;
  }
  if (code < kRelationalCodes) return CompareRelational(code, first, second, values);
  return CompareOther(code, first, second);
}

std::string Que(std::string_view first, std::string_view comparator, std::string_view second,
                std::string_view caseControl) {
  return Compare(first, comparator, second, caseControl) ? "Y" : "N";
}

std::string CompareCtrlChoice(std::string_view parameter) {
  const std::string_view word = TrimControls(parameter);
  for (std::string_view choice : {std::string_view("IgnoreCase"), std::string_view("MatchCase")}) {
    if (SameTextIgnoreCase(word, choice)) return std::string(choice);
  }
  return {};
}

std::string CompareCtrlErrorText(std::string_view parameter) {
  return "Unrecognized CompareCtrl parameter (" + std::string(TrimControls(parameter)) + ")" +
         std::string(kCrLf) + "Valid choices are IgnoreCase and MatchCase";
}

}  // namespace gleaner

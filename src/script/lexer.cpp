// The script lexer. Positions are 0-based indexes into the statement; the
// statement has no leading or trailing blanks and no TAB characters.
#include "script/lexer.h"

#include "foundation/numbers.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "script/compile_error.h"
#include "script/values.h"

namespace gleaner {
namespace {

bool IsLetterAZ(char c) {
  const char u = AnsiUpper(c);
  return u >= 'A' && u <= 'Z';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) {
  const char u = AnsiUpper(c);
  return IsDigit(c) || (u >= 'A' && u <= 'F');
}
int HexValue(char c) { return IsDigit(c) ? c - '0' : AnsiUpper(c) - 'A' + 10; }
bool EndsCodedPiece(char c) { return c == ' ' || c == '#' || c == '$' || c == '\''; }

}  // namespace

std::string KindWord(ElemKind kind, bool capitalised) {
  std::string word;
  switch (kind) {
    case ElemKind::Array: word = "array"; break;
    case ElemKind::Command: word = "command"; break;
    case ElemKind::Literal: word = "literal"; break;
    case ElemKind::Variable: word = "variable"; break;
    default: word = "undefined"; break;
  }
  if (capitalised) word[0] = AnsiUpper(word[0]);
  return word;
}

void TLexer::Start(std::string_view statement) {
  text_ = statement;
  S = TScanState{};
}

std::size_t TLexer::WordEnd(std::size_t from) const {
  const std::size_t space = text_.find(' ', from);
  return space == std::string_view::npos ? text_.size() : space;
}

bool TLexer::IsKnownVariableWord() const {
  return store_.Find(AnsiUpperCase(text_.substr(S.Start, WordEnd(S.Start) - S.Start))) != nullptr;
}

bool TLexer::Next(bool comparatorExpected, Cmd command, int parmCount) {
  if (S.Pos >= text_.size()) return false;
  std::size_t start = S.Pos;
  while (start < text_.size() && text_[start] == ' ') ++start;
  if (start >= text_.size()) return false;
  S.Start = start;
  if (text_[start] == ';') {
    S.Pos = text_.size();
    return false;
  }
  S.Step = 0;
  S.RangeStart = S.RangeEnd = 0;
  S.ArrayBase = S.ArrayIndex = nullptr;
  S.Value = nullptr;
  const char first = text_[start];
  if ((first == '$' && !IsKnownVariableWord()) || first == '\'' ||
      (first == '#' && start + 1 < text_.size() && IsDigit(text_[start + 1]))) {
    ReadLiteral();
    return true;
  }
  const std::size_t end = WordEnd(start);
  const std::string word(text_.substr(start, end - start));
  S.Text = word;
  if (kOperatorSecond.Has(command) && parmCount == 1) {
    if (!IsOperator(word)) {
      CompileFail("An arithmetic operator was expected for the second parm\r\nFound '" + word + "' instead");
    }
    S.Pos = end;
    S.Kind = ElemKind::Literal;
    S.Value = store_.CreateLiteral(word);
    return true;
  }
  if (auto code = FindCommand(word); code && !(*code == Cmd::Assign && comparatorExpected)) {
    S.Pos = end;
    S.Kind = ElemKind::Command;
    S.Code = *code;
    return true;
  }
  if (FindComparator(AnsiUpperCase(word)) != nullptr) {
    S.Pos = end;
    S.Kind = ElemKind::Comparator;
    S.Value = store_.CreateLiteral(word);
    return true;
  }
  if (first == '+' || first == '-' || first == '.' || IsDigit(first)) {
    S.Pos = end;
    std::string_view number = word;
    while (!number.empty() && number.front() == '+') number.remove_prefix(1);
    S.Kind = ElemKind::Literal;
    S.Value = store_.CreateLiteral(number.empty() ? std::string_view("0") : number);
    return true;
  }
  ReadVariable();
  return true;
}

// Literal: quoted, hex ($h, $hh) and decimal (#d..#ddd) pieces without blanks between.
void TLexer::ReadLiteral() {
  if (S.Start + 1 >= text_.size()) CompileFail("Line ends with an incomplete literal");
  std::string value;
  S.Pos = S.Start;
  for (;;) {
    if (text_[S.Pos] == '\'') {
      ReadQuotedPiece(value);
    } else {
      ReadCodedPiece(value);
    }
    if (S.Pos >= text_.size()) break;
    const char c = text_[S.Pos];
    if (c != '\'' && c != '$' && c != '#') break;
  }
  S.Kind = ElemKind::Literal;
  S.Text = std::string(text_.substr(S.Start, S.Pos - S.Start));
  S.Value = store_.CreateLiteral(value);
}

// 'text' with '' for a quote; leaves Pos after the closing quote.
void TLexer::ReadQuotedPiece(std::string& out) {
  std::size_t i = S.Pos + 1;
  for (;;) {
    const std::size_t quote = text_.find('\'', i);
    if (quote == std::string_view::npos) CompileFail("Incomplete quoted literal");
    out.append(text_.substr(i, quote - i));
    if (quote + 1 < text_.size() && text_[quote + 1] == '\'') {
      out += '\'';
      i = quote + 2;
      continue;
    }
    S.Pos = quote + 1;
    return;
  }
}

// $h / $hh (hex) or #d / #dd / #ddd (decimal): one character by its code.
void TLexer::ReadCodedPiece(std::string& out) {
  const bool hex = text_[S.Pos] == '$';
  std::size_t i = S.Pos + 1;
  std::string digits;
  while (i < text_.size() && !EndsCodedPiece(text_[i])) {
    const char c = text_[i];
    if (hex && !IsHexDigit(c)) {
      CompileFail(std::string("Urecognized special variable, or invalid hex character (") + AnsiUpper(c) +
                  ") in literal");
    }
    if (!hex && !IsDigit(c)) CompileFail(std::string("Invalid decimal character '") + c + "' in literal");
    digits += c;
    ++i;
  }
  if (digits.empty()) {
    CompileFail(std::string("Stand-alone '") + (hex ? "$" : "#") + "' in literal could not be interpreted");
  }
  int code = 0;
  if (hex) {
    if (digits.size() > 2) {
      CompileFail("Invalid hex $" + digits +
                  "  in literal\r\nIt must be either 2 or 3 characters long (e.g. $A or $0A)");
    }
    for (char c : digits) code = code * 16 + HexValue(c);
  } else {
    if (digits.size() > 3) {
      CompileFail("Invalid decimal #" + digits +
                  "  in literal\r\nIt must be between 2 and 4 characters long (e.g. #032)");
    }
    for (char c : digits) code = code * 10 + (c - '0');
    if (code > 255) {
      CompileFail("Invalid decimal specification #" + digits + "\r\nThe value must be in the range from 0 to 255");
    }
  }
  out += static_cast<char>(code);
  S.Pos = i;
}

void TLexer::ReadVariable() {
  const char first = AnsiUpper(text_[S.Start]);
  if (first != '$' && !IsLetterAZ(first)) {
    CompileFail("Variables must start with A to Z (or $ for special variables)\r\n" +
                std::string(text_.substr(S.Start)));
  }
  std::size_t i = text_.find_first_of(" (+-[", S.Start);
  if (i == std::string_view::npos) i = text_.size();
  std::string name(text_.substr(S.Start, i - S.Start));
  S.Pos = i;
  bool hasIndex = false, hasRange = false, literalIndex = false;
  std::string indexName;
  while (S.Pos < text_.size()) {
    const char c = text_[S.Pos];
    if (c == ' ') {
      ++S.Pos;
    } else if (c == '(') {
      ReadIndex(name, literalIndex, indexName, hasIndex);
    } else if (c == '[') {
      ReadRange(name, hasRange);
    } else if ((c == '+' || c == '-') && text_[S.Pos - 1] == ' ') {
      break;  // a sign after a blank starts the next element, range or not
    } else if (c == '+' || c == '-') {
      if (hasRange) {
        CompileFail("Increment and decrement (+ and -) may not be combined with a [ range ] specification");
      }
      if (S.Step != 0) CompileFail("Redundant or ambiguous + (increment) or - (decrement) for " + name + " variable");
      if (S.Pos + 1 < text_.size() && text_[S.Pos + 1] != ' ') {
        CompileFail("Increment and decrement must be the last item in variable " + name);
      }
      S.Step = c == '+' ? 1 : -1;
      ++S.Pos;
      break;
    } else {
      break;
    }
  }
  S.Text = name;
  if (!indexName.empty()) {
    S.Kind = ElemKind::Array;
    S.ArrayBase = store_.FindOrCreate(name, "", true);
    S.ArrayIndex = store_.FindOrCreate(indexName, "", true);
    return;
  }
  S.Kind = ElemKind::Variable;
  S.Value = literalIndex ? store_.FindOrCreate(name, ScriptTexts().NotDefined, false)
                         : store_.FindOrCreate(name, "", true);
}

// "(" index ")": a variable index makes an array reference; a literal one is folded into the name.
void TLexer::ReadIndex(std::string& name, bool& literalIndex, std::string& indexName, bool& hasIndex) {
  if (hasIndex) CompileFail("Redundant ( array ) index for " + name + " variable");
  hasIndex = true;
  const std::size_t close = text_.find(')', S.Pos);
  if (close == std::string_view::npos) {
    CompileFail("Unmatched array index parentheses:  \"(\" without corresponding \")\"");
  }
  std::string_view index = TrimBlanks(text_.substr(S.Pos + 1, close - S.Pos - 1));
  S.Pos = close + 1;
  if (index.empty()) CompileFail("Empty array index: \"(\" and \")\" with nothing inside");
  const char first = AnsiUpper(index.front());
  if (first == '$' || IsLetterAZ(first)) {
    indexName = std::string(index);
    return;
  }
  if (index.front() == '\'') index.remove_prefix(1);
  if (!index.empty() && index.back() == '\'') index.remove_suffix(1);
  if (index.empty()) CompileFail("Null array index");
  name += "(" + std::string(index) + ")";
  literalIndex = true;
}

// "[" start [end] "]": a range of characters of the value.
void TLexer::ReadRange(const std::string& name, bool& hasRange) {
  if (hasRange) CompileFail("Redundant [ range ] specification for " + name + " variable");
  hasRange = true;
  const std::size_t close = text_.find(']', S.Pos);
  if (close == std::string_view::npos) {
    CompileFail("Unmatched range brackets:  \"[\" without corresponding \"]\"");
  }
  const std::string_view range = TrimBlanks(text_.substr(S.Pos + 1, close - S.Pos - 1));
  S.Pos = close + 1;
  if (range.empty()) CompileFail("Empty range brackets: \"[\" and \"]\" with nothing inside");
  const std::size_t space = range.find(' ');
  const std::string_view from = space == std::string_view::npos ? range : TrimBlanks(range.substr(0, space));
  const std::string_view to = space == std::string_view::npos ? range : TrimBlanks(range.substr(space));
  if (!TryParseInt32(from, S.RangeStart) || !TryParseInt32(to, S.RangeEnd)) {
    CompileFail("Range brackets contain non-numeric data:  " + std::string(range));
  }
}

}  // namespace gleaner

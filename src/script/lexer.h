// Internal to the script layer; callers use script/gleaner_script.h.
// The script lexer: turns one statement into elements (commands, comparators,
// literals, variables, array references), one at a time, because a word's
// meaning depends on its position. Every variable and literal it meets is
// entered in the value store at once.
//
//   TLexer lex(store);
//   lex.Start("Output X[2 4] 'abc'$0D$0A");
//   while (lex.Next(false, Cmd::Output, parmCount)) { ... lex.S ... }
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "commands/command_table.h"
#include "script/script_line.h"

namespace gleaner {

class TValue;
class TValueStore;

struct TScanState {
  std::size_t Pos = 0;    // index of the next character to examine
  std::size_t Start = 0;  // index of the first character of the current element
  ElemKind Kind = ElemKind::Literal;
  std::string Text;       // as written; a literal index folded into a variable name
  TValue* Value = nullptr;
  TValue* ArrayBase = nullptr;
  TValue* ArrayIndex = nullptr;
  std::int8_t Step = 0;
  std::int32_t RangeStart = 0;
  std::int32_t RangeEnd = 0;
  Cmd Code = Cmd::Undetermined;
};

// The word for an element kind in messages ("array", "command", ...).
std::string KindWord(ElemKind kind, bool capitalised = false);

class TLexer {
 public:
  explicit TLexer(TValueStore& store) : store_(store) {}

  void Start(std::string_view statement);
  // Reads the next element into S; false at the end or at a comment. The
  // statement's command and parameter count decide the operator position.
  bool Next(bool comparatorExpected, Cmd command, int parmCount);

  TScanState S;

 private:
  void ReadLiteral();
  void ReadQuotedPiece(std::string& out);
  void ReadCodedPiece(std::string& out);
  void ReadVariable();
  void ReadIndex(std::string& name, bool& literalIndex, std::string& indexName, bool& hasIndex);
  void ReadRange(const std::string& name, bool& hasRange);
  bool IsKnownVariableWord() const;
  std::size_t WordEnd(std::size_t from) const;

  TValueStore& store_;
  std::string_view text_;
};

}  // namespace gleaner

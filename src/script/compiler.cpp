// Script compiler: statement reading, statement compilation, block and
// context rules, and pass 2. One statement kind per function below.
#include "script/compiler.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "script/compile_error.h"
#include "script/lexer.h"

namespace gleaner {
namespace {

constexpr int kMaxBlockDepth = 50;

std::string NameWithoutFolder(const std::string& name) {
  const std::size_t cut = name.find_last_of("/\\:");
  return cut == std::string::npos ? name : name.substr(cut + 1);
}

std::string Name(Cmd code) { return std::string(CommandName(code)); }

// Splits text into physical lines; CR LF, LF and a lone CR end a line.
std::vector<std::string_view> PhysicalLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

class TCompiler {
 public:
  explicit TCompiler(TCompiledScript& script) : s_(script), lex_(script.Store) {}

  void Pass1(const std::vector<std::string_view>& lines);
  void Pass2();
  int OpenBlocks() const { return depth_; }

 private:
  void CompileStatement(std::string statement);
  void IfClause(TScriptLine& line);
  void OtherwiseClause(TScriptLine& line);
  void CheckNotBlockCommand(const std::string& clause);
  void TargetRules(TScriptLine& line);
  void ReadParameters(TScriptLine& line);
  void ContextRules(const TScriptLine& line);
  void MatchBlocks(TScriptLine& line);
  void ProcedureRules(TScriptLine& line);
  TScriptLine* FindLoopEnd(TScriptLine& line, int depth);

  bool Next(bool comparatorExpected, const TScriptLine& line) {
    return lex_.Next(comparatorExpected, line.Command, line.ParmCount);
  }
  TParm* NewParm();
  bool IsValueKind() const {
    const ElemKind k = lex_.S.Kind;
    return k == ElemKind::Array || k == ElemKind::Literal || k == ElemKind::Variable;
  }
  bool IsComparatorElement() const {
    return lex_.S.Kind == ElemKind::Comparator || AnsiUpperCase(lex_.S.Text) == "$COMPARE";
  }

  TCompiledScript& s_;
  TLexer lex_;
  std::string statement_;  // the statement as compiled, for messages
  int depth_ = 0;
  TScriptLine* stack_[kMaxBlockDepth + 1] = {};
  bool inConfig_ = false;
  bool inProcedure_ = false;
};

TParm* TCompiler::NewParm() {
  const TScanState& st = lex_.S;
  TParm& p = s_.Parms.emplace_back();
  p.Kind = st.Kind;
  p.Value = st.Value;
  p.ArrayBase = st.ArrayBase;
  p.ArrayIndex = st.ArrayIndex;
  p.Step = st.Step;
  p.RangeStart = st.RangeStart;
  p.RangeEnd = st.RangeEnd;
  return &p;
}

// Statements: a physical line, plus the following ones while a line ends in ">>".
void TCompiler::Pass1(const std::vector<std::string_view>& lines) {
  int counter = 0;
  std::size_t next = 0;
  while (next < lines.size()) {
    Eng().ScriptLineNumber = ++counter;
    std::string statement;
    int continuations = 0;
    while (next < lines.size()) {
      std::string_view line = TrimControls(lines[next++]);
      if (line.empty() || line.front() == ';') break;
      bool continues = false;
      if (const std::size_t mark = line.find(">>"); mark != std::string_view::npos) {
        const std::string_view rest = TrimControls(line.substr(mark + 2));
        if (rest.empty() || rest.front() == ';') {
          continues = true;
          ++continuations;
          line = TrimControls(line.substr(0, mark));
        }
      }
      if (!statement.empty()) statement += ' ';
      statement.append(line);
      if (!continues) break;
    }
    if (!statement.empty()) {
      try {
        CompileStatement(std::move(statement));
      } catch (const ECompileMessage& e) {
        const std::string first = "Script compilation error\r\n\r\nLine " + std::to_string(counter) + " of " +
                                  NameWithoutFolder(s_.FileName) + ":\r\n" + statement_;
        s_.Free();
        RaiseEngineError(kErrCompile, first, e.what());
      }
    }
    counter += continuations;
  }
}

// Whether the executor must choose array elements before the line runs.
bool HasArrays(const TScriptLine& line) {
  const auto isArray = [](const TParm* p) { return p != nullptr && p->Kind == ElemKind::Array; };
  if (isArray(line.Target) || isArray(line.IfLeft) || isArray(line.IfRight)) return true;
  for (const TParm* p = line.FirstParm; p != nullptr; p = p->Next) {
    if (isArray(p)) return true;
  }
  return false;
}

// [If a K b [Then]] [Otherwise] [target [=]] command parameters...
void TCompiler::CompileStatement(std::string statement) {
  TScriptLine& line = s_.Lines.emplace_back();
  if (s_.Lines.size() > 1) {
    line.Prev = &s_.Lines[s_.Lines.size() - 2];
    line.Prev->Next = &line;
  }
  line.LineNumber = Eng().ScriptLineNumber;
  for (char& c : statement) {
    if (c == '\t') c = ' ';
  }
  statement_ = std::move(statement);
  lex_.Start(statement_);
  if (!Next(false, line)) CompileFail("No first element");
  if (AnsiUpperCase(lex_.S.Text) == "IF") IfClause(line);
  if (AnsiUpperCase(lex_.S.Text) == "OTHERWISE") OtherwiseClause(line);
  switch (lex_.S.Kind) {
    case ElemKind::Array:
    case ElemKind::Variable:
      TargetRules(line);
      break;
    case ElemKind::Command:
      break;
    case ElemKind::Literal:
      CompileFail("Literal out of context; expected a variable or command");
    default:
      s_.Free();
      RaiseEngineError(kErrInternal, "SC-CL-C-NE-T", std::string(1, static_cast<char>(lex_.S.Kind)));
  }
  if (lex_.S.Kind != ElemKind::Command) CompileFail("Did not find a command in the expected position");
  line.Command = lex_.S.Code;
  ReadParameters(line);
  if (line.ParmCount < MinParms(line.Command)) {
    CompileFail("The " + Name(line.Command) + " command requires at least " +
                std::to_string(MinParms(line.Command)) + " parameters\r\nOnly " + std::to_string(line.ParmCount) +
                " parameters were found");
  }
  if (IsFunction(line.Command) && line.Target == nullptr) {
    CompileFail("The " + Name(line.Command) +
                " command is a function and should be preceded \r\nby a variable -- functions return a value");
  }
  ContextRules(line);
  MatchBlocks(line);
  if (line.Command == Cmd::Procedure) ProcedureRules(line);
  line.HasArrays = HasArrays(line);
}

// If a comparator b [Then] action
void TCompiler::IfClause(TScriptLine& line) {
  if (!Next(false, line)) CompileFail("No value after If command");
  if (!IsValueKind()) CompileFail("The If command is followed by " + KindWord(lex_.S.Kind));
  line.IfLeft = NewParm();
  if (!Next(true, line)) CompileFail("No comparator for If command");
  if (!IsComparatorElement()) CompileFail("The If command does not use a valid comparator");
  line.Condition = lex_.S.Value;
  if (!Next(false, line)) CompileFail("No second value for If command");
  if (!IsValueKind()) CompileFail("If comparator is followed by " + KindWord(lex_.S.Kind));
  line.IfRight = NewParm();
  if (!Next(false, line)) CompileFail("The If command does not specify any action");
  if (lex_.S.Kind == ElemKind::Variable && AnsiUpperCase(lex_.S.Text) == "THEN" && !Next(false, line)) {
    CompileFail("The If command does not specify any action");
  }
  CheckNotBlockCommand("If");
}

// Otherwise action -- only directly after an If (or another Otherwise) line
void TCompiler::OtherwiseClause(TScriptLine& line) {
  if (line.Prev == nullptr || line.Prev->Condition == nullptr) {
    CompileFail("The Otherwise command can appear only a line that immediately follows an If command");
  }
  if (!Next(false, line)) CompileFail("No action specified after an Otherwise");
  CheckNotBlockCommand("Otherwise");
  line.Condition = s_.OtherwiseMarker;
}

void TCompiler::CheckNotBlockCommand(const std::string& clause) {
  if (lex_.S.Kind == ElemKind::Command && kNotAfterIf.Has(lex_.S.Code)) {
    CompileFail("The " + clause + " command cannot be combined with block commands\r\n" +
                "(e.g. Begin, Else, End, Again, FileInit, Procedure etc.)");
  }
}

// target [=] function ...
void TCompiler::TargetRules(TScriptLine& line) {
  const TScanState& st = lex_.S;
  if (st.Step != 0 || st.RangeStart != 0 || st.RangeEnd != 0) {
    CompileFail("Increments (+), decrements (-) and [ ranges ] are not permitted on the left side of an equals sign");
  }
  const std::string targetText = st.Text;
  if (AnsiUpperCase(targetText.substr(0, 4)) == "$CFG") {
    if (!inConfig_) CompileFail("You can assign values to $Cfg variables only in the Config section");
    const TEngineInfo& info = EngineInfo();
    const std::string& list = info.CfgSettableList;
    if (list.empty() || AnsiUpperCase(list).find(AnsiUpperCase(targetText)) == std::string::npos) {
      std::string message = "The " + info.CfgProgramName + " application does not permit " +
                            "you to assign a value to " + targetText;
      if (list.empty()) {
        message += " or any $Cfg variable";
      } else {
        std::string spaced = list;
        for (char& c : spaced) {
          if (c == list.front()) c = ' ';
        }
        message += "\r\n\r\nYou can set the following variables in Config: " + spaced;
      }
      CompileFail(message);
    }
  }
  line.Target = NewParm();
  const std::string upperTarget =
      AnsiUpperCase(st.Kind == ElemKind::Array ? st.ArrayBase->Name : st.Value->Name);
  if (!Next(false, line)) CompileFail("Line contains only a variable (or possibly a mistyped command name)");
  if (lex_.S.Kind != ElemKind::Command) {
    CompileFail("Initial variable is followed by something other than a command or assigment\r\n" + upperTarget +
                " is followed by the " + KindWord(lex_.S.Kind) + " " + lex_.S.Text +
                "\r\n\r\nPerhaps you meant the following:\r\n" + upperTarget + " = " + lex_.S.Text);
  }
  if (!IsFunction(lex_.S.Code)) {
    CompileFail("Variable is followed by a command that does not return a value:\r\n" + lex_.S.Text);
  }
}

void TCompiler::ReadParameters(TScriptLine& line) {
  TParm* last = nullptr;
  for (;;) {
    const bool comparatorExpected = line.ParmCount == 1 && kComparatorSecond.Has(line.Command);
    if (!Next(comparatorExpected, line)) return;
    if (comparatorExpected && !IsComparatorElement()) CompileFail("Expected a comparator, but did not find one");
    if (lex_.S.Kind != ElemKind::Command) {
      TParm* parm = NewParm();
      (last == nullptr ? line.FirstParm : last->Next) = parm;
      last = parm;
      ++line.ParmCount;
    } else if (line.ParmCount == 0 && line.Command == Cmd::Assign && IsFunction(lex_.S.Code)) {
      line.Command = lex_.S.Code;
    } else {
      CompileFail("Expected a variable, literal or function, but found a " + Name(lex_.S.Code) + " command");
    }
  }
}

void TCompiler::ContextRules(const TScriptLine& line) {
  const Cmd cmd = line.Command;
  if (kSections.Has(cmd) && depth_ != 0) {
    CompileFail("The " + Name(cmd) + " command may not be nested inside another block\r\n(e.g. you cannot put " +
                Name(cmd) + " in a Begin/End block)");
  }
  if (inConfig_) {
    if (!kAllowedInConfig.Has(cmd)) {
      CompileFail(
          "In the Config section, you may only perform assignments \r\n(e.g. $CfgEnableOptionX = 'Y')\r\n"
          "plus the following commands:  Begin, End, If, Otherwise, Stop, NextStep");
    }
    return;
  }
  if (cmd == Cmd::Config) inConfig_ = true;
  if (cmd == Cmd::Procedure) inProcedure_ = true;
  if (cmd == Cmd::Exit && !inProcedure_) CompileFail("The Exit command may only be used inside a Procedure");
}

void TCompiler::MatchBlocks(TScriptLine& line) {
  const Cmd cmd = line.Command;
  const bool closesOrSplits = cmd == Cmd::End || cmd == Cmd::Else || cmd == Cmd::Again || cmd == Cmd::Break ||
                              cmd == Cmd::Continue;
  if (closesOrSplits && depth_ == 0) CompileFail(Name(cmd) + " found out of context");
  if (cmd == Cmd::End) {
    TScriptLine* top = stack_[depth_];
    top->BlockEnd = &line;
    if (top->ElseLine != nullptr) top->ElseLine->BlockEnd = &line;
    if (--depth_ == 0) inConfig_ = inProcedure_ = false;
  } else if (cmd == Cmd::Else) {
    stack_[depth_]->ElseLine = &line;
  } else if (cmd == Cmd::Again) {
    TScriptLine* top = stack_[depth_];
    // Only a Begin opens a loop; an Again closing a section would jump into it.
    if (top->Command != Cmd::Begin) CompileFail(Name(cmd) + " found out of context");
    line.LoopStart = top;
    top->BlockEnd = &line;
    if (top->ElseLine != nullptr) {
      CompileFail("An Else command (script line " + std::to_string(top->ElseLine->LineNumber) +
                  ") may not be matched with an Again command");
    }
    --depth_;
  } else if (kBlockOpeners.Has(cmd)) {
    if (depth_ == kMaxBlockDepth) CompileFail("Nesting of blocks exceeds maximum of 50 levels deep");
    stack_[++depth_] = &line;
  }
}

// Procedure name -- the name is a plain variable, defined once
void TCompiler::ProcedureRules(TScriptLine& line) {
  TParm* name = line.FirstParm;
  if (name->Kind != ElemKind::Variable) {
    CompileFail("A Procedure must be named with a simple variable\r\nYou cannot use a literal or an array");
  }
  if (name->Value->ProcLine != nullptr) {
    CompileFail("The procedure " + name->Value->Name + " is defined more than once");
  }
  name->Value->ProcLine = &line;
}

// The Again that closes the loop around a Break or Continue standing at depth.
TScriptLine* TCompiler::FindLoopEnd(TScriptLine& line, int depth) {
  int counter = depth;
  for (TScriptLine* l = line.Next; l != nullptr; l = l->Next) {
    if (kBlockOpeners.Has(l->Command)) {
      ++counter;
    } else if (l->Command == Cmd::End) {
      if (--counter == 0) break;
    } else if (l->Command == Cmd::Again) {
      if (--counter < 0) break;
      if (counter < depth) {
        line.InnerBlocks = depth - 1 - counter;
        return l;
      }
    }
  }
  CompileFail(Name(line.Command) + " command cannot be matched with an Again command");
}

void TCompiler::Pass2() {
  Eng().ScriptPhase = "Compile Pass 2";
  int depth = 0;
  try {
    for (TScriptLine* l = s_.First(); l != nullptr; l = l->Next) {
      Eng().ScriptLineNumber = l->LineNumber;
      if (kBlockOpeners.Has(l->Command)) ++depth;
      if (kBlockClosers.Has(l->Command)) --depth;
      if (l->Command == Cmd::Call) {
        const TParm* proc = l->FirstParm;
        if (proc->Kind != ElemKind::Variable || proc->Value->ProcLine == nullptr) {
          CompileFail("Call refers to non-existent Procedure");
        }
      } else if (l->Command == Cmd::Break || l->Command == Cmd::Continue) {
        l->BlockEnd = FindLoopEnd(*l, depth);
      }
    }
  } catch (const ECompileMessage& e) {
    s_.Free();
    RaiseEngineError(kErrCompile, std::string("Script compilation error\r\n\r\n") + e.what(),
                     "See script line " + std::to_string(Eng().ScriptLineNumber));
  }
}

std::string ReadScriptFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) RaiseEngineError(kErrFileProblem, "Could not open script file " + fileName, std::strerror(errno));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TCompiledScript& CompiledScript() {
  static TCompiledScript script;
  return script;
}

void FreeCompiledScript() { CompiledScript().Free(); }

void CompileScript(const std::string& fileName) {
  TCompiledScript& script = CompiledScript();
  Eng().ScriptPhase = "Compile Pass 1";
  script.Free();
  script.FileName = fileName;
  const std::string text = ReadScriptFile(fileName);
  script.OtherwiseMarker = script.Store.FindOrCreate("Otherwise", "[OTHERWISE]", false);
  script.Store.FindOrCreate("IF", "[IF]", false);
  script.Store.FindOrCreate("THEN", "[THEN]", false);
  script.Store.RegisterAllSpecials();
  Eng().ScriptLineNumber = 0;
  ScriptTexts().Success = "N";
  TCompiler compiler(script);
  compiler.Pass1(PhysicalLines(text));
  if (script.Empty()) RaiseEngineError(kErrCompile, "Script is empty", "");
  if (compiler.OpenBlocks() != 0) {
    script.Free();
    RaiseEngineError(kErrCompile,
                     "The number of block commands (e.g. Begin) does not correspond \r\n"
                     "the total number of End and Again commands",
                     "");
  }
  compiler.Pass2();
}

std::string OnceOnlyWarning(const TCompiledScript& script) {
  std::string names;
  for (const TValue& v : script.Store.Values()) {
    if (v.RefCount != 1) continue;
    if (!names.empty()) names += ' ';
    names += v.Name;
  }
  if (names.empty()) return {};
  return "Warning: The following variables are referenced only once in " + NameWithoutFolder(script.FileName) +
         ":\r\n\r\n" + names + "\r\n\r\nThis typically means that a variable name has been typed incorrectly";
}

}  // namespace gleaner

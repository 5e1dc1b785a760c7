#include "script/compiler.h"

#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "support/error_text.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

class Compiler : public ::testing::Test {
 protected:
  void SetUp() override {
    EngineInfo().CfgProgramName = "Culler";
    EngineInfo().CfgSettableList = "/$CfgCaptionX/$CfgRecLen";
  }
  void TearDown() override { FreeCompiledScript(); }

  std::string Write(const std::string& text) {
    const std::string name = folder.File("ScrTest.txt");
    testing::WriteFile(name, text);
    return name;
  }

  // Compiles and returns one line per compiled statement: number, command, counts, links.
  std::string Compile(const std::string& text) {
    CompileScript(Write(text));
    std::string out;
    for (TScriptLine* l = CompiledScript().First(); l != nullptr; l = l->Next) {
      out += std::to_string(l->LineNumber) + ":" + std::string(CommandName(l->Command)) + "/" +
             std::to_string(l->ParmCount);
      if (l->Target != nullptr) out += " T=" + l->Target->Value->Name;
      if (l->Condition != nullptr) out += " if";
      if (l->BlockEnd != nullptr) out += " end@" + std::to_string(l->BlockEnd->LineNumber);
      if (l->ElseLine != nullptr) out += " else@" + std::to_string(l->ElseLine->LineNumber);
      if (l->LoopStart != nullptr) out += " loop@" + std::to_string(l->LoopStart->LineNumber);
      out += "\n";
    }
    return out;
  }

  // The whole text of the compilation error: first text, blank line, second text.
  std::string Error(const std::string& text) {
    const std::string message = ErrorText([&] { Compile(text); });
    EXPECT_EQ(Eng().ErrorKind, kErrCompile);
    return message;
  }

  testing::TempFolder folder;
};

std::string Pass1Error(int line, const std::string& statement, const std::string& message) {
  return "Script compilation error\r\n\r\nLine " + std::to_string(line) + " of ScrTest.txt:\r\n" + statement +
         "\r\n\r\n" + message;
}

TEST_F(Compiler, TargetsFunctionsAndAssignments) {
  EXPECT_EQ(Compile("X = Calc 2 + 3\nX Calc 2 + 3\nX = Y Z\n"),
            "1:Calc/3 T=X\n2:Calc/3 T=X\n3:=/2 T=X\n");
}

TEST_F(Compiler, ContinuationsJoinLinesAndKeepTheFirstLineNumber) {
  EXPECT_EQ(Compile("Output 'a' >>\n  'b'\nOutput 'c' >> ; note\n'd'\nOutput 'e'\n"),
            "1:Output/2\n3:Output/2\n5:Output/1\n");
  EXPECT_EQ(Error("Output 'a' >>\nOutput\n"),
            Pass1Error(1, "Output 'a' Output", "Expected a variable, literal or function, but found a Output command"));
  // A blank line after ">>" ends the statement.
  EXPECT_EQ(Compile("Output 'a' >>\n\nOutput 'b'\n"), "1:Output/1\n3:Output/1\n");
}

TEST_F(Compiler, StatementMessages) {
  const std::pair<const char*, const char*> cases[] = {
      {"Calc 2 + 3", "The Calc command is a function and should be preceded \r\nby a variable -- functions return a value"},
      {"X Output 'a'", "Variable is followed by a command that does not return a value:\r\nOutput"},
      {"Output Calc", "Expected a variable, literal or function, but found a Calc command"},
      {"X", "Line contains only a variable (or possibly a mistyped command name)"},
      {"X Y", "Initial variable is followed by something other than a command or assigment\r\nX is followed by the "
              "variable Y\r\n\r\nPerhaps you meant the following:\r\nX = Y"},
      {"'a' Output", "Literal out of context; expected a variable or command"},
      {"Change X", "The Change command requires at least 3 parameters\r\nOnly 1 parameters were found"},
      {"X+ = 1", "Increments (+), decrements (-) and [ ranges ] are not permitted on the left side of an equals sign"},
      {"If X = 'Y' Begin", "The If command cannot be combined with block commands\r\n(e.g. Begin, Else, End, Again, "
                           "FileInit, Procedure etc.)"},
      {"If X", "No comparator for If command"},
      {"If X Y", "The If command does not use a valid comparator"},
      {"If X = 'Y' Then", "The If command does not specify any action"},
      {"Otherwise Stop", "The Otherwise command can appear only a line that immediately follows an If command"},
      {"Exit", "The Exit command may only be used inside a Procedure"},
      {"$CfgRecLen = 80", "You can assign values to $Cfg variables only in the Config section"},
      {"Que X Y Z", "Expected a comparator, but did not find one"},
      {"End", "End found out of context"},
      {"Else", "Else found out of context"},
      {"Continue", "Continue found out of context"},
      {"If", "No value after If command"},
      {"If Output", "The If command is followed by command"},
      {"If X =", "No second value for If command"},
      {"If X = Output", "If comparator is followed by command"},
      {"X = 'a' Output", "Expected a variable, literal or function, but found a Output command"},
  };
  for (const auto& [statement, message] : cases) {
    EXPECT_EQ(Error(statement), Pass1Error(1, statement, message)) << statement;
  }
}

TEST_F(Compiler, OtherwiseMessages) {
  EXPECT_EQ(Error("If X = 'Y' Stop\nOtherwise\n"), Pass1Error(2, "Otherwise", "No action specified after an Otherwise"));
  EXPECT_EQ(Error("If X = 'Y' Stop\nOtherwise End\n"),
            Pass1Error(2, "Otherwise End",
                       "The Otherwise command cannot be combined with block commands\r\n(e.g. Begin, Else, End, "
                       "Again, FileInit, Procedure etc.)"));
}

TEST_F(Compiler, IfThenAndOtherwise) {
  EXPECT_EQ(Compile("If X = 'Y' Then Stop\nIf X = 'Y' Stop\nOtherwise Output 'n'\n"),
            "1:Stop/0 if\n2:Stop/0 if\n3:Output/1 if\n");
  EXPECT_EQ(CompiledScript().Lines[2].Condition, CompiledScript().OtherwiseMarker);
}

TEST_F(Compiler, BlocksLoopsAndBreaks) {
  EXPECT_EQ(Compile("Begin X = 'Y'\nElse\nEnd\nBegin\nBegin\nBreak\nEnd\nContinue\nAgain I < 10\n"),
            "1:Begin/3 end@3 else@2\n2:Else/0 end@3\n3:End/0\n4:Begin/0 end@9\n5:Begin/0 end@7\n"
            "6:Break/0 end@9\n7:End/0\n8:Continue/0 end@9\n9:Again/3 loop@4\n");
  EXPECT_EQ(Error("Begin\nElse\nAgain\n"),
            Pass1Error(3, "Again", "An Else command (script line 2) may not be matched with an Again command"));
  EXPECT_EQ(Error("TaskInit\nAgain\n"), Pass1Error(2, "Again", "Again found out of context"));
  EXPECT_EQ(Error("Begin\nBreak\nEnd\n"),
            "Script compilation error\r\n\r\nBreak command cannot be matched with an Again command\r\n\r\n"
            "See script line 2");
  EXPECT_EQ(Error("Begin\nOutput 'a'\n"),
            "The number of block commands (e.g. Begin) does not correspond \r\nthe total number of End and Again "
            "commands\r\n\r\n");
  EXPECT_EQ(Error("; only a comment\n\n"), "Script is empty\r\n\r\n");
}

TEST_F(Compiler, NestingLimit) {
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "Begin\n";
  for (int i = 0; i < 50; ++i) fifty += "End\n";
  EXPECT_NO_THROW(Compile(fifty));
  EXPECT_EQ(Error("Begin\n" + fifty).find("Nesting of blocks exceeds maximum of 50 levels deep") !=
                std::string::npos,
            true);
}

TEST_F(Compiler, SectionsProceduresAndCalls) {
  EXPECT_EQ(Compile("Procedure P\nOutput P\nEnd\nCall P 'a'\nTaskInit\nEnd\n"),
            "1:Procedure/1 end@3\n2:Output/1\n3:End/0\n4:Call/2\n5:TaskInit/0 end@6\n6:End/0\n");
  EXPECT_EQ(Error("Begin\nProcedure P\nEnd\nEnd\n"),
            Pass1Error(2, "Procedure P",
                       "The Procedure command may not be nested inside another block\r\n(e.g. you cannot put "
                       "Procedure in a Begin/End block)"));
  EXPECT_EQ(Error("Procedure P\nEnd\nProcedure p\nEnd\n"),
            Pass1Error(3, "Procedure p", "The procedure P is defined more than once"));
  EXPECT_EQ(Error("Procedure 'P'\nEnd\n"),
            Pass1Error(1, "Procedure 'P'",
                       "A Procedure must be named with a simple variable\r\nYou cannot use a literal or an array"));
  EXPECT_EQ(Error("Call Q\n"),
            "Script compilation error\r\n\r\nCall refers to non-existent Procedure\r\n\r\nSee script line 1");
}

TEST_F(Compiler, ConfigRestrictions) {
  EXPECT_NO_THROW(Compile("Config\n$CfgRecLen = 80\nEnd\n"));
  EXPECT_EQ(Error("Config\n$CfgCaptionY = 'x'\nEnd\n"),
            Pass1Error(2, "$CfgCaptionY = 'x'",
                       "The Culler application does not permit you to assign a value to $CfgCaptionY\r\n\r\n"
                       "You can set the following variables in Config:  $CfgCaptionX $CfgRecLen"));
  EXPECT_EQ(Error("Config\nOutput 'x'\nEnd\n"),
            Pass1Error(2, "Output 'x'",
                       "In the Config section, you may only perform assignments \r\n(e.g. $CfgEnableOptionX = "
                       "'Y')\r\nplus the following commands:  Begin, End, If, Otherwise, Stop, NextStep"));
  EngineInfo().CfgSettableList = "";
  EXPECT_EQ(Error("Config\n$CfgRecLen = 1\nEnd\n"),
            Pass1Error(2, "$CfgRecLen = 1",
                       "The Culler application does not permit you to assign a value to $CfgRecLen or any $Cfg "
                       "variable"));
}

TEST_F(Compiler, OnceOnlyWarning) {
  Compile("Total = 1\nOutput Totl Total If Then Otherwise\n");
  EXPECT_EQ(OnceOnlyWarning(CompiledScript()),
            "Warning: The following variables are referenced only once in ScrTest.txt:\r\n\r\nTotl\r\n\r\n"
            "This typically means that a variable name has been typed incorrectly");
  Compile("Total = 1\nOutput Total\n");
  EXPECT_EQ(OnceOnlyWarning(CompiledScript()), "");
}

TEST_F(Compiler, ErrorsFreeThePartialCompilation) {
  Error("Output 'a'\nEnd\n");
  EXPECT_TRUE(CompiledScript().Empty());
  EXPECT_EQ(CompiledScript().Store.Values().size(), 0u);
}

TEST_F(Compiler, SpecialVariablesAreRegisteredInTheirFixedOrder) {
  TValueStore store;
  store.RegisterAllSpecials();
  ASSERT_EQ(store.Values().size(), kSpecialVariableCount);
  EXPECT_EQ(store.Values().front().Name, "$Data");
  EXPECT_EQ(store.Values().back().Name, "$CfgEncoding");
}

}  // namespace
}  // namespace gleaner

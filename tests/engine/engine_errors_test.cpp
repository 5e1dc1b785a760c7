#include "engine/engine_errors.h"

#include <gtest/gtest.h>

#include "support/error_text.h"

#include "engine/engine_state.h"

namespace gleaner {
namespace {

class EngineErrors : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().CurrentCommand = Cmd::Lookup;
    Eng().ErrorOccurred = false;
    Eng().ErrorKind = 0;
    Eng().InternalCall = false;
    Eng().StepName = "None";
  }
};

TEST_F(EngineErrors, EngineErrorSetsKindAndKeepsTheBlankLine) {
  EXPECT_EQ(ErrorText([] { RaiseEngineError(15, "Could not open x", ""); }), "Could not open x\r\n\r\n");
  EXPECT_TRUE(Eng().ErrorOccurred);
  EXPECT_EQ(Eng().ErrorKind, 15);
}

TEST_F(EngineErrors, CommandErrorNamesTheCommandAndListsParameters) {
  const std::string text =
      ErrorText([] { RaiseCommandError(7, "Bad", {"abc", 12, true, 'x', std::string(VariableBeingSet)}); });
  EXPECT_EQ(text,
            "Error in Lookup command\r\n\r\nBad\r\n\r\nParameters:\r\nParm1: 'abc'\r\nParm2: '12'\r\n"
            "Parm3: 'Y'\r\nParm4: 'x'\r\nParm5: (Variable being set)");
  Eng().CurrentCommand = Cmd::Undetermined;
  EXPECT_EQ(ErrorText([] { RaiseCommandError(7, "M", {}); }), "Error in (undetermined) command\r\n\r\nM\r\n\r\nParameters:");
}

TEST_F(EngineErrors, DisplayValueShortensAfterSeventyCharacters) {
  const std::string seventy(70, 'a');
  EXPECT_EQ(DisplayValue(seventy), "'" + seventy + "'");
  const std::string longer = std::string(52, 'b') + std::string(19, 'c');
  EXPECT_EQ(DisplayValue(longer), "'" + std::string(52, 'b') + "...' (71 bytes)  ");
  EXPECT_EQ(DisplayValue(""), "''");
}

TEST_F(EngineErrors, FloatingParametersUseShortestForm) {
  EXPECT_EQ(ErrParm(2.5).Text(), "2.5");
  EXPECT_EQ(ErrParm(0.1).Text(), "0.1");
}

TEST_F(EngineErrors, IntParam) {
  EXPECT_EQ(IntParam(""), 0);
  EXPECT_EQ(IntParam("-42"), -42);
  EXPECT_EQ(ErrorText([] { IntParam("12a"); }),
            "Error in Lookup command\r\n\r\nNon-numeric value (12a) specified\r\n\r\nAn integer numeric value was expected");
  EXPECT_EQ(ErrorTable[Eng().ErrorKind].Code, 80);
}

TEST_F(EngineErrors, AddIntText) {
  EXPECT_EQ(AddIntText("", '+', "1"), "1");
  EXPECT_EQ(AddIntText("7", '-', "10"), "-3");
  EXPECT_EQ(ErrorText([] { AddIntText("7", '-', "x"); }),
            "Error in Lookup command\r\n\r\nNon-integer or non-numeric parameter\r\n\r\nParameters:\r\n"
            "Parm1: '7'\r\nParm2: 'x'");
  EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
}

TEST_F(EngineErrors, AddIntTextOverflowIsAnErrorNotAWrap) {
  EXPECT_EQ(AddIntText("2147483646", '+', "1"), "2147483647");
  EXPECT_THROW(AddIntText("2147483647", '+', "1"), EParse);
  EXPECT_THROW(AddIntText("-2147483648", '-', "1"), EParse);
  EXPECT_THROW(AddIntText("99999999999", '+', "1"), EParse);
}

TEST_F(EngineErrors, InternalCallMarkTwiceIsAnInternalError) {
  SetInternalCallMark(true);
  EXPECT_EQ(ErrorText([] { SetInternalCallMark(true); }), "PE-IC\r\n\r\nLookup");
  EXPECT_EQ(Eng().ErrorKind, kErrInternal);
  SetInternalCallMark(false);
  SetInternalCallMark(true);
  SetInternalCallMark(false);
}

TEST_F(EngineErrors, FlowCommands) {
  Eng().StepName = "FileInit";
  EXPECT_EQ(ErrorText([] { NextRecord(); }),
            "Command out of context\r\n\r\nThe NextRecord command may appear only in the Main step");
  EXPECT_EQ(ErrorTable[Eng().ErrorKind].Code, 160);
  Eng().StepName = "Main";
  EXPECT_THROW(NextRecord(), ENextRecord);
  try {
    NextStep();
  } catch (const ENextStep& e) {
    EXPECT_STREQ(e.what(), "Main");
  }
  Eng().ErrorOccurred = false;
  EXPECT_THROW(Stop(""), EParseStop);
  EXPECT_FALSE(Eng().ErrorOccurred);
  EXPECT_THROW(Stop("halt"), EParseStop);
  EXPECT_TRUE(Eng().ErrorOccurred);
  EXPECT_EQ(Eng().CurrentCommand, Cmd::Stop);
}

TEST_F(EngineErrors, TableCodesIncreaseWithKind) {
  for (int i = 1; i < kErrorKindCount; ++i) {
    EXPECT_EQ(ErrorTable[i].Kind, i);
    EXPECT_GT(ErrorTable[i].Code, ErrorTable[i - 1].Code);
  }
  EXPECT_EQ(ErrorTable[17].Description, "Internal error during OpenEngine");
}

TEST_F(EngineErrors, TestModeText) {
  SetTestMode(true);
  EXPECT_EQ(Eng().TestMode, "Y");
  SetTestMode(false);
  EXPECT_EQ(Eng().TestMode, "N");
}

}  // namespace
}  // namespace gleaner

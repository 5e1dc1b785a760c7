#include "commands/command_table.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(CommandTable, CodesAreFixedAndLookupIgnoresCase) {
  EXPECT_EQ(static_cast<int>(Cmd::Calc), 8);
  EXPECT_EQ(static_cast<int>(Cmd::YesNo), 66);
  EXPECT_EQ(static_cast<int>(Cmd::Unknown), 67);
  for (const char* word : {"Calc", "calc", "CALC", "cAlC"}) EXPECT_EQ(FindCommand(word), Cmd::Calc) << word;
  EXPECT_EQ(FindCommand("="), Cmd::Assign);
  EXPECT_EQ(FindCommand("outruler"), Cmd::Outruler);
  EXPECT_EQ(CommandName(Cmd::Outruler), "Outruler");
}

TEST(CommandTable, PlaceholdersAreNeverFound) {
  EXPECT_FALSE(FindCommand("(unknown)"));
  EXPECT_FALSE(FindCommand("(undetermined)"));
  EXPECT_FALSE(FindCommand("Calcs"));
  EXPECT_FALSE(FindCommand(""));
}

TEST(CommandTable, NamesBetweenThePlaceholdersAreInByteOrder) {
  // The engine's self-test relies on this order.
  for (int i = 2; i < 67; ++i) {
    EXPECT_LT(CommandName(static_cast<Cmd>(i - 1)), CommandName(static_cast<Cmd>(i))) << i;
  }
}

TEST(CommandTable, FunctionsAndMinimumParameters) {
  EXPECT_TRUE(IsFunction(Cmd::Parse));
  EXPECT_EQ(MinParms(Cmd::Parse), 2);
  EXPECT_FALSE(IsFunction(Cmd::ScanPosn));
  EXPECT_EQ(MinParms(Cmd::ScanPosn), 4);
  EXPECT_TRUE(IsFunction(Cmd::ReadEOF));
  EXPECT_EQ(MinParms(Cmd::ReadEOF), 0);
}

TEST(CommandTable, FixedSets) {
  EXPECT_TRUE(kSections.Has(Cmd::Procedure));
  EXPECT_FALSE(kSections.Has(Cmd::Begin));
  EXPECT_TRUE(kBlockOpeners.Has(Cmd::Begin));
  EXPECT_TRUE(kNotSupported.Has(Cmd::YesNo));
  EXPECT_FALSE(kNotSupported.Has(Cmd::Unknown));
  EXPECT_TRUE(kAllowedInConfig.Has(Cmd::Assign));
  EXPECT_FALSE(kAllowedInConfig.Has(Cmd::Output));
  EXPECT_TRUE(kComparatorSecond.Has(Cmd::Que));
  EXPECT_TRUE(kOperatorSecond.Has(Cmd::CalcReal));
}

TEST(CommandTable, Operators) {
  EXPECT_TRUE(IsOperator("highest"));
  EXPECT_TRUE(IsOperator("+"));
  EXPECT_FALSE(IsOperator("$S$"));
  EXPECT_FALSE(IsOperator("$E$"));
  EXPECT_FALSE(IsOperator("%"));
}

TEST(CommandTable, ComparatorsShareCodesAcrossSpellings) {
  ASSERT_NE(FindComparator("LEN<="), nullptr);
  EXPECT_EQ(FindComparator("LEN<=")->Code, 15);
  EXPECT_EQ(FindComparator("LEN=<")->Code, 15);
  EXPECT_EQ(FindComparator("=")->Code, 2);
  EXPECT_EQ(FindComparator("#=")->Code, 1);
  EXPECT_EQ(FindComparator("COMPRISES")->Code, 25);
  EXPECT_EQ(FindComparator("len<="), nullptr);  // callers upper-case first
  EXPECT_EQ(FindComparator("=="), nullptr);
}

}  // namespace
}  // namespace gleaner

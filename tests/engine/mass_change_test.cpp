#include "engine/mass_change.h"

#include <gtest/gtest.h>

#include "support/error_text.h"

#include "engine/engine_state.h"
#include "engine/lookup_files.h"
#include "foundation/text_utils.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

class MassChangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreeLookupFiles();
    Eng().CurrentCommand = Cmd::Undetermined;
    Eng().InternalCall = false;
  }
  void TearDown() override {
    FreeLookupFiles();
    Eng().InternalCall = false;
  }

  // Loads the lines as lookup file T.
  void Load(const std::string& lines) {
    testing::WriteFile(folder.File("Luf.txt"), lines);
    LookupFile("T", folder.File("Luf.txt"), "1", "2");
  }
  static std::string Changed(std::string text, std::string_view option = "MatchCase") {
    MassChange(text, "T", option);
    return text;
  }

  testing::TempFolder folder;
};

TEST_F(MassChangeTest, EntriesApplyInUpperCasedKeyOrder) {
  Load("dog,cow\ncat,dog\n");
  EXPECT_EQ(Changed("cat dog"), "cow cow");  // CAT before DOG; the second sees the first's result
  FreeLookupFiles();
  // Upper-cased, 'a' (A = 41) comes before '_' (5F); in raw byte order it would come after.
  Load("_,1\na,_\n");
  EXPECT_EQ(Changed("a"), "1");
}

TEST_F(MassChangeTest, OnePassPerEntryResumingAfterTheDataSkippingEmptyKeys) {
  Load("a,aa\nxx,x\n,between\n");
  EXPECT_EQ(Changed("banana"), "baanaanaa");
  EXPECT_EQ(Changed("xxxxx"), "xxx");
  EXPECT_EQ(Changed("none here"), "none here");
  EXPECT_EQ(Changed(""), "");
}

TEST_F(MassChangeTest, CaseOption) {
  Load("cat,dog\n\xe9t\xe9,summer\n");
  EXPECT_EQ(Changed("Cat CAT cat"), "Cat CAT dog");
  EXPECT_EQ(Changed("Cat CAT cat", "IgnoreCase"), "dog dog dog");
  EXPECT_EQ(Changed("\xc9T\xc9 \xe9t\xe9", "ign"), "summer summer");
  EXPECT_EQ(Changed("\xc9T\xc9 \xe9t\xe9", "Mat"), "\xc9T\xc9 summer");
}

TEST_F(MassChangeTest, Errors) {
  Load("a,b\n");
  std::string v = "abc";
  EXPECT_NE(ErrorText([&] { MassChange(v, "T", "Upper"); }).find("in MassChange control setting"),
            std::string::npos);
  EXPECT_NE(
      ErrorText([&] { MassChange(v, "", "MatchCase"); }).find("Short name for lookup file cannot be null"),
      std::string::npos);
  EXPECT_EQ(ErrorText([&] { MassChange(v, "Nope", "IgnoreCase"); }),
            "Error in MassChange command\r\n\r\nShort name for lookup file (Nope) not previously defined by "
            "LookupFile command\r\n\r\nParameters:\r\nParm1: (Variable being set)\r\nParm2: 'Nope'\r\n"
            "Parm3: 'IgnoreCase'");
  EXPECT_EQ(Eng().ErrorKind, kErrLookupDataNotFound);
  EXPECT_EQ(v, "abc");
}

TEST_F(MassChangeTest, UnderTheInternalCallMarkErrorsNameTheCaller) {
  Eng().CurrentCommand = Cmd::OutCSV;
  Eng().InternalCall = true;
  std::string v = "x";
  EXPECT_TRUE(ErrorText([&] { MassChange(v, "", "MatchCase"); }).starts_with("Error in OutCSV command\r\n"));
}

TEST_F(MassChangeTest, GrowthPastTheTextLimitFailsAndLeavesTheText) {
  Load("a," + std::string(1000, 'b') + "\nc,d\n");
  const std::size_t fits = kMaxReplaceLength / 1000;
  EXPECT_EQ(Changed(std::string(fits, 'a')).size(), kMaxReplaceLength);
  std::string v = "c" + std::string(fits + 1, 'a');
  EXPECT_EQ(ErrorText([&] { MassChange(v, "T", "MatchCase"); }),
            "Error in MassChange command\r\n\r\nThe changed text would exceed the maximum length of 2048000 "
            "characters\r\n\r\n"
            "Parameters:\r\nParm1: (Variable being set)\r\nParm2: 'T'\r\nParm3: 'MatchCase'");
  EXPECT_EQ(v, "c" + std::string(fits + 1, 'a'));
}

}  // namespace
}  // namespace gleaner

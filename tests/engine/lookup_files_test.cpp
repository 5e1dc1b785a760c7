#include "engine/lookup_files.h"

#include <gtest/gtest.h>

#include "support/error_text.h"

#include <filesystem>

#include "engine/engine_state.h"
#include "foundation/search_path.h"
#include "support/temp_folder.h"

namespace gleaner {
namespace {

using testing::TempFolder;
using testing::WriteFile;

class LookupFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    FreeLookupFiles();
    Eng().CurrentCommand = Cmd::Undetermined;
    Eng().InternalCall = false;
    Eng().ErrorKind = 0;
    Eng().ErrorOccurred = false;
  }
  void TearDown() override { FreeLookupFiles(); }

  // Writes a lookup file into the temporary folder; its full name.
  std::string Luf(const std::string& name, const std::string& bytes) {
    WriteFile(folder.File(name), bytes);
    return folder.File(name);
  }
  // The text of the data error raised by loading these bytes.
  std::string LoadError(const std::string& bytes, std::string_view key = "1", std::string_view data = "2") {
    const std::string name = Luf("Luf.txt", bytes);
    return ErrorText([&] { LookupFile("T", name, key, data); });
  }
  std::string Found(std::string_view key, std::string_view options, std::string_view shortName = "T") {
    std::string result = "old";
    return Lookup(result, key, shortName, options) ? result : "<none:" + result + ">";
  }

  TempFolder folder;
};

TEST_F(LookupFiles, LoadsDataLinesAcrossLineEndsAndSkipsComments) {
  LookupFile(
      "T",
      Luf("Luf.txt",
          "; colours\r\nred,rouge\n\rGreen , vert\r;x,y\rBLUE,\"bleu, clair\"\n ;c,d\n\xc9t\xe9,summer"),
      "1", "2");
  EXPECT_EQ(Found("red", "MatchCase"), "rouge");
  EXPECT_EQ(Found("Red", "MatchCase"), "<none:>");
  EXPECT_EQ(Found("\xe9T\xc9", "IgnoreCase"), "summer");  // accented letters fold too
  EXPECT_EQ(Found("re", "IgnoreCase"), "<none:>");
  EXPECT_EQ(Found("", "IgnoreCase"), "<none:>");
  EXPECT_EQ(Found("GREEN", "IgnoreCase"), "vert");
  EXPECT_EQ(Found("Blue", "ign"), "bleu, clair");
  EXPECT_EQ(Found(";x", "IgnoreCase"), "<none:>");
  EXPECT_EQ(Found(";c", "IgnoreCase"), "d");  // ";" marks a comment in the first column only
  EXPECT_EQ(FindLookupFile("t")->Size(), 5u);
}

TEST_F(LookupFiles, LookupMayReadItsKeyFromItsOwnResultVariable) {
  LookupFile("T", Luf("Luf.txt", "abc,xyz\n"), "1", "2");
  std::string v = "abc";
  EXPECT_TRUE(Lookup(v, v, "T", "MatchCase"));
  EXPECT_EQ(v, "xyz");
  EXPECT_FALSE(Lookup(v, v, "T", "MatchCase"));
  EXPECT_EQ(v, "");
}

TEST_F(LookupFiles, DataErrorsNameFileLineAndContents) {
  const std::string name = folder.File("Luf.txt");
  const std::string tail =
      "\r\n\r\nParameters:\r\nParm1: 'T'\r\nParm2: '" + name + "'\r\nParm3: '1'\r\nParm4: '2'";
  EXPECT_EQ(LoadError("; header\n\nk,$4142\n"),
            "Error in LookupFile command\r\n\r\nInvalid hex character $4142\r\n"
            "Hex characters may not exceed two digits in length\r\nThey are in the range $00 to $FF\r\n\r\n"
            "File name:    " +
                name + "\r\nLine number:  3\r\nContents:     'k,$4142'" + tail);
  EXPECT_EQ(Eng().ErrorKind, kErrLookupFileData);
  EXPECT_EQ(ErrorTable[Eng().ErrorKind].Code, 210);
  FreeLookupFiles();
  // A line of blanks is a data line.
  EXPECT_EQ(LoadError("a,b\r\n   \r\n"),
            "Error in LookupFile command\r\n\r\nNot enough fields to fulfill LookupFile specification\r\n"
            "At least 2 fields were expected\r\n\r\nFile name:    " +
                name + "\r\nLine number:  2\r\nContents:     '   '" + tail);
}

TEST_F(LookupFiles, DuplicatedKeysIgnoreLetterCase) {
  EXPECT_EQ(LoadError("Abc,1\nx,2\nABC,3\n"),
            "Error in LookupFile command\r\n\r\nDuplicated key field for lookup file:  ABC\r\n\r\n"
            "Parameters:\r\nParm1: 'T'\r\nParm2: '" +
                folder.File("Luf.txt") + "'\r\nParm3: '1'\r\nParm4: '2'");
  EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
  // The load stops there, keeping what it had read under the short name.
  ASSERT_NE(FindLookupFile("T"), nullptr);
  EXPECT_EQ(FindLookupFile("T")->Size(), 2u);
}

TEST_F(LookupFiles, FileWithoutDataLines) {
  EXPECT_EQ(
      LoadError("; only\r\n\r\n;comments\r"),
      "Error in LookupFile command\r\n\r\nNo usable data lines found in lookup file\r\n\r\nParameters:\r\n"
      "Parm1: 'T'\r\nParm2: '" +
          folder.File("Luf.txt") + "'\r\nParm3: '1'\r\nParm4: '2'");
  EXPECT_EQ(Eng().ErrorKind, kErrLookupFileData);
}

struct CheckCase {
  std::string shortName, fileName, keyField, dataField;
  std::string message;
  std::uint8_t kind;
};

TEST_F(LookupFiles, ParameterChecksInTheirOrder) {
  const std::string good = Luf("Luf.txt", "a,b\n");
  const std::string missing = folder.File("Nope.txt");
  const CheckCase cases[] = {
      {"", "", "0", "0", "Short name cannot be null", kErrIncorrectParameter},
      {"T", "", "0", "0", "Filename cannot be null", kErrIncorrectParameter},
      {"T", missing, "0", "0", "The Lookup file (" + missing + ") was not found", kErrFileProblem},
      {"T", good, "0", "2", "The key field and the data field must be integer numbers, 1 or higher",
       kErrIncorrectParameter},
      {"T", good, "1", "-1", "The key field and the data field must be integer numbers, 1 or higher",
       kErrIncorrectParameter},
      {"T", good, "2", "2", "The key field cannot be the same as the data field", kErrIncorrectParameter},
  };
  for (const CheckCase& c : cases) {
    EXPECT_EQ(ErrorText([&] { LookupFile(c.shortName, c.fileName, c.keyField, c.dataField); }),
              "Error in LookupFile command\r\n\r\n" + c.message + "\r\n\r\nParameters:\r\nParm1: '" +
                  c.shortName + "'\r\nParm2: '" + c.fileName + "'\r\nParm3: '" + c.keyField +
                  "'\r\nParm4: '" + c.dataField + "'")
        << c.message;
    EXPECT_EQ(Eng().ErrorKind, c.kind) << c.message;
    EXPECT_EQ(FindLookupFile("T"), nullptr) << "nothing registered before the checks pass";
  }
  EXPECT_EQ(ErrorText([&] { LookupFile("T", good, "1x", "2"); }),
            "Error in LookupFile command\r\n\r\nNon-numeric value (1x) specified\r\n\r\n"
            "An integer numeric value was expected");
  EXPECT_EQ(Eng().ErrorKind, kErrNumericExpected);
}

TEST_F(LookupFiles, BackslashesSeparateFolders) {
  std::filesystem::create_directory(folder.File("Sub"));
  Luf("Sub/Luf.txt", "k,v\n");
  LookupFile("T", folder.File("Sub\\Luf.txt"), "1", "2");
  EXPECT_EQ(Found("k", "MatchCase"), "v");
}

TEST_F(LookupFiles, NamesWithoutAFolderAreFoundAlongTheSearchPath) {
  const std::vector<std::string> saved = SearchFolders();
  SearchFolders() = {folder.File("none/"), folder.Path()};
  Luf("LufShort.txt", "k,found\n");
  LookupFile("S", "LufShort.txt;comment", "1", "2");
  SearchFolders() = saved;
  EXPECT_EQ(Found("k", "MatchCase", "S"), "found");
}

TEST_F(LookupFiles, AShortNameLoadsOncePerRunAndCloseFreesAll) {
  const std::string name = Luf("Luf.txt", "k,first\n");
  LookupFile("T", name, "1", "2");
  WriteFile(name, "k,second\n");
  LookupFile("t", name, "1", "2");
  LookupFile("T", Luf("Other.txt", "k,other\n"), "1", "2");
  EXPECT_EQ(Found("k", "MatchCase"), "first");
  FreeLookupFiles();
  EXPECT_EQ(FindLookupFile("T"), nullptr);
  EXPECT_EQ(
      ErrorText([] {
        std::string r;
        Lookup(r, "k", "T", "MatchCase");
      }),
      "Error in Lookup command\r\n\r\nShort name for lookup file (T) not previously defined by LookupFile "
      "command\r\n\r\nParameters:\r\nParm1: (Variable being set)\r\nParm2: 'k'\r\nParm3: 'T'\r\n"
      "Parm4: 'MatchCase'");
  EXPECT_EQ(ErrorTable[Eng().ErrorKind].Code, 130);
  LookupFile("T", name, "1", "2");
  EXPECT_EQ(Found("k", "MatchCase"), "second");
}

TEST_F(LookupFiles, LookupErrors) {
  LookupFile("T", Luf("Luf.txt", "k,v\n"), "1", "2");
  std::string r;
  EXPECT_NE(ErrorText([&] { Lookup(r, "k", "T", ""); }).find("A single option was expected for the Lookup"),
            std::string::npos);
  EXPECT_EQ(ErrorText([&] { Lookup(r, "k", "", "MatchCase"); }),
            "Error in Lookup command\r\n\r\nShort name for lookup file cannot be null\r\n\r\nParameters:\r\n"
            "Parm1: (Variable being set)\r\nParm2: 'k'\r\nParm3: ''\r\nParm4: 'MatchCase'");
  EXPECT_EQ(Eng().ErrorKind, kErrIncorrectParameter);
}

}  // namespace
}  // namespace gleaner

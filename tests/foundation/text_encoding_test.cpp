#include "foundation/text_encoding.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace gleaner {
namespace {

bool ScansAsUtf8(std::initializer_list<std::string_view> blocks) {
  TUtf8Scan scan;
  for (std::string_view block : blocks) scan.Feed(block);
  return scan.IsUtf8();
}

TEST(Utf8Scan, StrictValidationAcrossBlocks) {
  const std::pair<std::string_view, bool> cases[] = {
      {"caf\xC3\xA9", true},
      {"\xE2\x80\x93 \xF0\x9F\x98\x80", true},  // en dash, a four-byte emoji
      {"plain ASCII", false},                   // nothing to decode: Windows-1252
      {"", false},
      {"caf\xE9", false},           // a Windows-1252 letter
      {"\xC0\xAF", false},          // overlong "/"
      {"\xE0\x80\xAF", false},      // overlong, three bytes
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\xC3", false},              // open at the end
      {"\x80", false},              // a lone continuation byte
  };
  for (const auto& [bytes, utf8] : cases)
    EXPECT_EQ(ScansAsUtf8({bytes}), utf8) << ::testing::PrintToString(bytes);
  EXPECT_TRUE(ScansAsUtf8({"caf\xC3", "\xA9"}));
  EXPECT_TRUE(ScansAsUtf8({"\xF0\x9F", "\x98", "\x80"}));
  EXPECT_FALSE(ScansAsUtf8({"\xC3\xA9", "\xE9"}));
}

TEST(Utf8Decoder, SequencesCutByABlockEndAreFinishedWithTheNext) {
  TUtf8Decoder decoder;
  std::string out;
  decoder.Decode("caf\xC3", out);
  EXPECT_EQ(out, "caf");
  decoder.Decode("\xA9 \xE2", out);
  decoder.Decode("\x80", out);
  decoder.Decode("\x93 \xE4\xB8\xAD", out);  // the CJK character is not in the code page
  decoder.Finish(out);
  EXPECT_EQ(out, "caf\xE9 \x96 ?");
  decoder.Decode("x\xE2\x80", out);
  decoder.Finish(out);  // left open: one "?"
  EXPECT_EQ(out, "caf\xE9 \x96 ?x?");
}

TEST(FileIsUtf8, JudgesTheWholeFile) {
  testing::TempFolder folder;
  testing::WriteFile(folder.File("utf8.txt"), std::string(100000, 'a') + "\xC3\xA9");
  testing::WriteFile(folder.File("ansi.txt"), "\xC3\xA9" + std::string(100000, 'a') + "\xE9");
  EXPECT_TRUE(FileIsUtf8(folder.File("utf8.txt")));
  EXPECT_FALSE(FileIsUtf8(folder.File("ansi.txt")));
  EXPECT_FALSE(FileIsUtf8(folder.File("missing.txt")));
}

}  // namespace
}  // namespace gleaner

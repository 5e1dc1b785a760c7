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

// ASCII is passed over by the word: every case above, at every offset within
// ASCII and split at every byte, is judged as it is alone.
TEST(Utf8Scan, TheSameJudgementAtEveryOffsetAndSplit) {
  const std::pair<std::string_view, bool> cases[] = {
      {"\xC3\xA9", true}, {"\xF0\x9F\x98\x80", true}, {"\xE9", false}, {"\xC3", false}, {"\x80", false}, {"", false}};
  for (const auto& [bytes, utf8] : cases) {
    for (std::size_t before = 0; before <= 17; ++before) {
      for (const std::size_t after : {0, 1, 7, 8, 9, 16}) {
        const std::string text = std::string(before, 'a') + std::string(bytes) + std::string(after, 'z');
        for (std::size_t split = 0; split <= text.size(); ++split) {
          const std::string_view whole = text;
          EXPECT_EQ(ScansAsUtf8({whole.substr(0, split), whole.substr(split)}), utf8)
              << ::testing::PrintToString(text) << " split at " << split;
        }
      }
    }
  }
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

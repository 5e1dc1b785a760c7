// The plain-line scan against a line-by-line statement of its rule, on
// generated blocks whose CRs and LFs fall on every position of the 64-byte
// chunks, and on the chunk edges by construction.
#include "engine/plain_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace gleaner {
namespace {

// Line by line: a complete line is plain when its only CR, if any, stands
// just before its LF and its text is within the limits; the first one that
// is not ends the run.
std::vector<TPlainLine> ReferenceScan(std::string_view bytes, std::size_t minLength, std::size_t maxLength,
                                      std::size_t capacity) {
  std::vector<TPlainLine> lines;
  std::size_t start = 0;
  while (lines.size() < capacity) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string_view::npos) break;
    std::string_view text = bytes.substr(start, lf - start);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text.find('\r') != std::string_view::npos || text.size() < minLength || text.size() > maxLength) break;
    lines.push_back({text, bytes.substr(start, lf + 1 - start)});
    start = lf + 1;
  }
  return lines;
}

void ExpectSameAsReference(std::string_view bytes, std::size_t minLength, std::size_t maxLength,
                           std::size_t capacity) {
  std::vector<TPlainLine> out(capacity);
  const std::size_t count = ScanPlainLines(bytes, minLength, maxLength, out);
  const std::vector<TPlainLine> expected = ReferenceScan(bytes, minLength, maxLength, capacity);
  ASSERT_EQ(count, expected.size()) << "block '" << bytes << "'";
  for (std::size_t i = 0; i < count; ++i) {
    // Same views, not only the same bytes: the caller takes them from the block.
    EXPECT_EQ(out[i].Text.data(), expected[i].Text.data()) << "line " << i << " of '" << bytes << "'";
    EXPECT_EQ(out[i].Text.size(), expected[i].Text.size()) << "line " << i << " of '" << bytes << "'";
    EXPECT_EQ(out[i].Raw.size(), expected[i].Raw.size()) << "line " << i << " of '" << bytes << "'";
  }
}

TEST(PlainLines, AgreesWithTheLineRuleOnGeneratedBlocks) {
  std::mt19937 random(2024);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    const std::size_t length = random() % 300;
    // Mostly ordinary text with CR LF ends, sometimes a lone CR, an LF alone or a CR CR LF.
    while (bytes.size() < length) {
      const unsigned pick = random() % 40;
      if (pick == 0) bytes += '\r';
      else if (pick < 3) bytes += '\n';
      else if (pick < 6) bytes += "\r\n";
      else if (pick == 6) bytes += "\r\r\n";
      else if (pick == 7) bytes += std::string("\0\x1a", 2);
      else bytes += "aB "[pick % 3];
    }
    const std::size_t minLength = random() % 4 == 0 ? random() % 6 : 0;
    const std::size_t maxLength = random() % 4 == 0 ? random() % 30 : 2048000;
    const std::size_t capacity = random() % 5 == 0 ? 1 + random() % 4 : 1024;
    ExpectSameAsReference(bytes, minLength, maxLength, capacity);
  }
}

TEST(PlainLines, CrAndLfOnTheChunkEdges) {
  for (std::size_t at = 58; at < 134; ++at) {
    const std::string filler(at, 'x');
    for (const std::string tail : {"\r\nab\r\n", "\nab\n", "\rab\r\n", "\r", "\r\r\n", "\n\n\r\n"}) {
      ExpectSameAsReference(filler + tail, 0, 2048000, 1024);
      ExpectSameAsReference("ab\r\n" + filler + tail + "cd\r\n", 0, 2048000, 1024);
    }
  }
}

TEST(PlainLines, NothingForAnEmptyBlockOrNoRoom) {
  std::vector<TPlainLine> out(4);
  EXPECT_EQ(ScanPlainLines("", 0, 10, out), 0u);
  EXPECT_EQ(ScanPlainLines("a\r\n", 0, 10, std::span<TPlainLine>()), 0u);
  EXPECT_EQ(ScanPlainLines("no end", 0, 10, out), 0u);
}

}  // namespace
}  // namespace gleaner

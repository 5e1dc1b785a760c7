// The input reader: records per input type, CfgRecLen, the line limit, the
// counters, None and clipboard input, and a byte-by-byte reference reader
// checked against the block reader on generated inputs.
#include "engine/reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "engine/engine_errors.h"
#include "engine/io_fixture.h"

namespace gleaner {
namespace {

using testing::ReadFile;
using testing::WriteFile;
using Records = std::vector<std::string>;

class Reader : public testing::IoTest {
 protected:
  void Open(FileType type, const std::string& bytes, std::int32_t recordLength = 0) {
    WriteFile(Home("in.txt"), bytes);
    Eng().InputType = type;
    EngineInfo().CfgRecLen = recordLength;
    OpenInput("in.txt");
  }
};

TEST_F(Reader, RecordsPerType) {
  const std::string binary(
      "ab\0\r\ncd\x1a"
      "ef",
      10);
  const std::tuple<FileType, std::string, std::int32_t, Records> cases[] = {
      {FileType::Text, "a\r\nb\r\n", 0, {"a", "b"}},
      {FileType::Text, "a\nb", 0, {"a", "b"}},
      {FileType::Text, "a\rb\r\n", 0, {"ab"}},
      {FileType::Text, "\n\r\n", 0, {"", ""}},
      {FileType::Text, std::string("x\x1a\0y\n", 5), 0, {std::string("x\x1a\0y", 4)}},
      {FileType::TextLF, "a\r\nb\r", 0, {"a", "b"}},
      {FileType::TextCR, "a\rb\r\n", 0, {"a", "b"}},
      {FileType::TextCR, "a\n\nb", 0, {"ab"}},
      {FileType::Text, "a\n\nbc\n\n", 1, {"a", "bc"}},
      {FileType::Text, "abc\nab\nabcd\nab", 3, {"abc", "abcd"}},
      {FileType::Binary, binary, 4, {binary.substr(0, 4), binary.substr(4, 4), "ef"}},
      {FileType::Binary, "abc", 5, {"abc"}},
  };
  for (const auto& [type, bytes, recordLength, expected] : cases) {
    Open(type, bytes, recordLength);
    EXPECT_EQ(ReadAll(), expected) << "type " << static_cast<int>(type) << " input '" << bytes << "'";
    EXPECT_EQ(Eng().BytesConsumed, static_cast<std::int64_t>(bytes.size()));
  }
}

TEST_F(Reader, CountersAndTheEndOfInput) {
  Open(FileType::Text, "a\r\nbb");
  EXPECT_EQ(Eng().InputFileBytes, "5");
  ASSERT_TRUE(ReadNextData());
  EXPECT_EQ(Eng().BytesConsumed, 3);
  EXPECT_FALSE(Eng().EndOfInput);
  ASSERT_TRUE(ReadNextData());
  EXPECT_EQ(Eng().PreviousRecord, "a");
  EXPECT_TRUE(Eng().EndOfInput);  // already with the last, unterminated line
  EXPECT_EQ(Eng().RecordCount, "2");
  EXPECT_FALSE(ReadNextData());
  EXPECT_EQ(Eng().RecordCount, "3");
  Eng().RecordCount = "999";
  Open(FileType::Binary, "abcdefgh", 4);
  ASSERT_TRUE(ReadNextData());
  EXPECT_FALSE(Eng().EndOfInput);
  ASSERT_TRUE(ReadNextData());
  EXPECT_TRUE(Eng().EndOfInput);
  EXPECT_EQ(Eng().RecordCount, "1001");
}

TEST_F(Reader, LineLimit) {
  const std::string longest(kMaxLineLength, 'a');
  Open(FileType::Text, longest + "\r\nb");
  EXPECT_EQ(ReadAll(), (Records{longest, "b"}));
  Open(FileType::Text, longest + "\r\rb\n");
  EXPECT_EQ(ErrorOf([] { ReadNextData(); }),
            "Input file line exceeded maximum length of 2048000 characters\r\n\r\n"
            "The line starts with these characters:\r\n'" +
                std::string(52, 'a') + "...' (2048000 bytes)  ");
  EXPECT_EQ(Eng().ErrorKind, kErrDataBuffer);
  EXPECT_EQ(Eng().BytesConsumed, kMaxLineLength + 3);
}

// Byte by byte, the way the record rules are stated: records and the bytes
// consumed when each is delivered.
Records ReferenceRead(const std::string& bytes, FileType type, std::size_t minimum,
                      std::vector<std::size_t>& at) {
  const char lineEnd = type == FileType::TextCR ? '\r' : '\n';
  Records records;
  std::string line;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    const bool last = i == bytes.size();
    if (!last && bytes[i] != lineEnd) {
      if (bytes[i] != (type == FileType::TextCR ? '\n' : '\r')) line += bytes[i];
      continue;
    }
    if (line.size() >= minimum && !(last && line.empty())) {
      records.push_back(line);
      at.push_back(last ? i : i + 1);
    }
    line.clear();
  }
  return records;
}

TEST_F(Reader, AgreesWithAByteByByteReaderAcrossBlocks) {
  std::mt19937 random(12345);
  for (int round = 0; round < 40; ++round) {
    std::string bytes;
    for (int lines = static_cast<int>(random() % 12); lines > 0; --lines) {
      // Mostly short lines, sometimes lines longer than a read block.
      const std::size_t length = random() % 5 == 0 ? 200000 + random() % 400000 : random() % 8;
      for (std::size_t k = 0; k < length; ++k) bytes += "ab\r\nxy"[random() % 6];
      bytes += "\r\n\n\r"[random() % 4];
    }
    const FileType type = round % 2 == 0 ? FileType::Text : FileType::TextCR;
    const std::int32_t minimum = static_cast<std::int32_t>(random() % 3);
    std::vector<std::size_t> at;
    const Records expected = ReferenceRead(bytes, type, minimum, at);
    Open(type, bytes, minimum);
    for (std::size_t n = 0; ReadNextData(); ++n) {
      ASSERT_LT(n, expected.size()) << "round " << round;
      ASSERT_EQ(Eng().Record, expected[n]) << "round " << round << " record " << n;
      ASSERT_EQ(Eng().BytesConsumed, static_cast<std::int64_t>(at[n]))
          << "round " << round << " record " << n;
    }
    EXPECT_EQ(Eng().RecordCount, std::to_string(expected.size() + 1));
    EXPECT_EQ(Eng().BytesRead, static_cast<std::int64_t>(bytes.size()));
    Eng().RecordCount = "0";
  }
}

TEST_F(Reader, NoneAndClipboardInput) {
  OpenInput("none");
  EXPECT_EQ(Eng().ActualIFN, "None");
  EXPECT_EQ(ReadAll(), Records{"None"});
  EXPECT_EQ(Eng().RecordCount, "0");
  ports_.clipboard.text = "x\r\ny";
  OpenInput("CLIPBOARD");
  EXPECT_EQ(ReadFile(Eng().ActualIFN), "x\r\ny");
  EXPECT_EQ(Eng().ActualIFN, Home("Clipboard-Inp.txt"));
  EXPECT_EQ(ReadAll(), (Records{"x", "y"}));
  ports_.clipboard.text.clear();
  OpenInput("Clipboard");
  EXPECT_EQ(ReadAll(), Records{});
}

TEST_F(Reader, NamesAndOpenFailures) {
  WriteFile(Home("ParseInp.txt"), "default");
  OpenInput("");
  EXPECT_EQ(ReadAll(), Records{"default"});
  EngineInfo().CfgDefaultIFN = "missing.txt";
  EXPECT_EQ(ErrorOf([] { OpenInput(""); }),
            "Could not open " + Home("missing.txt") + "\r\n\r\nNo such file or directory");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  std::filesystem::create_directory(Home("folder"));
  EXPECT_EQ(ErrorOf([] { OpenInput("folder"); }),
            "Could not open " + Home("folder") + "\r\n\r\nIs a directory");
}

TEST_F(Reader, OpeningInputFlushesTheOutput) {
  OpenOutput("out.txt");
  OutEnd("written");
  OpenInput(Home("out.txt"));
  EXPECT_EQ(ReadAll(), Records{"written"});
}

TEST(InputType, Words) {
  const std::pair<const char*, FileType> cases[] = {{"TEXT", FileType::Text},
                                                    {"textlf", FileType::TextLF},
                                                    {"TextCr", FileType::TextCR},
                                                    {"binary", FileType::Binary},
                                                    {"TEXTX", FileType::Unknown}};
  for (const auto& [word, expected] : cases) {
    FileType type = FileType::Text;
    EXPECT_EQ(InputTypeOf(word, type), expected != FileType::Unknown) << word;
    EXPECT_EQ(type, expected) << word;
  }
}

}  // namespace
}  // namespace gleaner

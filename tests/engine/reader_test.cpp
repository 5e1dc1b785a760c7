// The input reader: record boundaries per input type, CfgRecLen, the line
// limit, byte counters, None and clipboard input, and a byte-by-byte
// reference reader checked against the block reader on generated inputs.
#include "engine/reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/io_fixture.h"
#include "engine/writer.h"

namespace gleaner {
namespace {

using testing::IoTest;
using testing::ReadFile;
using testing::WriteFile;
using Records = std::vector<std::string>;

class Reader : public IoTest {
 protected:
  Records Read(FileType type, const std::string& bytes, std::int32_t recordLength = 0) {
    WriteFile(Home("in.txt"), bytes);
    Eng().InputType = type;
    EngineInfo().CfgRecLen = recordLength;
    OpenInput("in.txt");
    return ReadAll();
  }
};

TEST_F(Reader, RecordsPerType) {
  struct Case {
    FileType type;
    std::string bytes;
    std::int32_t recordLength;
    Records expected;
  };
  const std::string binary("ab\0\r\ncd\x1a" "ef", 10);
  const Case cases[] = {
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
      {FileType::Text, "", 0, {}},
      {FileType::Binary, binary, 4, {binary.substr(0, 4), binary.substr(4, 4), binary.substr(8, 2)}},
      {FileType::Binary, "abcdefgh", 4, {"abcd", "efgh"}},
      {FileType::Binary, "abc", 5, {"abc"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(c.type, c.bytes, c.recordLength), c.expected)
        << "type " << static_cast<int>(c.type) << " input '" << c.bytes << "'";
    EXPECT_TRUE(Eng().EndOfInput);
    EXPECT_EQ(Eng().BytesConsumed, static_cast<std::int64_t>(c.bytes.size()));
    CloseInput();
  }
}

TEST_F(Reader, CountsRecordsAndKeepsThePreviousOne) {
  Eng().RecordCount = "0";
  WriteFile(Home("in.txt"), "a\r\nbb\r\n");
  OpenInput("in.txt");
  EXPECT_FALSE(Eng().EndOfInput);
  ASSERT_TRUE(ReadNextData());
  EXPECT_EQ(Eng().BytesConsumed, 3);
  ASSERT_TRUE(ReadNextData());
  EXPECT_EQ(Eng().Record, "bb");
  EXPECT_EQ(Eng().PreviousRecord, "a");
  EXPECT_EQ(Eng().BytesConsumed, 7);
  EXPECT_FALSE(Eng().EndOfInput);
  EXPECT_EQ(Eng().RecordCount, "2");
  EXPECT_FALSE(ReadNextData());
  EXPECT_EQ(Eng().RecordCount, "3");
  EXPECT_EQ(Eng().InputFileSize, 7);
  EXPECT_EQ(Eng().InputFileBytes, "7");
}

TEST_F(Reader, EndOfInputIsSetWithTheLastUnterminatedLine) {
  Read(FileType::Text, "");
  WriteFile(Home("in.txt"), "a\nb");
  OpenInput("in.txt");
  ASSERT_TRUE(ReadNextData());
  EXPECT_FALSE(Eng().EndOfInput);
  ASSERT_TRUE(ReadNextData());
  EXPECT_EQ(Eng().Record, "b");
  EXPECT_TRUE(Eng().EndOfInput);
}

TEST_F(Reader, BinaryEndOfInputAtAnExactMultiple) {
  Read(FileType::Binary, "", 4);
  WriteFile(Home("in.txt"), "abcdefgh");
  OpenInput("in.txt");
  ASSERT_TRUE(ReadNextData());
  EXPECT_FALSE(Eng().EndOfInput);
  ASSERT_TRUE(ReadNextData());
  EXPECT_TRUE(Eng().EndOfInput);
  EXPECT_EQ(Eng().PreviousRecord, "abcd");
  EXPECT_FALSE(ReadNextData());
  EXPECT_EQ(Eng().Record, "");
}

TEST_F(Reader, LineLimit) {
  const std::string longest(kMaxLineLength, 'a');
  EXPECT_EQ(Read(FileType::Text, longest + "\r\nb"), (Records{longest, "b"}));
  WriteFile(Home("in.txt"), longest + "\r\r" + "b\n");
  OpenInput("in.txt");
  const std::string expected = "Input file line exceeded maximum length of 2048000 characters\r\n\r\n"
                               "The line starts with these characters:\r\n'" +
                               std::string(52, 'a') + "...' (2048000 bytes)  ";
  EXPECT_EQ(ErrorOf([] { ReadNextData(); }), expected);
  EXPECT_EQ(Eng().ErrorKind, kErrDataBuffer);
  EXPECT_EQ(Eng().BytesConsumed, kMaxLineLength + 3);
}

// Byte by byte, the way the record rules are stated.
Records ReferenceRead(const std::string& bytes, FileType type, std::int64_t recordLength,
                      std::vector<std::int64_t>& consumed) {
  const char lineEnd = type == FileType::TextCR ? '\r' : '\n';
  const char drop = type == FileType::TextCR ? '\n' : '\r';
  Records records;
  std::string line;
  std::int64_t count = 0;
  for (char c : bytes) {
    ++count;
    if (c == drop) continue;
    if (c != lineEnd) {
      line += c;
      continue;
    }
    if (static_cast<std::int64_t>(line.size()) >= recordLength) {
      records.push_back(line);
      consumed.push_back(count);
    }
    line.clear();
  }
  if (!line.empty() && static_cast<std::int64_t>(line.size()) >= recordLength) {
    records.push_back(line);
    consumed.push_back(count);
  }
  return records;
}

TEST_F(Reader, AgreesWithAByteByByteReaderAcrossBlocks) {
  std::mt19937 random(12345);
  for (int round = 0; round < 40; ++round) {
    std::string bytes;
    const int lines = static_cast<int>(random() % 12);
    for (int i = 0; i < lines; ++i) {
      // Mostly short lines, sometimes lines longer than a read block.
      const std::size_t length = random() % 5 == 0 ? 200000 + random() % 400000 : random() % 8;
      for (std::size_t k = 0; k < length; ++k) bytes += "ab\r\nxy"[random() % 6];
      bytes += "\r\n\n\r"[random() % 4];
    }
    const FileType type = round % 2 == 0 ? FileType::Text : FileType::TextCR;
    const std::int32_t recordLength = static_cast<std::int32_t>(random() % 3);
    std::vector<std::int64_t> expectedConsumed;
    const Records expected = ReferenceRead(bytes, type, recordLength, expectedConsumed);
    WriteFile(Home("in.txt"), bytes);
    Eng().InputType = type;
    EngineInfo().CfgRecLen = recordLength;
    OpenInput("in.txt");
    std::size_t n = 0;
    while (ReadNextData()) {
      ASSERT_LT(n, expected.size()) << "round " << round;
      ASSERT_EQ(Eng().Record, expected[n]) << "round " << round << " record " << n;
      ASSERT_EQ(Eng().BytesConsumed, expectedConsumed[n]) << "round " << round << " record " << n;
      ++n;
    }
    EXPECT_EQ(n, expected.size()) << "round " << round;
    EXPECT_EQ(Eng().BytesConsumed, static_cast<std::int64_t>(bytes.size()));
    EXPECT_EQ(Eng().BytesRead, static_cast<std::int64_t>(bytes.size()));
  }
}

TEST_F(Reader, NoneInputGivesOneRecord) {
  Eng().RecordCount = "0";
  OpenInput("none");
  EXPECT_EQ(Eng().ActualIFN, "None");
  EXPECT_EQ(Eng().InputFileSize, 4);
  EXPECT_EQ(ReadAll(), Records{"None"});
  EXPECT_EQ(Eng().RecordCount, "0");
  EXPECT_EQ(Eng().BytesConsumed, 4);
}

TEST_F(Reader, ClipboardInputGoesThroughTheWorkFile) {
  ports_.clipboard.text = "x\r\ny";
  OpenInput("CLIPBOARD");
  EXPECT_EQ(Eng().ActualIFN, Home("Clipboard-Inp.txt"));
  EXPECT_EQ(ReadFile(Home("Clipboard-Inp.txt")), "x\r\ny");
  EXPECT_EQ(ReadAll(), (Records{"x", "y"}));
  ports_.clipboard.text.clear();
  OpenInput("Clipboard");
  EXPECT_TRUE(ReadAll().empty());
  EXPECT_EQ(ReadFile(Home("Clipboard-Inp.txt")), "");
}

TEST_F(Reader, NamesWithoutFolderAreInTheHomeFolder) {
  WriteFile(Home("ParseInp.txt"), "default\n");
  WriteFile(Home("Given.txt"), "given\n");
  OpenInput("");
  EXPECT_EQ(Eng().ActualIFN, Home("ParseInp.txt"));
  EXPECT_EQ(ReadAll(), Records{"default"});
  EngineInfo().CfgDefaultIFN = "Given.txt";
  OpenInput("");
  EXPECT_EQ(ReadAll(), Records{"given"});
}

TEST_F(Reader, OpenFailures) {
  EXPECT_EQ(ErrorOf([] { OpenInput("missing.txt"); }),
            "Could not open " + Home("missing.txt") + "\r\n\r\nNo such file or directory");
  EXPECT_EQ(Eng().ErrorKind, kErrFileProblem);
  std::filesystem::create_directory(Home("folder"));
  EXPECT_EQ(ErrorOf([] { OpenInput("folder"); }), "Could not open " + Home("folder") + "\r\n\r\nIs a directory");
}

TEST_F(Reader, OpeningInputFlushesTheOutput) {
  OpenOutput("out.txt");
  OutEnd("written");
  WriteFile(Home("in.txt"), "");
  OpenInput("in.txt");
  EXPECT_EQ(ReadFile(Home("out.txt")), "written\r\n");
  CloseOutput();
}

TEST(InputType, Words) {
  const std::pair<const char*, FileType> cases[] = {
      {"TEXT", FileType::Text},     {"textlf", FileType::TextLF}, {"TextCr", FileType::TextCR},
      {"binary", FileType::Binary}, {"TEXTX", FileType::Unknown}, {"", FileType::Unknown}};
  for (const auto& [word, expected] : cases) {
    FileType type = FileType::Text;
    EXPECT_EQ(InputTypeOf(word, type), expected != FileType::Unknown) << word;
    EXPECT_EQ(type, expected) << word;
  }
}

}  // namespace
}  // namespace gleaner

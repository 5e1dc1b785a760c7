// The culling run against GNU grep: a generated file of random lines culled
// with keep lists, delete lists and "&&" groups must give exactly the lines
// that a pipeline of "grep -i -F" stages selects from the same lines (with
// trailing spaces removed; grep reads them with LF line ends, the culler
// with CR LF).
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "culler/cull_run.h"

namespace gleaner::testing {
namespace {

constexpr const char* kWords[] = {"cat", "Moose",  "DOG",      "elk", "big",
                                  "red", "Bigcat", "doghouse", "the", "a"};

std::string RandomLine(std::mt19937& random) {
  std::string line;
  const int kind = static_cast<int>(random() % 10);
  if (kind == 0) return line;                                // empty
  if (kind == 1) return std::string(random() % 4 + 1, ' ');  // blank
  const int words = static_cast<int>(random() % 6) + 1;
  for (int w = 0; w < words; ++w) {
    std::string word = kWords[random() % std::size(kWords)];
    for (char& c : word) {
      if (random() % 3 == 0) c = static_cast<char>(c ^ 0x20);  // flip the case of a letter
    }
    line += word;
    if (random() % 4 != 0) line += ' ';  // words sometimes run together
  }
  if (random() % 3 == 0) line.append(random() % 3 + 1, ' ');
  return line;
}

// The generated lines with CR LF (culler input) and trimmed with LF (grep input).
void Generate(std::size_t count, std::string& crlf, std::string& trimmedLf) {
  std::mt19937 random(20260101);
  for (std::size_t i = 0; i < count; ++i) {
    std::string line = RandomLine(random);
    crlf += line + "\r\n";
    line.erase(line.find_last_not_of(' ') + 1);
    trimmedLf += line + "\n";
  }
}

// Runs a shell pipeline and returns its standard output with CR LF line ends.
std::string Pipeline(const std::string& command) {
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "(popen failed)";
  std::string out;
  for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
    if (c == '\n') out += '\r';
    out += static_cast<char>(c);
  }
  pclose(pipe);
  return out;
}

TEST_F(CullRun, SelectsTheSameLinesAsGrep) {
  std::string input, trimmed;
  Generate(4000, input, trimmed);
  WriteFile(folder.File("Grep.txt"), trimmed);
  const std::string grep = "LC_ALL=C grep -i -F";
  const std::string file = "'" + folder.File("Grep.txt") + "'";
  const std::string kept = "'" + folder.File("Kept.txt") + "'";
  const std::string deleted = "'" + folder.File("Deleted.txt") + "'";
  const struct {
    TCullParams params;
    std::string stages;
  } cases[] = {
      {{"/cat/moose", "", ""}, grep + " -e cat -e moose " + file},
      {{"/cat/moose", "/dog/elk", ""},
       grep + " -e cat -e moose " + file + " | " + grep + " -v -e dog -e elk"},
      // Lines deleted by a delete list with groups are taken out whole (-x) by a last stage.
      {{"/cat/moose&&/big&&/the/a", "/dog&&/red", ""},
       grep + " -e cat -e moose " + file + " | " + grep + " -e big | " + grep + " -e the -e a > " + kept +
           "; " + grep + " -e dog " + kept + " | " + grep + " -e red > " + deleted + "; grep -v -x -F -f " +
           deleted + " " + kept},
      {{"", "/elk/red", ""}, grep + " -v -e elk -e red " + file + " | grep -v '^$'"},
  };
  for (const auto& c : cases) {
    const std::string expected = Pipeline(c.stages);
    ASSERT_GT(expected.size(), 1000u) << c.stages;
    const std::string output = CullText(c.params, input).Output;
    EXPECT_TRUE(output == expected) << c.stages << ": output " << output.size() << " bytes, grep "
                                    << expected.size() << " bytes";
  }
}

}  // namespace
}  // namespace gleaner::testing

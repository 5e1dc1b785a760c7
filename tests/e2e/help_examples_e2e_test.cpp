// The complete script examples of Culler's help document, taken from the
// document itself so they cannot drift from what the program does: each is
// run by culler on its input, and its awk counterpart, where it has one, by
// awk; both must write the output the document shows.
//
// An example is a run of blocks, each a header line indented by three blanks
// ("   Script:", "   Input:", "   Output:", "   Switches:", "   awk:" or a file
// name such as "   LufKinds.txt:") over lines indented by six. "Script:"
// starts an example and "Output:" ends it; the blocks before "Script:" belong
// to it too, and an example without "Input:" reads the one before it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

struct TDocExample {
  int Line = 0;                              // of "Script:", for the failure message
  std::map<std::string, std::string> Files;  // name -> lines, LF-ended
  std::string Switches;
  std::string Awk;
  std::string Output;  // lines, LF-ended
};

std::string Decoded(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, std::string(entity).size(), character);
  }
  return text;
}

// "   Name:" with no blank in the name.
std::string BlockHeader(const std::string& line) {
  if (line.size() < 5 || line.compare(0, 3, "   ") != 0 || line[3] == ' ' || line.back() != ':') return {};
  const std::string name = line.substr(3, line.size() - 4);
  return name.find(' ') == std::string::npos ? name : std::string();
}

std::vector<std::string> DocumentLines(const std::string& name) {
  std::istringstream stream(ReadFile(name));
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<TDocExample> DocExamples(const std::vector<std::string>& lines) {
  std::vector<TDocExample> examples;
  TDocExample pending;
  std::string input;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string header = BlockHeader(lines[i]);
    if (header.empty()) continue;
    std::string block;
    while (i + 1 < lines.size() && lines[i + 1].compare(0, 6, "      ") == 0)
      block += Decoded(lines[++i].substr(6)) + "\n";
    if (block.empty()) continue;
    if (header == "Script") {
      pending.Line = static_cast<int>(i) + 1;
      pending.Files["ScrExample.txt"] = block;
    } else if (header == "Input") {
      input = block;
    } else if (header == "Switches") {
      pending.Switches = block.substr(0, block.size() - 1);
    } else if (header == "awk") {
      pending.Awk = block;
    } else if (header == "Output") {
      pending.Output = block;
      pending.Files["In.txt"] = input;
      examples.push_back(pending);
      pending = {};
    } else {
      pending.Files[header] = block;
    }
  }
  return examples;
}

std::string WithCrLf(const std::string& lines) {
  std::string text;
  for (const char c : lines) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return text;
}

TEST(HelpDocument, EveryScriptExampleWritesTheOutputShown) {
  const std::vector<TDocExample> examples =
      DocExamples(DocumentLines(std::string(GLEANER_SAMPLES_DIR) + "Help-Culler.txt"));
  ASSERT_GE(examples.size(), 13u);  // a parser that finds none must not pass
  int awkRuns = 0;
  for (const TDocExample& example : examples) {
    SCOPED_TRACE("the example at line " + std::to_string(example.Line) + " of Help-Culler.txt");
    CullerHome home;
    for (const auto& [name, text] : example.Files) home.Write(name, text);
    std::vector<std::string> args{"/IIn.txt", "/OOut.txt", "/SScrExample.txt", "/X", "/Y", "/Z", "/EN",
                                  "/R",       "/CA"};
    if (!example.Switches.empty()) args.push_back(example.Switches);
    const TCullerResult result = home.Run(args);
    EXPECT_EQ(result.Status, 0) << home.ErrorLog();
    EXPECT_EQ(home.Read("Out.txt"), WithCrLf(example.Output));
    if (example.Awk.empty()) continue;
    ++awkRuns;
    const std::string command = "cd '" + home.Path() + "' && { " + example.Awk + "} > awk-out.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(home.Read("awk-out.txt"), example.Output) << example.Awk;
  }
  EXPECT_EQ(awkRuns, 6);
}

}  // namespace
}  // namespace gleaner::testing

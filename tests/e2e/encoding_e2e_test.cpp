// Culler on UTF-8 and Windows-1252 text as a batch job: the case changes of
// a script checked with a strict UTF-8 decoder, the same words in
// Windows-1252 giving the code page's bytes, and the output's line ends.
#include <gtest/gtest.h>
#include <iconv.h>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

const std::string kCaseScript =
    "L = ChangeCase $OutData 'Lowercase'\r\nU = ChangeCase $OutData 'Uppercase'\r\n"
    "C = ChangeCase $OutData 'Capitalize'\r\nOutEnd L\r\nOutEnd U\r\nOutEnd C\r\n";

std::vector<std::string> CaseArgs(const std::string& input, const std::vector<std::string>& more = {}) {
  std::vector<std::string> args = {"/I" + input, "/OOut.txt", "/SScrCase.txt", "/X", "/Y", "/Z", "/EN", "/R"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The text decoded by the C library's strict UTF-8 decoder; nullopt when it
// holds anything that is not UTF-8.
std::optional<std::u32string> DecodeUtf8(const std::string& bytes) {
  const iconv_t converter = iconv_open("UTF-32LE", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in = bytes;
  std::u32string out(bytes.size(), U'\0');
  char* from = in.data();
  std::size_t fromLeft = in.size();
  auto* to = reinterpret_cast<char*>(out.data());
  std::size_t toLeft = out.size() * sizeof(char32_t);
  const std::size_t result = iconv(converter, &from, &fromLeft, &to, &toLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || fromLeft != 0) return std::nullopt;
  out.resize(out.size() - toLeft / sizeof(char32_t));
  return out;
}

// Lowercase, Uppercase and Capitalize of each line, in UTF-8, by characters.
TEST(EncodingJob, CaseChangesOfUtf8TextStayUtf8) {
  CullerHome home;
  home.Write("ScrCase.txt", kCaseScript);
  home.Write("Words.txt",
             "Caf\xC3\xA9 cr\xC3\xA8me \xC3\xA0 Zo\xC3\xAB\r\n"
             "\xC5\xA1pi\xC4\x8Dka \xC5\xBElu\xC5\xA5 \xC5\x93uvre\r\n"
             "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88\r\n");
  const TCullerResult result = home.Run(CaseArgs("Words.txt"));
  ASSERT_EQ(result.Status, 0) << result.Err;
  const std::optional<std::u32string> text = DecodeUtf8(home.Read("Out.txt"));
  ASSERT_TRUE(text.has_value()) << "the output is not UTF-8";
  EXPECT_EQ(*text,
            U"café crème à zoë\r\nCAFÉ CRÈME À ZOË\r\nCafé Crème À Zoë\r\n"
            U"špička žluť œuvre\r\nŠPIČKA ŽLUŤ ŒUVRE\r\nŠpička Žluť Œuvre\r\n"
            U"日本語 テキスト\r\n日本語 テキスト\r\n日本語 テキスト\r\n");
}

// The same words in a Windows-1252 file change case by the code page, as always.
TEST(EncodingJob, Windows1252TextChangesCaseByTheCodePage) {
  CullerHome home;
  home.Write("ScrCase.txt", kCaseScript);
  home.Write("Words.txt", "Caf\xE9 cr\xE8me \xE0 Zo\xEB \x9Cuvre \x9A\r\n");
  for (const std::vector<std::string>& more : {std::vector<std::string>{}, {"--encoding=windows-1252"}}) {
    const TCullerResult result = home.Run(CaseArgs("Words.txt", more));
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("Out.txt"),
              "caf\xE9 cr\xE8me \xE0 zo\xEB \x9Cuvre \x9A\r\n"
              "CAF\xC9 CR\xC8ME \xC0 ZO\xCB \x8CUVRE \x8A\r\n"
              "Caf\xE9 Cr\xE8me \xC0 Zo\xEB \x8Cuvre \x8A\r\n");
  }
}

// LF on request, CR LF otherwise; the processing log keeps CR LF.
TEST(EncodingJob, LfOnlyWhenAskedFor) {
  CullerHome home;
  home.Write("In.txt", "one\r\ntwo\n");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "one\r\ntwo\r\n"},
      {{"--lf"}, "one\ntwo\n"},
      {{"--crlf"}, "one\r\ntwo\r\n"},
  };
  for (const auto& [more, expected] : cases) {
    std::vector<std::string> args = {"/IIn.txt", "/OOut.txt", "/SNone", "/X", "/Y", "/Z", "/EN", "/R"};
    args.insert(args.end(), more.begin(), more.end());
    const TCullerResult result = home.Run(args);
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(home.Read("Out.txt"), expected);
    EXPECT_NE(home.Log().find("Processing ended <when>\r\n"), std::string::npos) << home.Log();
  }
}

}  // namespace
}  // namespace gleaner::testing

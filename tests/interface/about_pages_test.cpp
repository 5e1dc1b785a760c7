#include "interface/about_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "culler/program_info.h"

namespace gleaner {
namespace {

// A row as the page shows it: the marked-up label filling 32 columns.
std::string Row(const std::string& label, const std::string& value) {
  const std::string tagged = "<HL>" + label + "</HL>";
  return tagged + std::string(32 - tagged.size(), ' ') + value;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute) {
  std::tm when{};
  when.tm_year = year - 1900;
  when.tm_mon = month - 1;
  when.tm_mday = day;
  when.tm_hour = hour;
  when.tm_min = minute;
  when.tm_isdst = -1;
  return std::mktime(&when);
}

TEST(DataFormatSuffix, TextTypes) {
  EXPECT_EQ(DataFormatSuffix("Text", 0), "");
  EXPECT_EQ(DataFormatSuffix("textlf", 20), " (ignoring lines less than 20 characters long)");
  EXPECT_EQ(DataFormatSuffix("TEXTCR", 1), " (ignoring lines less than 1 character long)");
}

TEST(DataFormatSuffix, BinaryAndOtherTypes) {
  EXPECT_EQ(DataFormatSuffix("Binary", 80), " (80 bytes, fixed record length)");
  EXPECT_EQ(DataFormatSuffix("BINARY", 1), " (1 byte, fixed record length)");
  EXPECT_EQ(DataFormatSuffix("binary", 0), " (variable record length)");
  EXPECT_EQ(DataFormatSuffix("Csv", 10), " (?)");
  EXPECT_EQ(DataFormatSuffix("", 0), " (?)");
}

TEST(ProgramTimeStamp, DateAndAgeInCalendarDays) {
  const std::time_t built = LocalTime(2026, 3, 4, 23, 5);
  EXPECT_EQ(ProgramTimeStamp(built, LocalTime(2026, 3, 4, 23, 59)), "26/03/04 23:05 (This program is 0 days old)");
  // One minute past midnight is the next day.
  EXPECT_EQ(ProgramTimeStamp(built, LocalTime(2026, 3, 5, 0, 1)), "26/03/04 23:05 (This program is 1 day old)");
  EXPECT_EQ(ProgramTimeStamp(built, LocalTime(2027, 3, 4, 9, 0)), "26/03/04 23:05 (This program is 365 days old)");
}

class AboutPageTest : public ::testing::Test {
 protected:
  AboutPageTest() {
    FillProgramInfo();
    info = EngineInfo();
  }
  std::vector<std::string> Page(const TProgramFile& program = {"culler", 0}) {
    TPageBuffer page;
    BuildAboutPage(page, info, program, program.Time);
    return page.Lines();
  }
  static bool HasRow(const std::vector<std::string>& lines, const std::string& label) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.starts_with("<HL>" + label + "</HL>"); });
  }
  TEngineInfo info;
};

TEST_F(AboutPageTest, CullerShowsOnlyTheCustomerCodeAmongTheCustomerRows) {
  const std::vector<std::string> lines = Page();
  const auto customer = std::find(lines.begin(), lines.end(), "<h3>Customer Information</h3>");
  const auto licence = std::find(lines.begin(), lines.end(), "<h3>Licensing Information</h3>");
  ASSERT_LT(customer, licence);
  EXPECT_EQ(std::vector<std::string>(customer + 1, licence),
            (std::vector<std::string>{"", Row("Our Customer Code", "None (general distribution)"), ""}));
  EXPECT_FALSE(HasRow(lines, "Customer's Reference"));
}

TEST_F(AboutPageTest, BlocksInOrderWithAnchorVersionsAndMailLink) {
  const std::vector<std::string> lines = Page();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "<A NAME=\"AUTABOUT\"><H1>About Culler</H1>");
  const std::vector<std::string> expectedRows = {
      Row("Project Name", "Culler"),
      Row("Email", "<a href=\"mailto:gleaner@example.org\">gleaner@example.org</a>"),
      Row("Program Name", "culler"),
      Row("Program Version", "2.50.00"),
      Row("Gleaner Engine", "4.50.02"),
      Row("Engine Extensions", "1.00.06"),
      Row("Scripting Engine", "4.40.00"),
      Row("User Interface", "3.21.00 (GI)"),
      Row("File Viewer", "4.10.00"),
      Row("Input File", "Text"),
      Row("Output File", "Text")};
  auto at = lines.begin();
  for (const std::string& row : expectedRows) {
    at = std::find(at, lines.end(), row);
    ASSERT_NE(at, lines.end()) << row;
  }
  EXPECT_EQ(lines.back(), Row("Output File", "Text"));
}

TEST_F(AboutPageTest, UnknownProgramFileDropsItsRowsAndBinaryInputShowsItsLength) {
  info.CfgInputFileType = "BINARY";
  info.CfgRecLen = 128;
  const std::vector<std::string> lines = Page({"", 0});
  EXPECT_FALSE(HasRow(lines, "Program Name"));
  EXPECT_FALSE(HasRow(lines, "Program Time Stamp"));
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      Row("Input File", "BINARY (128 bytes, fixed record length)")),
            lines.end());
}

TEST(AboutScriptPage, RowsTheScriptSetAndItsLicence) {
  TEngineInfo info;
  info.CfgInputFileType = "Text";
  info.CfgRecLen = 3;
  info.CfgOutputFileType = "Text";
  TCfg cfg;
  cfg.Version = "1.2";
  cfg.Email = "<i>x@y.z</i>";
  TPageBuffer page;
  BuildAboutScriptPage(page, info, cfg);
  EXPECT_EQ(page.Lines(), (std::vector<std::string>{
                              "", "<A NAME=\"AUTABOUT\"><H1>About This Script</H1>", "",
                              Row("Email", "<i>x@y.z</i>"),
                              Row("Version", "1.2"),
                              Row("File Format, Input", "Text (ignoring lines less than 3 characters long)"),
                              Row("File Format, Output", "Text")}));
  cfg.License = "Free.";
  BuildAboutScriptPage(page, info, cfg);
  const std::vector<std::string>& lines = page.Lines();
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"", "<h3>Licensing Information</h3>", "", "Free."}));
}

}  // namespace
}  // namespace gleaner

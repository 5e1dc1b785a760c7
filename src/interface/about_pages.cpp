// The about sections of the application and of the current script.
#include "interface/about_pages.h"

#include <cstdio>

#include "engine/gleaner_engine.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "interface/error_report.h"
#include "viewer/viewer_setup.h"

namespace gleaner {
namespace {

constexpr std::string_view kAboutAnchor = "<A NAME=\"AUTABOUT\">";

// Days since a fixed day for the local calendar date of a time.
std::int64_t LocalDayNumber(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  std::tm noon{};
  noon.tm_year = local.tm_year;
  noon.tm_mon = local.tm_mon;
  noon.tm_mday = local.tm_mday;
  noon.tm_hour = 12;
  // timegm counts calendar days without the clock changes of the local zone.
  return static_cast<std::int64_t>(timegm(&noon)) / 86400;
}

void AddProjectRows(TPageBuffer& page, const TEngineInfo& info) {
  page.AddHeading("<h3>Project Information</h3>");
  page.AddRow("Project Name", info.CfgProgramName);
  page.AddRow("Customer's Reference", info.CfgCustomerReference);
  page.AddRow("Copyright", info.CfgCopyright);
  page.AddRow("Lead Programmer", info.CfgProgrammer);
  page.AddRow("Email", MailLink(info.CfgEmail));
}

void AddProgramRows(TPageBuffer& page, const TEngineInfo& info, const TProgramFile& program, std::time_t now) {
  page.AddHeading("<h3>Program Information</h3>");
  page.AddRow("Program Name", program.Name);
  page.AddRow("Program Time Stamp", program.Name.empty() ? "" : ProgramTimeStamp(program.Time, now));
  page.AddRow("Program Version", info.CfgVersion);
  page.AddRow("Gleaner Engine", kEngineVersion);
  page.AddRow("Engine Extensions", kEngineExtensionVersion);
  page.AddRow("Scripting Engine", kScriptingEngineVersion);
  page.AddRow("User Interface", std::string(kInterfaceVersion) + " (" + std::string(kInterfaceCode) + ")");
  page.AddRow("File Viewer", kViewerVersion);
}

void AddCustomerRows(TPageBuffer& page, const TEngineInfo& info) {
  page.AddHeading("<h3>Customer Information</h3>");
  page.AddRow("Our Customer Code", info.CfgCustomerCode);
  page.AddRow("Contact Name", info.CfgContactName);
  page.AddRow("Company", info.CfgCompany);
  page.AddRow("Address", info.CfgAddress1);
  for (const std::string* line : {&info.CfgAddress2, &info.CfgAddress3, &info.CfgAddress4, &info.CfgAddress5}) {
    page.AddRow("", *line);
  }
  page.AddRow("Email", MailLink(info.CfgCustomerEmail));
  page.AddRow("Phone", info.CfgPhone);
  page.AddRow("Fax", info.CfgFax);
}

void AddLicence(TPageBuffer& page, const std::string& licence) {
  page.AddHeading("<h3>Licensing Information</h3>");
  page.AddLine(licence);
}

std::string InputFormat(const TEngineInfo& info) {
  return info.CfgInputFileType + DataFormatSuffix(info.CfgInputFileType, info.CfgRecLen);
}

std::string CountOf(std::int32_t n, std::string_view unit) {
  return std::to_string(n) + " " + std::string(unit) + Plural(n);
}

}  // namespace

std::string DataFormatSuffix(std::string inputFileType, std::int32_t recLen) {
  AnsiUpperInPlace(inputFileType);
  std::string inner;
  if (inputFileType.starts_with("TEXT")) {
    if (recLen == 0) return {};
    inner = "ignoring lines less than " + CountOf(recLen, "character") + " long";
  } else if (inputFileType == "BINARY") {
    inner = recLen != 0 ? CountOf(recLen, "byte") + ", fixed record length" : "variable record length";
  } else {
    inner = "?";
  }
  return " (" + inner + ")";
}

std::string ProgramTimeStamp(std::time_t fileTime, std::time_t now) {
  std::tm local{};
  localtime_r(&fileTime, &local);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d/%02d/%02d %02d:%02d", local.tm_year % 100, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min);
  const std::int64_t days = LocalDayNumber(now) - LocalDayNumber(fileTime);
  return std::string(stamp) + " (This program is " + std::to_string(days) + " day" + Plural(days) + " old)";
}

void BuildAboutPage(TPageBuffer& page, const TEngineInfo& info, const TProgramFile& program, std::time_t now) {
  page.StartPage();
  page.AddLine("");
  page.AddLine(std::string(kAboutAnchor) + "<H1>About " + info.CfgProgramName + "</H1>");
  AddProjectRows(page, info);
  AddProgramRows(page, info, program, now);
  AddCustomerRows(page, info);
  AddLicence(page, info.CfgLicense);
  page.AddHeading("<h3>Data Format</h3>");
  page.AddRow("Input File", InputFormat(info));
  page.AddRow("Output File", info.CfgOutputFileType);
}

void BuildAboutScriptPage(TPageBuffer& page, const TEngineInfo& info, const TCfg& cfg) {
  page.StartPage();
  page.AddLine("");
  page.AddLine(std::string(kAboutAnchor) + "<H1>About This Script</H1>");
  page.AddLine("");
  page.AddRow("Copyright", cfg.Copyright);
  page.AddRow("Lead Programmer", cfg.Programmer);
  page.AddRow("Email", MailLink(cfg.Email));
  page.AddRow("Version", cfg.Version);
  page.AddRow("File Format, Input", InputFormat(info));
  page.AddRow("File Format, Output", info.CfgOutputFileType);
  if (!cfg.License.empty()) AddLicence(page, cfg.License);
}

}  // namespace gleaner

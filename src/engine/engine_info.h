// The program information record: one per process, filled by the application
// before the engine is opened. The engine reads it and writes only
// CfgLogFileName; scripts see parts of it through $Cfg variables.
#pragma once

#include <cstdint>
#include <string>

namespace gleaner {

struct TEngineInfo {
  std::string CfgProgramName;
  std::string CfgCopyright;
  std::string CfgProgrammer;
  std::string CfgEmail;
  std::string CfgVersion;
  std::string CfgCustomerCode;
  std::string CfgCustomerReference;
  std::string CfgContactName;
  std::string CfgCompany;
  std::string CfgAddress1;
  std::string CfgAddress2;
  std::string CfgAddress3;
  std::string CfgAddress4;
  std::string CfgAddress5;
  std::string CfgCustomerEmail;
  std::string CfgPhone;
  std::string CfgFax;
  std::string CfgLicense;
  std::string CfgInputFileType;
  std::int32_t CfgRecLen = 0;
  std::string CfgOutputFileType;
  std::string CfgEncoding;  // the script's text encoding: "Auto", "UTF-8" or "Windows-1252"
  bool CfgEnableOptionX = false;
  std::string CfgCaptionX;
  std::string CfgHintX;
  bool CfgEnableOptionY = false;
  std::string CfgCaptionY;
  std::string CfgHintY;
  bool CfgEnableOptionZ = false;
  std::string CfgCaptionZ;
  std::string CfgHintZ;
  std::string CfgDefaultIFN;
  std::string CfgDefaultOFN;
  std::string CfgDefaultScript;
  std::string CfgOutputFileMask;
  std::string CfgLogFileName;
  std::string CfgErrorFileName;
  std::string CfgSupportFiles;
  std::string CfgSettableList;
};

// The one record of the process.
inline TEngineInfo& EngineInfo() {
  static TEngineInfo info;
  return info;
}

}  // namespace gleaner

// Culler's values for the program information record.
#include "culler/program_info.h"

#include "engine/gleaner_engine.h"

namespace gleaner {

namespace {

void FillIdentity(TEngineInfo& info) {
  info.CfgProgramName = "Culler";
  info.CfgCopyright = "Copyright (c) 2026 Gleaner developers";
  info.CfgProgrammer = "Gleaner developers";
  info.CfgEmail = "gleaner@example.org";
  info.CfgVersion = "2.50.00";
  info.CfgLicense =
      "Culler may be copied and given away freely, unchanged and complete. It comes as it is, without "
      "warranty of any kind.";
}

void FillCustomer(TEngineInfo& info) {
  info.CfgCustomerCode = "None (general distribution)";
  for (std::string* row : {&info.CfgCustomerReference, &info.CfgContactName, &info.CfgCompany,
                           &info.CfgAddress1, &info.CfgAddress2, &info.CfgAddress3, &info.CfgAddress4,
                           &info.CfgAddress5, &info.CfgCustomerEmail, &info.CfgPhone, &info.CfgFax}) {
    row->clear();
  }
}

void FillParameters(TEngineInfo& info) {
  info.CfgEnableOptionX = true;
  info.CfgCaptionX = "/&Keep list";
  info.CfgHintX = "Terms whose lines should be kept (example: /cat/moose)";
  info.CfgEnableOptionY = true;
  info.CfgCaptionY = "/&Delete list";
  info.CfgHintY = "Terms whose lines should be skipped (example: /dog/elk)";
  info.CfgEnableOptionZ = true;
  info.CfgCaptionZ = "/&Controls";
  info.CfgHintZ = "Parsing controls (example: /KM/DM/KR/DR/NS)";
}

}  // namespace

void FillProgramInfo() {
  TEngineInfo& info = EngineInfo();
  FillIdentity(info);
  FillCustomer(info);
  info.CfgInputFileType = "Text";
  info.CfgRecLen = 0;
  info.CfgOutputFileType = "Text";
  info.CfgEncoding = "Auto";
  FillParameters(info);
  info.CfgDefaultIFN = "ThingsToDo.txt";
  info.CfgDefaultOFN = "Output.txt";
  info.CfgDefaultScript = "None";
  info.CfgSettableList =
      "/$CfgCopyright/$CfgVersion/$CfgProgrammer/$CfgEmail/$CfgLicense"
      "/$CfgEnableOptionX/$CfgCaptionX/$CfgHintX/$CfgEnableOptionY/$CfgCaptionY/$CfgHintY"
      "/$CfgEnableOptionZ/$CfgCaptionZ/$CfgHintZ/$CfgOutputFileType/$CfgEncoding";
}

bool IsNotUsedMarker(std::string_view text) { return text == kNotUsedMarker; }

}  // namespace gleaner

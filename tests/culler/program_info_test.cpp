// Filling the program information record with Culler's values.
#include "culler/program_info.h"

#include <gtest/gtest.h>

#include "engine/engine_info.h"

namespace gleaner {
namespace {

TEST(ProgramInfo, RefillUndoesConfigButKeepsTheNotSetFields) {
  TEngineInfo& info = EngineInfo();
  FillProgramInfo();
  info.CfgCaptionX = "/&Changed";
  info.CfgEnableOptionY = false;
  info.CfgRecLen = 12;
  info.CfgPhone = "123";
  info.CfgOutputFileMask = "*.csv";
  info.CfgLogFileName = "/tmp/My-Log.txt";
  info.CfgErrorFileName = "My-Error.txt";
  info.CfgSupportFiles = "/a.txt";
  FillProgramInfo();
  EXPECT_EQ(info.CfgCaptionX, "/&Keep list");
  EXPECT_TRUE(info.CfgEnableOptionY);
  EXPECT_EQ(info.CfgRecLen, 0);
  EXPECT_EQ(info.CfgPhone, "");
  EXPECT_EQ(info.CfgOutputFileMask, "*.csv");
  EXPECT_EQ(info.CfgLogFileName, "/tmp/My-Log.txt");
  EXPECT_EQ(info.CfgErrorFileName, "My-Error.txt");
  EXPECT_EQ(info.CfgSupportFiles, "/a.txt");
  EXPECT_EQ(info.CfgLicense.rfind(info.CfgProgramName, 0), 0u) << "the licence text starts with the name";
  info.CfgOutputFileMask.clear();
  info.CfgLogFileName.clear();
  info.CfgErrorFileName.clear();
  info.CfgSupportFiles.clear();
}

}  // namespace
}  // namespace gleaner

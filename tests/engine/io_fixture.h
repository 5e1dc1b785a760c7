// A test fixture for file input and output: a temporary home folder (through
// GLEANER_HOME), fake desktop ports, a known program information record, and
// the engine state fields the reader, writer and lifecycle rely on reset.
// The engine is closed and the log ended after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace gleaner::testing {

class IoTest : public ::testing::Test {
 protected:
  IoTest();
  ~IoTest() override;

  // Home folder + name.
  std::string Home(const std::string& name) const { return home_.File(name); }
  // Opens the engine on input and output, reads every record and writes it
  // with OutEnd, closes the engine; returns the records read.
  std::vector<std::string> CopyRun(const std::string& input, const std::string& output);
  // Every record ReadNextData delivers from the input now open.
  static std::vector<std::string> ReadAll();
  // The message of the EParse that action raises ("" when none).
  template <typename F>
  static std::string ErrorOf(F action);

  TempFolder home_;
  FakePorts ports_;
};

template <typename F>
std::string IoTest::ErrorOf(F action) {
  try {
    action();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

}  // namespace gleaner::testing

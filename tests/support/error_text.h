// Test helpers for engine commands: the text of the EParse a call raises, and
// a fixture that resets the engine state the commands read.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "engine/engine_errors.h"
#include "engine/engine_state.h"

namespace gleaner {

// Runs f and returns the message of the EParse it raises, if it raises one.
template <typename F>
std::optional<std::string> RaisedText(F f) {
  try {
    f();
  } catch (const EParse& e) {
    return e.what();
  }
  return std::nullopt;
}

// Runs f, which must raise EParse, and returns its message.
template <typename F>
std::string ErrorText(F f) {
  std::optional<std::string> text = RaisedText(std::move(f));
  if (!text) ADD_FAILURE() << "no EParse raised";
  return text.value_or("");
}

// The message, or "" when f raises none: for comparing two ways of doing the
// same thing.
template <typename F>
std::string ErrorTextOrEmpty(F f) {
  return RaisedText(std::move(f)).value_or("");
}

class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Eng().CurrentCommand = Cmd::Undetermined;
    Eng().InternalCall = false;
    Eng().ErrorKind = 0;
    Eng().ErrorOccurred = false;
  }
};

}  // namespace gleaner

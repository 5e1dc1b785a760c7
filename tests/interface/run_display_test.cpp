// The form during and after a run: busy display, progress, Cancel, button
// states, keys, and the form's events arriving while a run is going on.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "engine/engine_errors.h"
#include "engine/engine_info.h"
#include "engine/engine_state.h"
#include "interface/controller_fixture.h"

namespace gleaner::testing {
namespace {

using RunDisplay = ControllerTest;

constexpr const char* kOffWhileBusy[] = {
    kBtnStart,         kBtnExit,        kBtnHelp,       kBtnOptions,    kBtnBrowseInput,
    kBtnBrowseSupport, kCboInputFile,   kLblInputFile,  kCboOutputFile, kChkAppendOutput,
    kCboScriptFile,    kCboSupportFile, kCboParameterX, kLblParameterZ};
constexpr const char* kHiddenWhileBusy[] = {kBtnNavInput, kBtnNavScript, kImgBanner};
constexpr const char* kShownWhileBusy[] = {kBtnCancel, kBarProgress, kLblBytesIn, kLblBytesOutLabel,
                                           kLblShowNote};

void ExpectBusy(const TMainForm& form, bool busy) {
  for (const char* name : kOffWhileBusy) EXPECT_EQ(form[name].Enabled, !busy) << name;
  for (const char* name : kHiddenWhileBusy) EXPECT_EQ(form[name].Visible, !busy) << name;
  for (const char* name : kShownWhileBusy) EXPECT_EQ(form[name].Visible, busy) << name;
  EXPECT_EQ(form.TimerOn(TTimer::Progress), busy);
}

TEST_F(RunDisplay, TheBusyDisplayCoversTheRunAndEndsTwoTicksAfterIt) {
  StartUp();
  SetBoxes("In.txt", "Out.txt");
  int pumps = 0;
  ports.pump.onPump = [&](int) {
    if (++pumps > 1) return;
    EXPECT_TRUE(controller.Busy());
    ExpectBusy(form, true);
    EXPECT_EQ(form[kBarProgress].Maximum, 13);
    Eng().Note = "halfway";
    Eng().BytesConsumed = 7;
    Eng().BytesOut = 5;
    controller.OnTimer(TTimer::Progress);
    EXPECT_EQ(form[kLblShowNote].Caption, "halfway");
    EXPECT_EQ(form[kLblBytesIn].Caption, "7");
    EXPECT_EQ(form[kLblBytesOut].Caption, "5");
    EXPECT_EQ(form[kBarProgress].Position, 7);
  };
  controller.Start();
  controller.OnTimer(TTimer::AutoStart);
  EXPECT_FALSE(controller.Busy());
  controller.OnTimer(TTimer::Progress);
  EXPECT_TRUE(form[kBtnCancel].Visible);  // the last counts stay readable for a moment
  controller.OnTimer(TTimer::Progress);
  ExpectBusy(form, false);
  controller.SetBusyDisplay(true);
  EXPECT_EQ(form[kLblBytesIn].Caption, "0");
  EXPECT_EQ(form[kLblShowNote].Caption, "");
}

TEST_F(RunDisplay, FixedOutputsAndDisabledParametersStayAsTheyAre) {
  adjustInfo = [] { EngineInfo().CfgEnableOptionY = false; };
  StartUp();
  SetBoxes("In.txt", "Clipboard");
  controller.SetBusyDisplay(true);
  controller.SetBusyDisplay(false);
  EXPECT_FALSE(form[kChkAppendOutput].Enabled);
  EXPECT_TRUE(form[kCboOutputFile].Enabled);
  EXPECT_FALSE(form[kCboParameterY].Enabled || form[kLblParameterY].Enabled);
  EXPECT_TRUE(form[kCboParameterZ].Enabled);

  adjustInfo = [] { EngineInfo().CfgDefaultOFN = "*.csv"; };
  StartUp();
  controller.SetBusyDisplay(true);
  controller.SetBusyDisplay(false);
  EXPECT_FALSE(form[kCboOutputFile].Enabled || form[kLblOutputFile].Enabled);
  EXPECT_FALSE(form[kChkAppendOutput].Enabled);
}

TEST_F(RunDisplay, ButtonStates) {
  // input, output, script; then Start, View input, View output, View script, script chooser, Append
  const std::tuple<const char*, const char*, const char*, std::array<bool, 6>> cases[] = {
      {"In.txt", "Out.txt", "None", {true, true, true, false, true, true}},
      {"", "Out.txt", "ScrA.txt", {false, true, true, true, true, true}},
      {"None", "", "(Not used by this application)", {false, false, true, true, false, true}},
      {"In.txt", "clipboard", "None", {true, true, true, false, true, false}},
      {"In.txt", "(File name generated automatically)", "None", {true, true, true, false, true, false}},
  };
  StartUp();
  for (const auto& [input, output, script, states] : cases) {
    form[kChkAppendOutput].Checked = true;
    SetBoxes(input, output, script, "None");
    const bool actual[] = {form[kBtnStart].Enabled,        form[kBtnBrowseInput].Enabled,
                           form[kBtnBrowseOutput].Enabled, form[kBtnBrowseScript].Enabled,
                           form[kBtnNavScript].Enabled,    form[kChkAppendOutput].Enabled};
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(actual[i], states[i]) << input << '|' << output << '|' << script << ' ' << i;
    EXPECT_EQ(form[kChkAppendOutput].Checked, states[5]);
    EXPECT_FALSE(form[kBtnBrowseSupport].Enabled);
  }
}

TEST_F(RunDisplay, CancelEndsTheRunWithAPlainMessage) {
  WriteFile(folder.File("Big.txt"), std::string(2000, 'x') + "\r\nline\r\nline\r\n");
  StartUp();
  SetBoxes("Big.txt", "Out.txt");
  ports.pump.onPump = [&](int calls) {
    if (calls == 2) controller.Cancel();
  };
  StartAndRun();
  EXPECT_EQ(Eng().ErrorKind, kErrCancel);
  EXPECT_EQ(Shown(), std::vector<std::string>{"Processing cancelled\r\n\r\nOutput may be incomplete"});
  EXPECT_TRUE(view.reportForms.empty());
  EXPECT_EQ(view.viewed.size(), 1u);  // code 1: what was written is shown
}

TEST_F(RunDisplay, ClosingWhileAnotherRunHoldsTheHomeFolderClosesAtOnce) {
  StartUp();
  SetBoxes("In.txt", "Out.txt");
  const int other = ::open((Home() + "Culler.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);  // another run's lock
  ports.pump.onPump = [&](int calls) {
    if (calls == 1) {
      EXPECT_FALSE(controller.CloseQuery());
    }
    if (calls == 50) ::flock(other, LOCK_UN);  // a wait that ignored the close ends here
  };
  StartAndRun();
  ::close(other);
  EXPECT_EQ(view.closes, 1);
  EXPECT_FALSE(FileExists(folder.File("Out.txt")));  // no run
}

TEST_F(RunDisplay, EventsDuringARunWaitUntilItHasEnded) {
  WriteFile(folder.File("ScrLater.txt"), "Config\n$CfgCaptionX = 'Later'\nEnd\n");
  StartUp();
  SetBoxes("In.txt", "Out.txt");
  auto duringRun = [&](std::function<void()> action) {
    ports.pump.onPump = [action, done = false](int) mutable {
      if (!std::exchange(done, true)) action();
    };
    controller.Start();
    controller.OnTimer(TTimer::AutoStart);
  };
  duringRun([&] {
    form[kCboScriptFile].Text = "ScrLater.txt";
    controller.FormActivate();
    EXPECT_FALSE(form.TimerOn(TTimer::RunConfig));
    EXPECT_FALSE(controller.OnKey(9));
    controller.Start();
    controller.OnTimer(TTimer::AutoStart);  // no run inside a run
    EXPECT_FALSE(controller.CloseQuery());
  });
  EXPECT_EQ(Eng().ErrorKind, kErrCancel);  // closing cancelled the run, then closed the form
  EXPECT_EQ(view.closes, 1);
  EXPECT_TRUE(controller.CloseQuery());

  form[kCboScriptFile].Text = "None";
  duringRun([&] {
    form[kCboScriptFile].Text = "ScrLater.txt";
    controller.FormActivate();
  });
  EXPECT_EQ(view.closes, 1);
  EXPECT_EQ(controller.ScriptState(), 'C');  // the activation's check ran after the run
}

TEST_F(RunDisplay, KeysAndExit) {
  StartUp();
  SetBoxes("In.txt", "Out.txt");
  int abouts = 0;
  controller.ShowAbout = [&] { ++abouts; };
  EXPECT_TRUE(controller.OnKey(1));
  EXPECT_TRUE(controller.OnKey(2));
  EXPECT_FALSE(controller.OnKey(4));
  EXPECT_EQ(abouts, 1);
  EXPECT_EQ(view.viewed.at(0).Title, "Culler - View Input");
  EXPECT_TRUE(controller.OnKey(9));
  form.SetTimer(TTimer::RunConfig, true);
  controller.Exit();
  EXPECT_FALSE(form.TimerOn(TTimer::AutoStart) || form.TimerOn(TTimer::RunConfig));
  EXPECT_EQ(view.closes, 1);
}

}  // namespace
}  // namespace gleaner::testing

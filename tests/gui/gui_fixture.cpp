#include "gui/gui_fixture.h"

#include <cstdlib>
#include <memory>

#include "engine/engine_state.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"

namespace gleaner::testing {

namespace {

// The application lives from before the first test to after the last, and is
// gone before the program's static objects (Qt's own among them) are.
class TQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // Also when the test program is run by hand, without the test's environment.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }
  QApplication& Application() { return *application_; }

 private:
  int argc_ = 1;
  char name_[10] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

TQtEnvironment* const kEnvironment =
    static_cast<TQtEnvironment*>(::testing::AddGlobalTestEnvironment(new TQtEnvironment));

}  // namespace

QApplication& TestApplication() { return kEnvironment->Application(); }

GuiTest::GuiTest() : savedIni_(IniFileName()) {
  TestApplication();
  unsetenv("GLEANER_HOME");
  InitHomeFolder(home.File("kestrascan"));
  SetIniFileName(home.File("Test.ini"));
  Eng().InternalCall = false;
}

GuiTest::~GuiTest() {
  ProcessEvents();
  SetIniFileName(savedIni_);
}

void GuiTest::ProcessEvents() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

}  // namespace gleaner::testing

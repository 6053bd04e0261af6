#pragma once
// The window tests that run on the test program's own X server (x_server.h): skipped where there
// is no Xvfb, with windows made active as the user's click makes them.
#include "tests/support/window_fixture.h"
#include "tests/support/x_server.h"

namespace expo::testing {

class XServerWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        if (!onXServer()) {
            GTEST_SKIP() << "no Xvfb on this machine";
        }
    }
    // False when the window never becomes the active one.
    static bool activate(QWidget& window) {
        window.activateWindow();
        return waitFor([&] { return window.isActiveWindow(); });
    }
};

}  // namespace expo::testing

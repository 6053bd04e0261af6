#pragma once
// A private X server for the tests that need a real one (focus going to another program's
// window): Xvfb started on a free display before the application object exists, and ended with
// the test program. A machine without Xvfb runs those tests as skipped.
namespace expo::testing {

class XServer {
  public:
    // Starts Xvfb and points DISPLAY and Qt at it; without Xvfb on the PATH it leaves the
    // environment as it is. A server that is there but does not start stops the test program.
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
};

// Whether the tests run on the X server that the test program started.
bool onXServer();

}  // namespace expo::testing

#pragma once
// Real input for the tests on the X server: key and mouse events made by the server's XTEST
// extension on a connection of their own, so that they reach the program as a user's do. A
// sequence is played on a thread of its own, its events a given time apart, and arrives whatever
// the program is doing meanwhile, also while one of its handlers pumps messages.
#include <xcb/xcb.h>

#include <QPoint>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

namespace expo::testing {

// Keys by their X key symbols.
enum class XKey : uint32_t {
    Space = 0x20,
    Return = 0xff0d,
    Home = 0xff50,
    Left = 0xff51,
    Up = 0xff52,
    Right = 0xff53,
    Down = 0xff54,
    PageUp = 0xff55,
    PageDown = 0xff56,
    End = 0xff57,
};

// One step of a sequence.
struct XStep {
    enum class Kind { KeyPress, KeyRelease, Key, MoveTo, ButtonPress, ButtonRelease, Click };
    Kind kind;
    XKey symbol;  // the key steps
    QPoint at;    // MoveTo: a point on the screen
    int button;   // the button steps: 1 left, 2 middle, 3 right

    static XStep key(XKey k) { return {Kind::Key, k, {}, 0}; }  // pressed and released
    static XStep press(XKey k) { return {Kind::KeyPress, k, {}, 0}; }
    static XStep release(XKey k) { return {Kind::KeyRelease, k, {}, 0}; }
    static XStep moveTo(QPoint screenPoint) { return {Kind::MoveTo, XKey::Space, screenPoint, 0}; }
    static XStep buttonPress(int b = 1) { return {Kind::ButtonPress, XKey::Space, {}, b}; }
    static XStep buttonRelease(int b = 1) { return {Kind::ButtonRelease, XKey::Space, {}, b}; }
    static XStep click(int b = 1) { return {Kind::Click, XKey::Space, {}, b}; }
};

class XInput {
  public:
    // Connects to the X server of DISPLAY; a server without XTEST fails the test.
    XInput();
    ~XInput();  // waits for a sequence still playing
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    // Sends the steps at once, one after the other, and returns once the server has them.
    void send(const std::vector<XStep>& steps);
    // Starts playing the steps on a thread of its own, `gap` after each, and returns at once.
    void play(std::vector<XStep> steps, std::chrono::milliseconds gap);
    // Whether the sequence played last has been sent whole.
    bool played() const { return played_; }

  private:
    void sendOne(const XStep& step);
    void fake(uint8_t type, uint8_t detail);
    uint8_t keycodeOf(XKey key);
    void join();

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::thread player_;
    std::atomic<bool> played_{true};
};

}  // namespace expo::testing

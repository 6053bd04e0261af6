#include "tests/support/x_input.h"

#include <gtest/gtest.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <memory>

namespace expo::testing {

XInput::XInput() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
        ADD_FAILURE() << "no connection to the X server";
        return;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::unique_ptr<xcb_test_get_version_reply_t, decltype(&std::free)> version(
        xcb_test_get_version_reply(connection_, xcb_test_get_version(connection_, 2, 2), nullptr),
        &std::free);
    if (!version) {
        ADD_FAILURE() << "the X server has no XTEST extension";
    }
}

XInput::~XInput() {
    join();
    xcb_disconnect(connection_);
}

void XInput::join() {
    if (player_.joinable()) {
        player_.join();
    }
}

void XInput::send(const std::vector<XStep>& steps) {
    join();
    for (const XStep& step : steps) {
        sendOne(step);
    }
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void XInput::play(std::vector<XStep> steps, std::chrono::milliseconds gap) {
    join();
    played_ = false;
    player_ = std::thread([this, steps = std::move(steps), gap] {
        for (const XStep& step : steps) {
            sendOne(step);
            xcb_flush(connection_);
            std::this_thread::sleep_for(gap);
        }
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        played_ = true;
    });
}

void XInput::sendOne(const XStep& step) {
    using Kind = XStep::Kind;
    switch (step.kind) {
        case Kind::KeyPress:
            fake(XCB_KEY_PRESS, keycodeOf(step.symbol));
            break;
        case Kind::KeyRelease:
            fake(XCB_KEY_RELEASE, keycodeOf(step.symbol));
            break;
        case Kind::Key:
            fake(XCB_KEY_PRESS, keycodeOf(step.symbol));
            fake(XCB_KEY_RELEASE, keycodeOf(step.symbol));
            break;
        case Kind::MoveTo:
            xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                                static_cast<int16_t>(step.at.x()),
                                static_cast<int16_t>(step.at.y()), 0);
            break;
        case Kind::ButtonPress:
            fake(XCB_BUTTON_PRESS, static_cast<uint8_t>(step.button));
            break;
        case Kind::ButtonRelease:
            fake(XCB_BUTTON_RELEASE, static_cast<uint8_t>(step.button));
            break;
        case Kind::Click:
            fake(XCB_BUTTON_PRESS, static_cast<uint8_t>(step.button));
            fake(XCB_BUTTON_RELEASE, static_cast<uint8_t>(step.button));
            break;
    }
}

void XInput::fake(uint8_t type, uint8_t detail) {
    xcb_test_fake_input(connection_, type, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

// The first key code whose symbols hold the key's.
uint8_t XInput::keycodeOf(XKey key) {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const uint8_t first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_keyboard_mapping_reply(
            connection_, xcb_get_keyboard_mapping(connection_, first, static_cast<uint8_t>(count)),
            nullptr),
        &std::free);
    if (mapping) {
        const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
        const int perCode = mapping->keysyms_per_keycode;
        for (int code = 0; code < count; ++code) {
            for (int i = 0; i < perCode; ++i) {
                if (symbols[code * perCode + i] == static_cast<xcb_keysym_t>(key)) {
                    return static_cast<uint8_t>(first + code);
                }
            }
        }
    }
    ADD_FAILURE() << "no key code for the key symbol " << static_cast<uint32_t>(key);
    return 0;
}

}  // namespace expo::testing

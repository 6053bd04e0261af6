// Another program's window for the tests on a real X server. It maps a small window of its own
// and gives it the input focus, and writes "focused" once it has it. Each window id it then reads
// (a decimal number on a line) gets the focus, as a window manager gives it to a window the user
// clicks, and "given" is written once the server has done so. It ends at the end of its input.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

void focus(xcb_connection_t* connection, xcb_window_t window) {
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    // A round trip: the server has handled the request once it answers this one.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace

int main() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_FOCUS_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 600, 600, 120, 80, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                      &events);
    xcb_map_window(connection, window);
    xcb_flush(connection);
    bool focused = false;
    while (!focused) {
        xcb_generic_event_t* event = xcb_wait_for_event(connection);
        if (!event) {
            return 1;
        }
        const int type = event->response_type & 0x7f;
        std::free(event);
        if (type == XCB_MAP_NOTIFY) {
            focus(connection, window);
        }
        focused = type == XCB_FOCUS_IN;
    }
    std::cout << "focused" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        focus(connection, static_cast<xcb_window_t>(std::stoul(line)));
        std::cout << "given" << std::endl;
    }
    xcb_disconnect(connection);
    return 0;
}

// x11/no_key_watch.cpp -- closes a Yes/No box when N is let go over it: a thread on an X
// connection of its own (XCB, which reports errors per request instead of ending the program).
#include "platform/x11/no_key_watch.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace platform {

struct NoKeyWatchState {
    xcb_connection_t* connection = nullptr;
    std::string caption;
    std::vector<xcb_keycode_t> nKeys;  // the keycodes that carry n or N
    xcb_atom_t protocols = XCB_ATOM_NONE;
    xcb_atom_t deleteWindow = XCB_ATOM_NONE;
    int wake[2] = {-1, -1};  // a byte on the pipe ends the thread
    std::thread thread;
};

static xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    xcb_atom_t found = XCB_ATOM_NONE;
    if (reply != nullptr)
        found = reply->atom;
    std::free(reply);
    return found;
}

static std::vector<xcb_keycode_t> keycodesOfN(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    std::vector<xcb_keycode_t> keys;
    if (reply == nullptr)
        return keys;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply);
    const int perKey = reply->keysyms_per_keycode;
    for (int key = 0; key < count; ++key) {
        for (int n = 0; n < perKey; ++n) {
            const xcb_keysym_t symbol = symbols[key * perKey + n];
            if (symbol == 'n' || symbol == 'N') {  // Latin-1 keysyms are their codes
                keys.push_back(static_cast<xcb_keycode_t>(setup->min_keycode + key));
                break;
            }
        }
    }
    std::free(reply);
    return keys;
}

static bool hasCaption(const NoKeyWatchState& watch, xcb_window_t window) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(watch.connection,
                               xcb_get_property(watch.connection, 0, window, XCB_ATOM_WM_NAME,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                               nullptr);
    if (reply == nullptr)
        return false;  // gone meanwhile
    const bool same =
        reply->format == 8 && std::string(static_cast<const char*>(xcb_get_property_value(reply)),
                                          xcb_get_property_value_length(reply)) == watch.caption;
    std::free(reply);
    return same;
}

// What a window manager sends when the user closes a window.
static void closeBox(const NoKeyWatchState& watch, xcb_window_t window) {
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = watch.protocols;
    message.data.data32[0] = watch.deleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(watch.connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(watch.connection);
}

// Every window made on the screen from now on is asked for its key releases;
// one of N over the box closes it. Errors (a window gone) come as events and
// are passed over.
static void watchKeys(NoKeyWatchState* watch) {
    pollfd sources[2] = {{xcb_get_file_descriptor(watch->connection), POLLIN, 0},
                         {watch->wake[0], POLLIN, 0}};
    while (xcb_connection_has_error(watch->connection) == 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(watch->connection)) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const uint32_t mask = XCB_EVENT_MASK_KEY_RELEASE;
                xcb_change_window_attributes(
                    watch->connection, reinterpret_cast<xcb_create_notify_event_t*>(event)->window,
                    XCB_CW_EVENT_MASK, &mask);
                xcb_flush(watch->connection);
            } else if (type == XCB_KEY_RELEASE) {
                const auto* key = reinterpret_cast<xcb_key_release_event_t*>(event);
                const auto& n = watch->nKeys;
                if (std::find(n.begin(), n.end(), key->detail) != n.end() &&
                    hasCaption(*watch, key->event))
                    closeBox(*watch, key->event);
            }
            std::free(event);
        }
        if (poll(sources, 2, -1) < 0 || (sources[1].revents & POLLIN) != 0)
            return;
    }
}

NoKeyWatch::NoKeyWatch(const char* caption) {
    if (caption == nullptr)
        return;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int n = 0; n < screenNumber && screen.rem > 0; ++n)
        xcb_screen_next(&screen);
    // The root's new children, asked for (and the answer awaited) before the box is made.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* error =
        xcb_request_check(connection, xcb_change_window_attributes_checked(
                                          connection, screen.data->root, XCB_CW_EVENT_MASK, &mask));
    NoKeyWatchState* watch = new NoKeyWatchState;
    watch->connection = connection;
    watch->caption = caption;
    watch->nKeys = keycodesOfN(connection);
    watch->protocols = atom(connection, "WM_PROTOCOLS");
    watch->deleteWindow = atom(connection, "WM_DELETE_WINDOW");
    if (error != nullptr || watch->nKeys.empty() || pipe2(watch->wake, O_CLOEXEC) != 0) {
        std::free(error);
        xcb_disconnect(connection);
        delete watch;
        return;
    }
    // The program's signals stay with its main thread: the watch has no part in them.
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    watch->thread = std::thread(watchKeys, watch);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    watch_ = watch;
}

NoKeyWatch::~NoKeyWatch() {
    if (watch_ == nullptr)
        return;
    const char stop = 0;
    if (write(watch_->wake[1], &stop, 1) != 1) {
        watch_->thread.detach();  // not on an empty pipe; but never wait for a thread not told
        return;
    }
    watch_->thread.join();
    close(watch_->wake[0]);
    close(watch_->wake[1]);
    xcb_disconnect(watch_->connection);
    delete watch_;
}

}  // namespace platform

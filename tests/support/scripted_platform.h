// scripted_platform.h -- the controls of the scripted platform double, for the failure-path tests.
//
// Library football_platform_scripted implements the platform headers (window,
// display mode, GL context, messages, dialogs) without any window system:
// every call is written to a log, and a test decides which calls fail, what
// message boxes answer and which messages the queue holds. Link it instead of
// football_platform; nothing else changes.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace platform {

struct Script {
    bool failRegisterClass;
    bool failUnregisterClass;
    int displayChangeResult;  // what changeDisplaySettings with a mode returns
    bool failCreateWindow;
    bool failGetDC;
    bool failChoosePixelFormat;
    bool failSetPixelFormat;
    bool failCreateContext;
    bool failMakeCurrent;     // making a context current
    bool failReleaseCurrent;  // wglMakeCurrent(null, null)
    bool failDeleteContext;
    bool failReleaseDC;
    bool failDestroyWindow;
    // Answers of the coming message boxes, in order; when it runs out, Yes/No
    // boxes answer No and OK boxes OK.
    std::deque<int> answers;
    // The message queue. A message with window null goes to the newest live
    // window; a kWmNull entry stands for "the queue is empty here": one
    // peekMessage (or one waitMessage) consumes it. When the script is over, a
    // wait posts the quit message (a real one would never return), and so does
    // a loop that polls the empty queue 100000 times without presenting a
    // frame or waiting (it would spin forever); both are logged.
    std::deque<Message> queue;
};

// The client area getClientRect reports for every scripted window.
constexpr int kScriptedClientWidth = 640;
constexpr int kScriptedClientHeight = 480;

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned style;
};

// The script; resetScript() puts it back to "everything succeeds, queue
// empty", forgets every window, context and class, and clears the logs.
extern Script script;
void resetScript();

// Every platform call, in order, as one short line (for example
// "createWindowEx 0x40100 0x6cf0000 0,0 1024x768 OpenGL WinAPI template by Ostrovel").
extern std::vector<std::string> callLog;

// Every message box shown, in order.
extern std::vector<ShownBox> shownBoxes;

// How many live windows, rendering contexts and registered classes there are.
int liveWindowCount();
int liveContextCount();
int registeredClassCount();

}  // namespace platform

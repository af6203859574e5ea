// web_touch.cpp -- gestures on the picture as held camera keys, and the double tap.
#include "web/web_touch.h"

#include <algorithm>
#include <cmath>

#include "frame/camera.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "web/web_loop.h"

namespace web {

// A gesture's amount is owed as frames of a held key and paid one frame at a
// time, so the camera goes as far as the fingers did at the keys' own pace (a
// degree of turn or tilt, half a degree of zoom, 0.7 of movement a frame).
struct Axis {
    int less;     // held while the frames owed are negative
    int more;     // held while they are positive
    double owed;  // in frames
};

enum AxisName { kTurn, kTilt, kZoom, kAhead, kAside, kAxisCount };

static Axis axes[kAxisCount] = {
    {frame::kKeyTurnLeft, frame::kKeyTurnRight, 0.0},  // + turns right
    {frame::kKeyTiltUp, frame::kKeyTiltDown, 0.0},     // + tilts down
    {frame::kKeyWiden, frame::kKeyNarrow, 0.0},        // + zooms in
    {frame::kKeyBack, frame::kKeyForward, 0.0},        // + moves forward
    {frame::kKeyLeft, frame::kKeyRight, 0.0},          // + moves right
};

// A drag across the picture's shorter side turns or tilts a quarter turn, or
// moves 28 (a quarter of the pitch's length); fingers twice as far apart
// narrow the view by 15 degrees. No gesture owes more than 90 frames: three
// seconds at the match's pace of two frames every 66 ms.
constexpr double kTurnFramesPerSide = 90.0;
constexpr double kMoveFramesPerSide = 40.0;
constexpr double kZoomFramesPerDoubling = 30.0;
constexpr double kMostFramesOwed = 90.0;

// A tap: one finger, down and up within 300 ms, moving at most 12 CSS pixels;
// two within 400 ms and 40 pixels of each other are a double tap.
constexpr double kTapMs = 300.0;
constexpr double kTapSlop = 12.0;
constexpr double kDoubleTapMs = 400.0;
constexpr double kDoubleTapReach = 40.0;

// The fingers as the previous event left them (the first two).
static PageTouch lastDown[2];
static int lastCount = 0;

struct Tap {
    double downAt;  // page milliseconds when the finger went down
    PageTouch at;
    bool spoilt;  // moved too far, or a second finger came
};
static Tap tap = {};
static double lastTapAt = -1e9;
static PageTouch lastTapPlace = {};

// The keys the gestures hold now.
static bool touchHeld[256];

static double distance(const PageTouch& a, const PageTouch& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The picture's shorter side in CSS pixels, the measure of a drag.
static double shorterSide() {
    const frame::ViewportSize& viewport = pageWorld().viewport;
    const double side = std::min(viewport.width, viewport.height) / viewport.pixelRatio;
    return std::max(side, 1.0);
}

static void owe(AxisName axis, double frames) {
    Axis& a = axes[axis];
    a.owed = std::clamp(a.owed + frames, -kMostFramesOwed, kMostFramesOwed);
}

// The same fingers moved: the move is owed as camera frames.
static void followMove(const PageTouch* down, int count) {
    const double side = shorterSide();
    if (count == 1) {
        // The picture follows the finger: a drag to the right turns the camera left.
        owe(kTurn, -(down[0].x - lastDown[0].x) / side * kTurnFramesPerSide);
        owe(kTilt, -(down[0].y - lastDown[0].y) / side * kTurnFramesPerSide);
        return;
    }
    const double before = distance(lastDown[0], lastDown[1]);
    const double after = distance(down[0], down[1]);
    if (before > 0.0 && after > 0.0)
        owe(kZoom, std::log2(after / before) * kZoomFramesPerDoubling);
    const double dx = (down[0].x + down[1].x - lastDown[0].x - lastDown[1].x) / 2.0;
    const double dy = (down[0].y + down[1].y - lastDown[0].y - lastDown[1].y) / 2.0;
    owe(kAhead, -dy / side * kMoveFramesPerSide);
    owe(kAside, -dx / side * kMoveFramesPerSide);
}

// A tap ends: the second of two close together switches the full screen
// (inside the touch's end, where the browser allows it).
static void followTapEnd(double now) {
    if (tap.spoilt || now - tap.downAt > kTapMs)
        return;
    if (now - lastTapAt <= kDoubleTapMs && distance(tap.at, lastTapPlace) <= kDoubleTapReach) {
        toggleFullScreen();
        lastTapAt = -1e9;
        return;
    }
    lastTapAt = now;
    lastTapPlace = tap.at;
}

void followTouches(const PageTouch* down, int count) {
    const double now = pageMilliseconds();
    const bool sameFingers =
        count == lastCount &&
        std::equal(down, down + std::min(count, 2), lastDown,
                   [](const PageTouch& a, const PageTouch& b) { return a.id == b.id; });
    // Only one or two fingers steer; a finger more or less starts afresh.
    if (sameFingers && (count == 1 || count == 2))
        followMove(down, count);

    if (lastCount == 0 && count == 1)
        tap = Tap{now, down[0], false};
    if (count > 1 || (count == 1 && distance(down[0], tap.at) > kTapSlop))
        tap.spoilt = true;
    if (lastCount == 1 && count == 0)
        followTapEnd(now);

    lastCount = count;
    std::copy(down, down + std::min(count, 2), lastDown);
    for (const Axis& axis : axes) {
        if (std::fabs(axis.owed) >= 1.0) {
            wakeFrameLoop();
            break;
        }
    }
}

static void holdKey(frame::KeyTable& keys, int key, bool hold) {
    if (hold && !touchHeld[key])
        frame::pressKey(keys, key);
    if (!hold && touchHeld[key])
        frame::releaseKey(keys, key);
    touchHeld[key] = hold;
}

void holdTouchKeys(frame::KeyTable& keys) {
    for (Axis& axis : axes) {
        const bool more = axis.owed >= 1.0;
        const bool less = axis.owed <= -1.0;
        holdKey(keys, axis.more, more);
        holdKey(keys, axis.less, less);
        axis.owed += less ? 1.0 : (more ? -1.0 : 0.0);
    }
}

}  // namespace web

// camera.h -- the keyboard-flown camera: its state and the per-frame key handling.
#pragma once

namespace frame {

// The view is: rotate by pitch about x, rotate by yaw about y, translate by
// (translateX, translateY, translateZ). One process-wide record alive for the
// whole run; changed only by applyCameraKeys, untouched by match resets and
// window re-creation.
struct Camera {
    float translateX;   // 0 at start
    float translateY;   // -20; kept within -50..-2
    float translateZ;   // 25
    float pitch;        // 15 degrees; kept within -90..90
    float yaw;          // 180 degrees; kept within [0, 360)
    float fieldOfView;  // 45 degrees, vertical; kept within 25..65
};

extern Camera camera;

Camera initialCamera();

// Camera keys (virtual-key codes).
constexpr int kKeyForward = 0x4F;      // O
constexpr int kKeyBack = 0x4C;         // L
constexpr int kKeyLeft = 0x4A;         // J
constexpr int kKeyRight = 0x4B;        // K
constexpr int kKeyTurnLeft = 0x49;     // I
constexpr int kKeyTurnRight = 0x50;    // P
constexpr int kKeyTiltUp = 0x55;       // U
constexpr int kKeyTiltDown = 0x44;     // D
constexpr int kKeyRise = 0x48;         // H
constexpr int kKeySink = 0x4E;         // N
constexpr int kKeyWiden = 0x5A;        // Z
constexpr int kKeyNarrow = 0x58;       // X
constexpr int kKeyViewReset = 0x30;    // 0
constexpr int kKeyRestart = 0x31;      // 1
constexpr int kKeyPresetFirst = 0x32;  // 2..5
constexpr int kKeyPresetLast = 0x35;

// Once per frame, before the projection is rebuilt: applies every held camera
// key in its fixed order, and restarts the match while the restart key is held.
void applyCameraKeys();

}  // namespace frame

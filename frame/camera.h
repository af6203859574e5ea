// camera.h -- the keyboard-flown camera: its state and the per-frame key handling.
#pragma once

#include "frame/key_table.h"
#include "sim/match_state.h"

namespace frame {

// The view is: rotate by pitch about x, rotate by yaw about y, translate by
// (translateX, translateY, translateZ). One member of the world, alive for the
// whole run; changed only by applyCameraKeys and followBall, untouched by
// match resets and window re-creation.
struct Camera {
    float translateX;   // 0 at start
    float translateY;   // -20; kept within -50..-2
    float translateZ;   // 25
    float pitch;        // 15 degrees; kept within -90..90
    float yaw;          // 180 degrees; kept within [0, 360)
    float fieldOfView;  // 45 degrees, vertical; kept within 25..65
    // Key 6 hands the fields above to followBall, frame by frame, until
    // another camera key, a preset or 0 takes them back. Not at start.
    bool following;
};

Camera initialCamera();

// Camera keys: virtual-key codes, a letter's or digit's being its character.
constexpr int kKeyForward = 'O';
constexpr int kKeyBack = 'L';
constexpr int kKeyLeft = 'J';
constexpr int kKeyRight = 'K';
constexpr int kKeyTurnLeft = 'I';
constexpr int kKeyTurnRight = 'P';
constexpr int kKeyTiltUp = 'U';
constexpr int kKeyTiltDown = 'D';
constexpr int kKeyRise = 'H';
constexpr int kKeySink = 'N';
constexpr int kKeyWiden = 'Z';
constexpr int kKeyNarrow = 'X';
constexpr int kKeyViewReset = '0';
constexpr int kKeyRestart = '1';
constexpr int kKeyPresetFirst = '2';  // 2..5
constexpr int kKeyPresetLast = '5';
constexpr int kKeyFollow = '6';

// Once per frame, in the frame's state step: applies every held camera key in
// its fixed order (the restart key is the frame step's: it restarts the
// match). Any camera key but the restart key ends following; key 6, held
// last, starts it.
void applyCameraKeys(Camera& camera, const KeyTable& keys);

// After applyCameraKeys, in every frame that is not paused: while following,
// steers the camera one step towards the broadcast view of the ball
// (follow_camera.cpp).
void followBall(Camera& camera, const sim::MatchState& match);

}  // namespace frame

// frame_cues.h -- what one frame of the match tells the sound.
#pragma once

namespace audio {

// Filled by the frame driver once a frame and handed to cueFrame. The levels
// (danger, ballPan, rain) are targets the sound glides to; the one-frame flags
// (pass, shot, goal, save, shotWide, the whistles) each start one sound; the
// lasting values (shotInFlight, shotOnTarget, celebrating, ballTeam, silent)
// hold for as long as they are set.
struct FrameCues {
    float danger = 0.0f;          // 0..1: how near the ball is to the nearer goal, raised in a shot
    bool shotInFlight = false;    // a shot is on its way: the crowd's rise quickens
    bool pass = false;            // a pass was kicked this frame: a thud
    bool shot = false;            // a shot was kicked this frame: a louder thud
    float ballPan = 0.0f;         // -1 left .. +1 right: where the ball is in the picture
    bool goal = false;            // the ball crossed the line this frame: the roar starts
    bool celebrating = false;     // the goal's celebration lasts: the roar holds
    bool kickOffWhistle = false;  // play starts (after the warm-up, the restart after a goal)
    bool finalWhistle = false;    // the final score: a long whistle and two short ones
    float rain = 0.0f;            // 0..1: the rain's strength
    bool silent = false;          // paused: silence, every sound held where it stands
    int ballTeam = 0;             // 1 or 2: the side with the ball; 0 while nobody holds it
    int shootingTeam = 0;         // 1 or 2: whose shot is on its way (with `shot`: who shot)
    bool shotOnTarget = false;    // that shot would go in between the posts: a rising "ooh"
    bool save = false;            // a shot was stopped this frame: a player took the ball
    bool shotWide = false;        // a shot went past the posts this frame: groans and jeers
    int scoringTeam = 0;          // with `goal`: 1 or 2, whose goal it is; 0: both sides cheer
};

}  // namespace audio

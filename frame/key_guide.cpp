// key_guide.cpp -- the keys and what each does.
#include "frame/key_guide.h"

namespace frame {

const std::vector<KeyGuideEntry> kKeyGuide = {
    {"O", "move forward"},
    {"L", "move back"},
    {"J", "move left"},
    {"K", "move right"},
    {"I", "turn left"},
    {"P", "turn right"},
    {"U", "tilt up"},
    {"D", "tilt down"},
    {"H", "raise the eye"},
    {"N", "lower the eye"},
    {"Z", "widen the view"},
    {"X", "narrow the view"},
    {"0", "reset the view"},
    {"1", "restart the match (new kick-off, score 0 : 0)"},
    {"2", "preset view: across the pitch from beside the halfway line"},
    {"3", "preset view: behind the far goal"},
    {"4", "preset view: behind the near goal"},
    {"5", "preset view: beyond a corner"},
    {"6", "follow the ball from beside the pitch (until a camera key, preset or 0)"},
    {"Tab", "show or hide the match panel (time, score, scorers, shots, passes...)"},
    {"R", "goal replays on or off; any camera key, a preset or R ends a replay"},
    {"Pause", "pause the match or play on (\"PAUSED\" under the score bar)"},
    {"Space", "pause the match or play on, as Pause"},
    {"M", "sound off or on; a line names the state for two seconds"},
    {"F12", "save the picture on screen as a PNG file; a line names it for two seconds"},
    {"Print Screen", "save the picture on screen, as F12"},
    {"F9", "save the last 30 seconds as an MP4 video with sound; a line names it"},
    {"F1", "switch between full screen and a window (new kick-off, new landscape)"},
    {"F11", "the same window over the whole screen, or back (the match goes on)"},
    {"Alt+Enter", "as F11"},
    {"Escape", "quit"},
    {"Alt+F4", "close the window (quit)"},
};

}  // namespace frame

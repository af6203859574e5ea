// match_panel.h -- the match panel: whether it is shown (Tab), and its lines of text.
#pragma once

#include <string>
#include <vector>

#include "frame/clubs.h"
#include "frame/key_table.h"
#include "frame/match_statistics.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame {

// One member of the world, alive for the whole run; the panel is off at start.
struct MatchPanel {
    bool shown;       // toggled by Tab
    bool keyWasDown;  // Tab was held in the previous frame: a held Tab toggles once
    bool finalScore;  // shown whatever Tab says, headed FULL TIME
    bool halfTime;    // shown whatever Tab says, headed HALF TIME
};

// Every frame, with the camera keys, paused or not: toggles the panel when
// Tab goes down.
void applyPanelKey(MatchPanel& panel, const KeyTable& keys);

// The goals the panel lists at most, latest first.
constexpr int kPanelGoals = 3;

// The panel's lines for the current match: its clock (headed FULL TIME or
// HALF TIME while those show), the score, up to `goalLines` latest goals with
// their minutes and scorers by name, shots, passes, possession per team in
// per cent, and the weather. The first line is the heading.
std::vector<std::string> matchPanelLines(const MatchStatistics& statistics,
                                         const sim::MatchState& match, const MatchClubs& clubs,
                                         const render::RainField& rain, const MatchPanel& panel,
                                         int goalLines);

// A goal's scorer as the screen names him: "7 PETROV", with " (OG)" for an
// own goal; empty when nobody is known to have had the ball.
std::string scorerText(const MatchClubs& clubs, int team, int scorerTeam, int scorerHolder);

}  // namespace frame

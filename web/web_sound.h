// web_sound.h -- the page's sound: the synthesiser on Web Audio, fed each frame's cues, and M.
#pragma once

#include "audio/frame_cues.h"
#include "frame/world.h"

namespace web {

// Called once by main: the sound device, which the browser holds back (and
// the page says so) until the first key, click or touch. `muted` and
// `volume` (0..100) come from the page's link.
void startPageSound(bool muted, int volume);

// Every frame the page runs, right after its state step.
void cuePageSound(const audio::FrameCues& cues);

// While no frame runs (a link's moment held): the sound stands still, until
// the next frame's cues.
void holdPageSound();

// M's key-down: mutes or unmutes; the world's notice line names the new
// state for two seconds.
void toggleSoundMute(frame::World& world);

}  // namespace web

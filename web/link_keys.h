// link_keys.h -- the key table a link's frame steps with, and the watcher's given back after
// it, so that no key a link holds outlives the link's frames.
#pragma once

#include <cstdint>

#include "frame/frame_script.h"
#include "frame/key_table.h"

namespace web {

// Right before the state step of frame `frame`: `keys` becomes the table the
// step reads, the script's keys for the frame alone (`alone`: a link that
// plays its frames with its own keys) or held over the watcher's. Returns the
// watcher's table, for giveKeysBack.
frame::KeyTable takeLinkKeys(frame::KeyTable& keys, const frame::FrameScript& script,
                             std::int64_t frame, bool alone);

// Right after the step: the watcher's table again, every key in it now seen
// (a key tapped and let go while the link held the table is spent, as a tap
// within one frame is).
void giveKeysBack(frame::KeyTable& keys, const frame::KeyTable& watcher);

}  // namespace web

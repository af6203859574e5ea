// webp_clip.h -- an animated WebP written picture by picture, 33 ms each
// (libwebp's animation encoder), written whole or not at all. Used by the
// record tool's run for --clip.
#pragma once

#include <string>
#include <vector>

namespace tools {

// One clip being written: its encoder and its temporary file.
struct WebpClip;

// Called before the first frame is drawn: creates "PATH.part" beside the
// clip, so that a place that cannot be written is reported before any work,
// and an encoder for width by height pictures. Until the clip is finished or
// abandoned, an interrupt (SIGINT, SIGTERM, SIGHUP) removes the temporary file
// before it ends the process (common/replaced_file.h). Null with the reason in
// `error` (the system's, for the file).
WebpClip* openWebpClip(const std::string& path, int width, int height, std::string& error);

// After each frame of the clip, in order: adds its picture (width * height RGB
// bytes, top row first), shown for 33 ms (clip_pace.h). The encoder keeps a picture it
// cannot tell from the one before it (within what lossy encoding loses) only
// once, shown for the time of both, so the clip's length stays exact. False with the reason
// in `error`; the clip is then still to be abandoned.
bool addWebpFrame(WebpClip* clip, const std::vector<unsigned char>& rgb, std::string& error);

// After the last frame: assembles the animation, writes it to the temporary
// file and renames that into place; frees the clip in every case. False with
// the reason in `error`, and no file left behind.
bool finishWebpClip(WebpClip* clip, std::string& error);

// On a failure before the end: removes the temporary file, frees the clip.
// Null is ignored.
void abandonWebpClip(WebpClip* clip);

// The time in milliseconds at which picture `index` (0-based) of a clip
// starts: index * 33, the pace of the videos' pictures and of the match.
int clipTimestamp(long long index);

}  // namespace tools

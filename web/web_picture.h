// web_picture.h -- the page's picture: the page as the live frame's host (its clock, the
// pacing's wait kept for the schedule, the picture handed to WebGL), the picture drawn again
// as the world stands, and the drawing's errors reported.
#pragma once

#include <cstdint>

#include "frame/frame_driver.h"

namespace web {

// One for each frame the schedule runs: the page's clock, the pacing's wait
// kept for the schedule (waitMs), a download between the picture and its
// labels, and the picture handed to WebGL.
class PageFrameHost final : public frame::FrameHost {
  public:
    std::uint32_t tickCount() override;
    void wait(std::uint32_t milliseconds) override { waitMs = milliseconds; }
    void pictureDrawn(frame::World&) override;
    void present() override;
    void cueSound(const audio::FrameCues& cues) override;
    std::uint32_t waitMs = 0;
};

// The world's picture drawn again as it stands (a held moment, a canvas of a
// new size, a context given back): drawing changes nothing. Nothing while
// the context is lost.
void redrawPicture();

}  // namespace web

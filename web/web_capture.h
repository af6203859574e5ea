// web_capture.h -- what the page gives away of its frames: the picture as a download (the
// screenshot key) and the frame on screen's state (football.state()).
#pragma once

namespace web {

// The screenshot key: the next picture drawn is offered as a download (a
// held picture is drawn again for it).
void requestScreenshot();

// Between a picture and its labels: the download, when one was asked for.
void offerPictureIfWanted();

// Once, as the frame loop starts: football.state() in the page's script.
void exposeFrameState();

}  // namespace web

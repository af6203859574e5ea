// views.h -- the views a watcher picks by number: the program's and the recorder's --view, the
// screen savers' settings and the web page's view=.
#pragma once

namespace frame {

// View 1 is the start view, 2 to 5 the preset views, 6 the camera that
// follows the ball. Every place that takes a view number takes this range.
constexpr int kFirstView = 1;
constexpr int kLastView = 6;

// The key that selects a view: 0 (reset the view) for the start view, the
// view's digit for the others.
constexpr int viewKey(int view) {
    return view == kFirstView ? '0' : '0' + view;
}

}  // namespace frame

// web_input.h -- the keyboard, the page's buttons, touches and the page's size, turned into the
// key table and resizes.
#pragma once

namespace web {

// Called once by main: key-down and key-up on the page, and the keys the
// page's buttons press, go into the key table by virtual-key code; F1 and a
// double click toggle the page's full screen; the screenshot keys ask for a
// download; M mutes and unmutes the sound; touches on the picture become
// camera keys (web_touch.h); losing the focus lets every key go; a change of
// the page's size resizes the canvas.
void listenToPage();

// Whether the page acts on the key of this virtual-key code (the browser
// keeps every other), for the page's help.
bool pageTakesKey(int key);

}  // namespace web

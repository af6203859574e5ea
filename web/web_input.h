// web_input.h -- the keyboard and the page's size, turned into the key table and resizes.
#pragma once

namespace web {

// Called once by main: key-down and key-up on the page go into the key table
// by virtual-key code; F1 and a double click toggle the page's full screen;
// the screenshot keys ask for a download; M mutes and unmutes the sound;
// losing the focus lets every key go;
// a change of the page's size resizes the canvas.
void listenToPage();

}  // namespace web

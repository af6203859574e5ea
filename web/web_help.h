// web_help.h -- the page's help: the key guide's rows for the keys the page acts on, and what
// touch does.
#pragma once

namespace web {

// Called once by main: fills the page's help (its "Help" button shows it)
// with the key guide's rows (frame/key_guide.cpp) for every key the page
// takes, in the page's own words where the page does otherwise (F1, F11, the
// picture keys), then the page's own ways (S, a double click, the mouse),
// then what touch does, shown on touch screens only.
void fillPageHelp();

}  // namespace web

// fixed_lists.h -- display lists of the pitch markings, goals and flags, one set per
// rendering context.
#pragma once

namespace render {

// The geometry drawn the same in every frame, each kept as a display list.
enum class FixedList { groundLines, goals, arcs, flags, count };

// Draws the list of `which`, compiling it first from `issue` (its immediate-
// mode calls) when the current context has none. Without a list name the
// calls are issued directly and a later call tries again. Called by the
// drawing of the pitch and its markings in every frame.
void drawFixedList(FixedList which, void (*issue)());

// Called by initScene for every new rendering context, before anything is
// drawn in it: the lists of the previous context went with that context.
void forgetFixedLists();

}  // namespace render

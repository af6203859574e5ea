// win32/resource_ids.h -- the numbers of the resources built into the Windows programs
// (resources.rc.in) and of the settings dialog's controls.
#pragma once

// The program's icon: the first icon group, which Explorer, shortcuts and the
// installed-programs list show.
#define FOOTBALL_IDI_PROGRAM 1
// String 1 of a screen saver is its name in the system's list of screen savers.
#define FOOTBALL_IDS_SCREEN_SAVER_NAME 1

#define FOOTBALL_IDD_SCREEN_SAVER_SETTINGS 100
#define FOOTBALL_IDC_ABOUT 101
#define FOOTBALL_IDC_VIEW 102
#define FOOTBALL_IDC_NEW_MATCH 103
#define FOOTBALL_IDC_REPLAYS 104
#define FOOTBALL_IDC_SOUND 105
#define FOOTBALL_IDC_HOME 106
#define FOOTBALL_IDC_AWAY 107

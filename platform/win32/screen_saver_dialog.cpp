// win32/screen_saver_dialog.cpp -- the screen saver's settings dialog (resource
// FOOTBALL_IDD_SCREEN_SAVER_SETTINGS): the version, the view, a new match at every start,
// the replays, sound, the two clubs.
#include <cstdio>
#include <cstring>

#include "platform/screen_saver_settings.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/system.h"

namespace platform {

// What the dialog shows and, once OK is pressed, what it chose.
struct SettingsDialogState {
    const ScreenSaverDialogText* text;
    ScreenSaverSettings settings;
};

// A club list: the clubs offered, `name` selected (empty: the designed one, `designed`).
static void fillClubs(HWND dialog, int control, const SettingsDialogState& state, const char* name,
                      int designed) {
    const std::vector<std::string>& clubs = state.text->clubNames;
    int selected = designed;
    for (std::size_t i = 0; i < clubs.size(); ++i) {
        SendDlgItemMessageA(dialog, control, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(clubs[i].c_str()));
        if (clubs[i] == name)
            selected = static_cast<int>(i);
    }
    SendDlgItemMessageA(dialog, control, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// The club a list has selected.
static void readClub(HWND dialog, int control, const SettingsDialogState& state,
                     char (&name)[kClubNameBytes]) {
    const LRESULT selected = SendDlgItemMessageA(dialog, control, CB_GETCURSEL, 0, 0);
    const std::vector<std::string>& clubs = state.text->clubNames;
    if (selected != CB_ERR && static_cast<std::size_t>(selected) < clubs.size())
        std::snprintf(name, sizeof name, "%s", clubs[static_cast<std::size_t>(selected)].c_str());
}

static void fillDialog(HWND dialog, const SettingsDialogState& state) {
    SetWindowTextA(dialog, state.text->title.c_str());
    SetDlgItemTextA(dialog, FOOTBALL_IDC_ABOUT, state.text->about.c_str());
    for (const std::string& name : state.text->viewNames)
        SendDlgItemMessageA(dialog, FOOTBALL_IDC_VIEW, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name.c_str()));
    SendDlgItemMessageA(dialog, FOOTBALL_IDC_VIEW, CB_SETCURSEL,
                        static_cast<WPARAM>(state.settings.view - 1), 0);
    CheckDlgButton(dialog, FOOTBALL_IDC_NEW_MATCH,
                   state.settings.newMatchEachStart ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, FOOTBALL_IDC_REPLAYS,
                   state.settings.replays ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, FOOTBALL_IDC_SOUND, state.settings.sound ? BST_CHECKED : BST_UNCHECKED);
    fillClubs(dialog, FOOTBALL_IDC_HOME, state, state.settings.home, 0);
    fillClubs(dialog, FOOTBALL_IDC_AWAY, state, state.settings.away, 1);
}

static void readDialog(HWND dialog, SettingsDialogState& state) {
    const LRESULT selected = SendDlgItemMessageA(dialog, FOOTBALL_IDC_VIEW, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR)
        state.settings.view = static_cast<int>(selected) + 1;
    state.settings.newMatchEachStart =
        IsDlgButtonChecked(dialog, FOOTBALL_IDC_NEW_MATCH) == BST_CHECKED;
    state.settings.replays = IsDlgButtonChecked(dialog, FOOTBALL_IDC_REPLAYS) == BST_CHECKED;
    state.settings.sound = IsDlgButtonChecked(dialog, FOOTBALL_IDC_SOUND) == BST_CHECKED;
    readClub(dialog, FOOTBALL_IDC_HOME, state, state.settings.home);
    readClub(dialog, FOOTBALL_IDC_AWAY, state, state.settings.away);
}

// OK (or Return) ends the dialog with IDOK, Cancel, Escape and the close box
// with IDCANCEL: the system turns the last two into IDCANCEL commands.
static INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* state = reinterpret_cast<SettingsDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            fillDialog(dialog, *reinterpret_cast<SettingsDialogState*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                readDialog(dialog, *state);
                if (std::strcmp(state->settings.home, state->settings.away) == 0) {
                    MessageBoxA(dialog, "The home and away clubs must be two different clubs.",
                                state->text->title.c_str(), MB_OK | MB_ICONEXCLAMATION);
                    return TRUE;
                }
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

bool runScreenSaverSettingsDialog(std::uint64_t ownerWindow, const ScreenSaverDialogText& text) {
    const int viewCount = static_cast<int>(text.viewNames.size());
    SettingsDialogState state = {&text, loadScreenSaverSettings(viewCount, text.clubNames)};
    const HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ownerWindow));
    const INT_PTR answer = DialogBoxParamA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(FOOTBALL_IDD_SCREEN_SAVER_SETTINGS),
        IsWindow(owner) ? owner : nullptr, settingsDialogProc, reinterpret_cast<LPARAM>(&state));
    if (answer <= 0) {
        std::fprintf(stderr, "football: cannot show the settings (error %lu)\n",
                     static_cast<unsigned long>(GetLastError()));
        return false;
    }
    if (answer == IDOK && !saveScreenSaverSettings(state.settings)) {
        MessageBoxA(owner, "The settings could not be stored in the registry.", text.title.c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

}  // namespace platform

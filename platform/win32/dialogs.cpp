// win32/dialogs.cpp -- message boxes with MessageBox, and on standard error where it fails.
#include "platform/dialogs.h"

#include <cstdio>

#include "platform/win32/handles.h"

namespace platform {

static_assert(kMbOk == MB_OK && kMbYesNo == MB_YESNO);
static_assert(kMbIconStop == MB_ICONSTOP && kMbIconQuestion == MB_ICONQUESTION &&
              kMbIconExclamation == MB_ICONEXCLAMATION && kMbIconInformation == MB_ICONINFORMATION);
static_assert(kIdOk == IDOK && kIdYes == IDYES && kIdNo == IDNO);

int messageBox(Window* owner, const char* text, const char* caption, unsigned style) {
    const bool yesNo = (style & 0xFu) == kMbYesNo;
    const int answer = MessageBoxA(toHwnd(owner), text, caption, style);
    if (answer == 0) {
        std::fprintf(stderr, "football: %s: %s\n", caption ? caption : "", text ? text : "");
        if (yesNo)
            std::fprintf(stderr, "football: (no box can be shown: the answer is No)\n");
        return yesNo ? kIdNo : kIdOk;
    }
    // A Yes/No box has no other answers; an OK box closed any way answers OK.
    if (yesNo)
        return answer == kIdYes ? kIdYes : kIdNo;
    return kIdOk;
}

}  // namespace platform

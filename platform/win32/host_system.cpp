// win32/host_system.cpp -- the Win32 backend is the Windows build's.
#include "platform/host_system.h"

namespace platform {

unsigned thisSystem() {
    return kWindows;
}

}  // namespace platform

// posix/host_system.cpp -- the POSIX backends are the Linux build's.
#include "platform/host_system.h"

namespace platform {

unsigned thisSystem() {
    return kLinux;
}

}  // namespace platform

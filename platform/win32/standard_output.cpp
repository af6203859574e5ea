// win32/standard_output.cpp -- standard output in binary mode: "\n" stays LF, not CR LF.
#include "platform/standard_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace platform {

void useBinaryStandardOutput() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace platform

// posix/standard_output.cpp -- standard output on POSIX systems, which never translate line ends.
#include "platform/standard_output.h"

namespace platform {

void useBinaryStandardOutput() {}

}  // namespace platform

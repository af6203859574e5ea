// system_file_calls.cpp -- the platform's file calls handed to common's writers.
#include "frame/system_file_calls.h"

#include "common/file_system_calls.h"
#include "platform/file_calls.h"

namespace frame {

void useSystemFileCalls() {
    common::useFileSystemCalls({platform::createFileForWriting, platform::syncFileToDisk,
                                platform::removeOnInterrupt, platform::forgetOnInterrupt});
}

}  // namespace frame

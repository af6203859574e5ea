// file_calls.cpp -- files on Windows: the wide name, _commit, and no removal on an interrupt
// (Windows removes no file a process holds open).
#include "platform/file_calls.h"

#include <io.h>

namespace platform {

std::FILE* createFileForWriting(const std::filesystem::path& path) {
    return _wfopen(path.c_str(), L"wb");
}

bool syncFileToDisk(std::FILE* file) {
    return _commit(_fileno(file)) == 0;
}

int removeOnInterrupt(const std::filesystem::path&) {
    return -1;
}

void forgetOnInterrupt(int) {}

}  // namespace platform

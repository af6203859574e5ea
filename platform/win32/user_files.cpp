// win32/user_files.cpp -- the user's Pictures known folder and the local time, on Windows.
#include "platform/win32/system.h"
// After windows.h, whose types they use.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/user_files.h"

namespace platform {

// The program's file names are narrow strings in the system's code page, as
// the C library's fopen takes them.
static std::string narrow(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, &text[0], size, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(size) - 1);
    return text;
}

static bool isDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string picturesFolder() {
    PWSTR wide = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &wide)))
        folder = narrow(wide);
    CoTaskMemFree(wide);
    return isDirectory(folder) ? folder : std::string(".");
}

// Windows takes a forward slash too, but shows paths with backslashes, and
// so does the program; a drive's root comes with its separator already.
std::string pathInFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder + name;
    return folder + "\\" + name;
}

LocalTime localTime() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return LocalTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                     now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace platform

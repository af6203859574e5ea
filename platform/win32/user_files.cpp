// win32/user_files.cpp -- the user's Pictures and Videos known folders, in UTF-8, and the local
// time, on Windows.
#include "platform/win32/system.h"
// After windows.h, whose types they use.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/user_files.h"

namespace platform {

// The program's paths are UTF-8 (common/file_path.h opens them with the
// system's wide calls), so that a folder of any name, the user's own among
// them, is reached. Empty for a name that UTF-8 cannot hold (an unpaired
// surrogate): it would name another folder.
static std::string utf8(const wchar_t* wide) {
    const int size =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string text(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, -1, &text[0], size, nullptr,
                            nullptr) != size)
        return std::string();
    text.resize(static_cast<std::size_t>(size) - 1);
    return text;
}

static bool isDirectory(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A known folder that exists, in UTF-8; else the current folder.
static std::string knownFolder(REFKNOWNFOLDERID id) {
    PWSTR wide = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &wide)) && isDirectory(wide))
        folder = utf8(wide);
    CoTaskMemFree(wide);
    return folder.empty() ? std::string(".") : folder;
}

std::string picturesFolder() {
    return knownFolder(FOLDERID_Pictures);
}

std::string videosFolder() {
    return knownFolder(FOLDERID_Videos);
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

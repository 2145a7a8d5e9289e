#include "temp_folder.h"

#include <windows.h>

#include <array>
#include <string>

#include "wait.h"

namespace e2e {
namespace {

// Deletes the folder's files and subfolders, then the folder; false when something stayed.
bool DeleteTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}

}  // namespace

TempFolder::TempFolder(std::string_view hint) {
    std::array<char, MAX_PATH + 1> base{};
    if (GetTempPathA(static_cast<DWORD>(base.size()), base.data()) == 0) {
        return;
    }
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = std::string(base.data()) + "tessik-e2e-" + std::string(hint) + "-" +
                                std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(GetTickCount()) + "-" + std::to_string(attempt);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = std::move(candidate);
            return;
        }
    }
}

TempFolder::~TempFolder() {
    if (path_.empty()) {
        return;
    }
    // A process that just ended may still hold its executable for a moment.
    WaitUntil([this] { return DeleteTree(path_); }, 5s);
}

std::string TempFolder::PathOf(std::string_view fileName) const {
    return path_ + "\\" + std::string(fileName);
}

}  // namespace e2e

#include "menu_reader.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <string_view>

#include "menu_probe/menu_probe_request.h"
#include "wait.h"

namespace e2e {
namespace {

constexpr auto kRemoteThreadTimeout = 10s;
constexpr UINT kSendTimeoutMilliseconds = 10000;

bool SameFileName(std::wstring_view left, std::string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](wchar_t a, char b) {
        return a < 0x80 && std::tolower(static_cast<unsigned char>(a)) ==
                               std::tolower(static_cast<unsigned char>(b));
    });
}

// The probe DLL lies beside the driver.
std::string ProbePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + menu_probe::kDllName;
}

// Where the DLL named `name` is loaded in the process; null when it is not.
BYTE* RemoteModuleBase(DWORD processId, std::string_view name) {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    if (!snapshot) {
        return nullptr;
    }
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(snapshot.get(), &module); more;
         more = Module32NextW(snapshot.get(), &module)) {
        if (SameFileName(module.szModule, name)) {
            return module.modBaseAddr;
        }
    }
    return nullptr;
}

// Runs `entry(argument)` on a new thread in the process and waits for its end; its exit code.
std::optional<DWORD> RunRemoteThread(HANDLE process, void* entry, void* argument) {
    UniqueHandle thread(CreateRemoteThread(process, nullptr, 0,
                                           reinterpret_cast<LPTHREAD_START_ROUTINE>(entry),
                                           argument, 0, nullptr));
    if (!thread || !WaitForObject(thread.get(), kRemoteThreadTimeout)) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeThread(thread.get(), &code);
    return code;
}

}  // namespace

std::optional<MenuItem> DropDown::Item(UINT id) const {
    for (const MenuItem& item : items) {
        if (!item.separator && !item.subMenu && item.id == id) {
            return item;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ItemStates(const DropDown& dropDown) {
    std::vector<std::string> lines;
    for (const MenuItem& item : dropDown.items) {
        if (item.separator) {
            lines.push_back("-");
            continue;
        }
        lines.push_back(std::to_string(item.id) + (item.greyed ? " greyed" : " enabled") +
                        (item.checked ? " checked" : ""));
    }
    return lines;
}

bool SendCommand(HWND frame, UINT commandId) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(frame, WM_COMMAND, MAKEWPARAM(commandId, 0), 0, SMTO_NORMAL,
                               kSendTimeoutMilliseconds, &ignored) != 0;
}

MenuReader::MenuReader(HANDLE process) {
    HANDLE own = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &own, 0, FALSE,
                         DUPLICATE_SAME_ACCESS)) {
        ADD_FAILURE() << "cannot duplicate the program's process handle: " << GetLastError();
        return;
    }
    process_.reset(own);
    const std::string dll = ProbePath();
    HMODULE local = LoadLibraryA(dll.c_str());
    if (!local) {
        ADD_FAILURE() << "cannot load " << dll << ": " << GetLastError();
        return;
    }
    const auto* localEntry =
        reinterpret_cast<const BYTE*>(GetProcAddress(local, menu_probe::kEntryPoint));
    const ptrdiff_t entryOffset = localEntry - reinterpret_cast<const BYTE*>(local);
    FreeLibrary(local);
    if (!localEntry) {
        ADD_FAILURE() << dll << " has no " << menu_probe::kEntryPoint;
        return;
    }

    remoteBlock_ = VirtualAllocEx(process_.get(), nullptr, sizeof(menu_probe::Request),
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remoteBlock_ ||
        !WriteProcessMemory(process_.get(), remoteBlock_, dll.c_str(), dll.size() + 1, nullptr)) {
        ADD_FAILURE() << "cannot write into the program: " << GetLastError();
        return;
    }
    // kernel32 lies at the same address in every process, so our LoadLibraryA is theirs.
    void* loadLibrary =
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
    if (!RunRemoteThread(process_.get(), loadLibrary, remoteBlock_).value_or(0)) {
        ADD_FAILURE() << "the program did not load " << dll;
        return;
    }
    BYTE* remoteBase = RemoteModuleBase(GetProcessId(process_.get()), menu_probe::kDllName);
    if (!remoteBase) {
        ADD_FAILURE() << "cannot find " << menu_probe::kDllName << " in the program";
        return;
    }
    remoteEntry_ = remoteBase + entryOffset;
}

MenuReader::~MenuReader() {
    if (remoteBlock_) {
        VirtualFreeEx(process_.get(), remoteBlock_, 0, MEM_RELEASE);
    }
}

std::optional<DropDown> MenuReader::Read(HWND frame, int index) {
    if (!remoteEntry_) {
        return std::nullopt;
    }
    menu_probe::Request request{};
    request.frame = reinterpret_cast<std::uint64_t>(frame);
    request.dropDownIndex = static_cast<std::uint32_t>(index);
    if (!WriteProcessMemory(process_.get(), remoteBlock_, &request, sizeof request, nullptr) ||
        !RunRemoteThread(process_.get(), remoteEntry_, remoteBlock_) ||
        !ReadProcessMemory(process_.get(), remoteBlock_, &request, sizeof request, nullptr) ||
        !request.found) {
        return std::nullopt;
    }
    DropDown dropDown;
    dropDown.handle = reinterpret_cast<HMENU>(request.dropDown);
    for (std::uint32_t i = 0; i < std::min(request.itemCount, menu_probe::kMaxItems); ++i) {
        const auto& probed = request.items[i];
        MenuItem item;
        item.id = probed.id;
        item.separator = (probed.type & MFT_SEPARATOR) != 0;
        item.greyed = (probed.state & MFS_DISABLED) != 0;
        item.checked = (probed.state & MFS_CHECKED) != 0;
        item.subMenu = probed.hasSubMenu != 0;
        item.text.assign(probed.text, strnlen(probed.text, menu_probe::kMaxText));
        dropDown.items.push_back(std::move(item));
    }
    return dropDown;
}

std::optional<DropDown> MenuReader::ReadAfterUpdate(HWND frame, int index) {
    const auto before = Read(frame, index);
    DWORD_PTR ignored = 0;
    if (!before || !SendMessageTimeoutW(
                       frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(before->handle),
                       MAKELPARAM(index, FALSE), SMTO_NORMAL, kSendTimeoutMilliseconds, &ignored)) {
        return std::nullopt;
    }
    return Read(frame, index);
}

}  // namespace e2e

#include "app_under_test.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "clipboard_tools.h"
#include "file_tools.h"
#include "window_info.h"

namespace e2e {
namespace {

// Messages to the program never wait longer than this.
constexpr UINT kSendTimeoutMilliseconds = 10000;
// A first start under Wine can be slow; the CTest time-out is 120 s.
constexpr auto kStartTimeout = 30s;
constexpr auto kKillTimeout = 10s;

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
        return argument;
    }
    return "\"" + argument + "\"";
}

UniqueHandle MakeKillOnCloseJob() {
    UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
    if (job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                                sizeof(limits));
    }
    return job;
}

// Starts the executable suspended, puts it in the job, then lets it run.
UniqueHandle StartProcess(const std::string& exePath, const std::string& folder,
                          const std::vector<std::string>& arguments, HANDLE job, DWORD* processId) {
    std::string commandLine = QuoteArgument(exePath);
    for (const auto& argument : arguments) {
        // Appended piecewise: g++ 12 -O3 reports a false -Wrestrict for " " + string.
        commandLine += ' ';
        commandLine += QuoteArgument(argument);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr, folder.c_str(), &startup, &info)) {
        ADD_FAILURE() << "CreateProcess failed for " << commandLine << ": " << GetLastError();
        return {};
    }
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    if (job) {
        AssignProcessToJobObject(job, process.get());  // best effort: only a safety net
    }
    ResumeThread(thread.get());
    *processId = info.dwProcessId;
    return process;
}

std::optional<DWORD> ExitCodeOf(HANDLE process) {
    DWORD code = STILL_ACTIVE;
    if (!GetExitCodeProcess(process, &code) || code == STILL_ACTIVE) {
        return std::nullopt;
    }
    return code;
}

}  // namespace

std::string CurrentTestFileName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "e2e";
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name.substr(0, 80);
}

AppUnderTest::AppUnderTest(std::string exeName)
    : folder_("app"),
      exeName_(exeName.empty() ? CurrentTestFileName() : std::move(exeName)),
      job_(MakeKillOnCloseJob()) {
    const char* source = std::getenv("TESSIK_EXE");
    if (!source || !*source) {
        ADD_FAILURE() << "TESSIK_EXE is not set: it must hold the Windows path of tessik.exe";
        return;
    }
    if (folder_.Path().empty()) {
        ADD_FAILURE() << "could not make a temporary folder";
        return;
    }
    exePath_ = folder_.PathOf(exeName_ + ".exe");
    if (!CopyFileA(source, exePath_.c_str(), TRUE)) {
        ADD_FAILURE() << "could not copy " << source << " to " << exePath_ << ": "
                      << GetLastError();
        exePath_.clear();
    }
}

AppUnderTest::~AppUnderTest() {
    Kill();
}

bool AppUnderTest::Launch(const std::vector<std::string>& arguments) {
    if (exePath_.empty()) {
        return false;
    }
    if (IsRunning()) {
        ADD_FAILURE() << "the program already runs";
        return false;
    }
    frame_ = nullptr;
    list_ = nullptr;
    process_ = StartProcess(exePath_, folder_.Path(), arguments, job_.get(), &processId_);
    return static_cast<bool>(process_);
}

bool AppUnderTest::Start(const StartOptions& options) {
    if (options.iniText && !WriteIni(*options.iniText)) {
        ADD_FAILURE() << "could not write " << IniPath();
        return false;
    }
    if (options.emptyClipboard && !EmptyTheClipboard()) {
        ADD_FAILURE() << "could not empty the clipboard before the start";
        return false;
    }
    if (!Launch(options.arguments)) {
        return false;
    }
    if (!WaitUntil([this] { return FindMainWindow() || !IsRunning(); }, kStartTimeout) || !frame_) {
        if (IsRunning()) {
            ADD_FAILURE() << "no visible window captioned \"" << kMainWindowCaption
                          << "\" appeared within " << kStartTimeout.count() << " s";
        } else {
            ADD_FAILURE() << "the program ended during start-up with exit code "
                          << ExitCodeOf(process_.get()).value_or(STILL_ACTIVE);
        }
        return false;
    }
    list_ = GetDlgItem(frame_, kListControlId);
    if (!list_) {
        ADD_FAILURE() << "the main window has no child with id " << kListControlId;
        return false;
    }
    // Start-up is over once the message loop handles a sent message.
    if (!Sync()) {
        ADD_FAILURE() << "the program does not answer after its window appeared";
        return false;
    }
    return true;
}

bool AppUnderTest::FindMainWindow() {
    for (HWND window : TopLevelWindowsOf(processId_, true)) {
        if (Caption(window) == kMainWindowCaption) {
            frame_ = window;
            return true;
        }
    }
    return false;
}

std::optional<DWORD> AppUnderTest::WaitForExit(std::chrono::milliseconds timeout) {
    if (!process_ || !WaitForObject(process_.get(), timeout)) {
        return std::nullopt;
    }
    return ExitCodeOf(process_.get());
}

RunOutcome AppUnderTest::RunToEnd(const std::vector<std::string>& arguments,
                                  std::chrono::milliseconds timeout) {
    RunOutcome outcome;
    DWORD processId = 0;
    UniqueHandle process =
        StartProcess(exePath_, folder_.Path(), arguments, job_.get(), &processId);
    if (!process) {
        return outcome;
    }
    outcome.ended = WaitUntil(
        [&] {
            if (!TopLevelWindowsOf(processId, true).empty()) {
                outcome.showedWindow = true;
            }
            return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
        },
        timeout);
    if (!outcome.ended) {
        TerminateProcess(process.get(), 1);
        WaitForObject(process.get(), kKillTimeout);
        return outcome;
    }
    outcome.exitCode = ExitCodeOf(process.get()).value_or(STILL_ACTIVE);
    return outcome;
}

bool AppUnderTest::IsRunning() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool AppUnderTest::Sync() const {
    DWORD_PTR ignored = 0;
    return frame_ && SendMessageTimeoutW(frame_, WM_NULL, 0, 0, SMTO_NORMAL,
                                         kSendTimeoutMilliseconds, &ignored) != 0;
}

std::optional<DWORD> AppUnderTest::Close(std::chrono::milliseconds timeout) {
    if (!IsRunning() || !frame_) {
        return std::nullopt;
    }
    PostMessageW(frame_, WM_CLOSE, 0, 0);
    return WaitForExit(timeout);
}

void AppUnderTest::Kill() {
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForObject(process_.get(), kKillTimeout);
    }
}

std::string AppUnderTest::IniPath() const {
    return folder_.PathOf(exeName_ + ".ini");
}

bool AppUnderTest::WriteIni(std::string_view text) const {
    return WriteFileBytes(IniPath(), text);
}

std::optional<std::string> AppUnderTest::IniText() const {
    return ReadFileBytes(IniPath());
}

}  // namespace e2e

#pragma once
// README-harness: how the end-to-end driver works and how to write a test with it.
//
// The driver (e2e_tests.exe) runs under Wine beside the real program and acts as the user and as
// other applications. TESSIK_EXE holds the Windows path of the built program; CTest sets it.
//
// Files, one purpose each:
//   app_under_test  AppUnderTest: a fresh temporary folder with a copy of the program under a
//                   per-test name (fresh settings file and single-instance lock), started and
//                   ended; the main frame and list handles; the settings file beside the copy.
//   app_test        AppTest: the fixture base; StartApp(), Entries(), CopyText().
//   list_reader     ListReader: count, texts, selection, horizontal extent of the list box.
//   clipboard_tools SetClipboardText / SetClipboardBlock / SetClipboardBitmapOnly /
//                   EmptyTheClipboard / GetClipboardText; ClipboardHolder keeps it open.
//   ole_clipboard_source, text_data_object: OleClipboardSource puts an OLE data object with exact
//                   CF_TEXT bytes on the clipboard (Wine ends plain CF_TEXT with a NUL).
//   test_viewer     TestViewer: a clipboard viewer on its own thread that records and passes on.
//   input           SendInput mouse and keys; PostCommand (WM_COMMAND to the frame).
//   dialogs         the program's #32770 windows: find, read, fill in, press buttons.
//   window_info     styles, rectangles, class names, captions, windows of a process.
//   wait            WaitUntil / PumpFor / WaitForObject: bounded, and they pump messages.
//   file_tools, temp_folder, ansi_text, unique_handle: small helpers.
//
// Writing a test:
//
//   class FooTest : public e2e::AppTest {};
//
//   TEST_F(FooTest, CapturesCopiedText) {
//       ASSERT_NO_FATAL_FAILURE(StartApp());        // or StartApp(options): INI, arguments
//       CopyText("abc");                            // another application copies "abc"
//       EXPECT_EQ(Entries(), (Texts{"abc"}));
//       EXPECT_EQ(App().Close(), 0u);               // WM_CLOSE, exit code
//   }
//
// Rules the helpers keep, and tests should too:
// - Every wait is bounded and pumps this thread's messages (a driver window may be a clipboard
//   viewer or a paste target that the program sends to).
// - Every process is ended: ~AppUnderTest terminates a copy that still runs, and deletes the
//   folder. Tests run one at a time (clipboard and display are shared).
// - Start-up joins the clipboard viewer chain, and Wine then delivers the current clipboard at
//   once, so StartApp empties the clipboard first unless told otherwise.
// - Sync() returns after the program has handled everything sent to it before: messages sent to
//   one thread are handled in order, and the clipboard notification is sent while the writer
//   closes the clipboard. This holds while the program is the last clipboard viewer and the text
//   comes from SetClipboardText; when the program has a successor, or reads from an OLE source
//   of the driver, it handles messages while it waits for them and may answer the barrier early,
//   so wait for the expected effect instead (WaitUntil).
// - Read the list with ListReader (W messages converted to the ANSI code page). Under Wine only
//   entries up to kLongestReadableUnits can be read from another process; longer ones only by
//   length (see list_reader.h).

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "list_reader.h"
#include "temp_folder.h"
#include "unique_handle.h"
#include "wait.h"

namespace e2e {

inline constexpr char kMainWindowCaption[] = "Vantrel";
inline constexpr int kListControlId = 59648;

struct StartOptions {
    // Command-line arguments after the program's name; each is quoted when it holds a space.
    std::vector<std::string> arguments;
    // Written as the settings file beside the copy before the start.
    std::optional<std::string> iniText;
    // Empty the clipboard first, so the start captures nothing.
    bool emptyClipboard = true;
};

// How a run that was not meant to show a window ended.
struct RunOutcome {
    bool ended = false;  // false: it still ran at the bound and was killed
    DWORD exitCode = STILL_ACTIVE;
    bool showedWindow = false;  // a visible top-level window of it was seen while it ran
};

class AppUnderTest {
  public:
    // Makes the folder and copies the program into it as `<exeName>.exe`; an empty name takes the
    // current test's name. Failures are reported as test failures.
    explicit AppUnderTest(std::string exeName = {});
    AppUnderTest(const AppUnderTest&) = delete;
    AppUnderTest& operator=(const AppUnderTest&) = delete;
    // Terminates the program if it still runs, then deletes the folder.
    ~AppUnderTest();

    // Starts the copy and waits (bounded) for its main window and list. Reports a test failure and
    // returns false when it does not come up.
    bool Start(const StartOptions& options = {});
    // Starts the copy without waiting for a window (for starts that end on their own, or show a
    // message box); end it with WaitForExit(), Close() or Kill().
    bool Launch(const std::vector<std::string>& arguments);
    // Waits for a launched process to end; its exit code, nothing when it runs on.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout);
    // Starts the copy (again, beside a running one if asked) and lets that start run to its end
    // (bounded; killed if it runs on): for starts that are meant to end without a window.
    RunOutcome RunToEnd(const std::vector<std::string>& arguments = {},
                        std::chrono::milliseconds timeout = kDefaultTimeout);

    HWND Frame() const { return frame_; }
    HWND List() const { return list_; }
    HANDLE Process() const { return process_.get(); }
    DWORD ProcessId() const { return processId_; }
    bool IsRunning() const;
    ListReader Reader() const { return ListReader(list_); }

    // Returns after the program has handled every message sent to it before (see the notes above).
    bool Sync() const;

    // WM_CLOSE to the frame, then waits for the end; the exit code, nothing when it runs on.
    std::optional<DWORD> Close(std::chrono::milliseconds timeout = kDefaultTimeout);
    // TerminateProcess, as a crash or the task manager would end it.
    void Kill();

    const std::string& ExeName() const { return exeName_; }
    const std::string& ExePath() const { return exePath_; }
    const std::string& Folder() const { return folder_.Path(); }
    std::string IniPath() const;
    bool WriteIni(std::string_view text) const;
    // The settings file's bytes; nothing when there is no such file.
    std::optional<std::string> IniText() const;

  private:
    bool FindMainWindow();

    TempFolder folder_;
    std::string exeName_;
    std::string exePath_;
    // Kills whatever it holds when closed, even if the driver itself dies.
    UniqueHandle job_;
    UniqueHandle process_;
    DWORD processId_ = 0;
    HWND frame_ = nullptr;
    HWND list_ = nullptr;
};

// The current test's name made fit for a file name: "Suite_Name".
std::string CurrentTestFileName();

}  // namespace e2e

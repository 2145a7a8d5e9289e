// Paste at the pointer: with the paste-via-clipboard mode on, a press on an entry puts its text on
// the clipboard and the release pastes it into the edit field under the pointer.
#include <gtest/gtest.h>

#include <chrono>

#include "app_test.h"
#include "clipboard_tools.h"
#include "input.h"
#include "paste_targets.h"
#include "pointer_tools.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr UINT kUseClipboardCommand = 32774;
// "first\r\nsecond": index 9 is the 'c' of "second", on the field's second line.
constexpr char kFieldText[] = "first\r\nsecond";
constexpr int kPasteIndex = 9;

class PasteTest : public AppTest {
  protected:
    // Two entries, the lower one holding a line break; the mode on; an edit field beside the
    // window.
    void StartInPasteMode() {
        ASSERT_NO_FATAL_FAILURE(StartApp());
        CopyText("ab\r\ncd");
        CopyText("beta");
        ASSERT_EQ(Entries(), kTwoEntries);
        PostCommand(App().Frame(), kUseClipboardCommand);
        ASSERT_TRUE(App().Sync());
        field_ = std::make_unique<EditWindow>(BesideFrame(App().Frame(), 240, 120), kFieldText);
        ASSERT_TRUE(field_->Edit());
    }

    // Button down on the entry, a hand's path to `to`, and the release there.
    void CarryEntryTo(int index, POINT to) {
        const POINT entry = EntryPoint(App().List(), index);
        PointAt(entry);
        MouseButton(true);
        MoveInSteps(entry, to, 5);
        MouseButton(false);
    }

    HWND Capture() { return CaptureOfThreadOf(App().Frame()); }

    const Texts kTwoEntries{"beta", "ab\r\ncd"};
    std::unique_ptr<EditWindow> field_;
};

TEST_F(PasteTest, ReleaseOverAnEditFieldPastesTheEntryThereAndLeavesTheListAlone) {
    ASSERT_NO_FATAL_FAILURE(StartInPasteMode());
    const POINT entry = EntryPoint(App().List(), 1);
    const POINT field = field_->CharacterPoint(kPasteIndex);

    PointAt(entry);
    MouseButton(true);
    // Over the other entry first: the list moves its selection along, which does not change
    // what is carried.
    MoveInSteps(entry, EntryPoint(App().List(), 0), 2);
    MoveInSteps(EntryPoint(App().List(), 0), field, 5);
    MouseButton(false);

    // The field reports line 1 in the high word of its answer: only the low word is the caret.
    const std::string expected = "first\r\nse" + std::string("ab\r\ncd") + "cond";
    EXPECT_TRUE(WaitUntil([&] { return field_->Text() == expected; }, 5s)) << field_->Text();
    EXPECT_EQ(GetClipboardText(), "ab\r\ncd");
    EXPECT_EQ(Entries(), kTwoEntries);
    EXPECT_EQ(Capture(), nullptr);
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(PasteTest, ClickOnAnEntryPutsItOnTheClipboardAndPastesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartInPasteMode());

    ClickAt(EntryPoint(App().List(), 1));

    EXPECT_TRUE(WaitUntil([] { return GetClipboardText() == "ab\r\ncd"; }, 5s));
    PumpFor(300ms);
    EXPECT_EQ(field_->Text(), kFieldText);
    EXPECT_EQ(Entries(), kTwoEntries);
    EXPECT_EQ(Capture(), nullptr);
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(PasteTest, ReleasePastesWhatTheClipboardHoldsThen) {
    ASSERT_NO_FATAL_FAILURE(StartInPasteMode());
    const struct {
        const char* name;
        bool (*replace)();
        std::string expected;
        DWORD caret;  // after the release, as EM_GETSEL reports it
    } kCases[] = {
        // Nothing at all is sent: the caret stays at the start.
        {"a picture only: nothing is pasted", [] { return SetClipboardBitmapOnly(); }, kFieldText,
         MAKELONG(0, 0)},
        {"another text: that text is pasted", [] { return SetClipboardText("zz"); },
         "first\r\nsezzcond", MAKELONG(kPasteIndex + 2, kPasteIndex + 2)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        field_->Reset(kFieldText);
        const POINT entry = EntryPoint(App().List(), 1);
        const POINT field = field_->CharacterPoint(kPasteIndex);
        PointAt(entry);
        MouseButton(true);
        ASSERT_TRUE(WaitUntil([] { return GetClipboardText() == "ab\r\ncd"; }, 5s));
        MoveInSteps(entry, field, 3);
        ASSERT_TRUE(c.replace());
        MoveInSteps(field, {field.x + 1, field.y}, 2);
        MouseButton(false);

        EXPECT_TRUE(WaitUntil([&] { return Capture() == nullptr; }, 5s));
        EXPECT_TRUE(WaitUntil([&] { return field_->Text() == c.expected; }, 3s));
        PumpFor(300ms);  // a paste that should not come would have come by now
        EXPECT_EQ(field_->Text(), c.expected);
        EXPECT_EQ(field_->Selection(), c.caret);
    }
}

TEST_F(PasteTest, ReleaseOverNoWindowOfAnyApplicationOnlyEndsTheCarry) {
    ASSERT_NO_FATAL_FAILURE(StartInPasteMode());
    // A point that no window covers. Absolute input cannot leave the screen, and under Wine
    // WindowFromPoint gives the desktop window (#32769) wherever no other window is, so "no window"
    // is the bare desktop here: the program talks to the desktop window, which handles none of
    // the paste messages.
    const POINT bare{GetSystemMetrics(SM_CXSCREEN) - 10, GetSystemMetrics(SM_CYSCREEN) - 10};
    const HWND under = WindowFromPoint(bare);
    ASSERT_TRUE(under == nullptr || under == GetDesktopWindow()) << ClassName(under);

    CarryEntryTo(1, bare);

    EXPECT_TRUE(WaitUntil([&] { return Capture() == nullptr; }, 3s));
    PumpFor(300ms);
    EXPECT_EQ(field_->Text(), kFieldText);
    EXPECT_EQ(GetClipboardText(), "ab\r\ncd");
    EXPECT_EQ(Entries(), kTwoEntries);
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(PasteTest, HungTargetDoesNotFreezeTheProgram) {
    ASSERT_NO_FATAL_FAILURE(StartInPasteMode());
    HungWindow hung(BesideFrame(App().Frame(), 200, 120, 1), 10s);
    ASSERT_TRUE(hung.Window());

    CarryEntryTo(1, CenterOf(WindowRect(hung.Window())));
    const auto released = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitUntil([&] { return hung.ReceivedPositionQuery(); }, 5s));
    // The release handler ends the capture once its position query has come back or been given
    // up. (A sent message is no probe here: the program handles those while it waits.)
    const bool ended = WaitUntil([&] { return Capture() == nullptr; }, 15s);
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - released);

    EXPECT_TRUE(ended);
    EXPECT_LT(waited, 5s) << "the release took " << waited.count() << " ms";
    RecordProperty("releaseHandledAfterMs", static_cast<int>(waited.count()));
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(App().Frame(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer), 0);
    EXPECT_EQ(Entries(), kTwoEntries);
    EXPECT_EQ(App().Close(), 0u);
}

}  // namespace
}  // namespace e2e

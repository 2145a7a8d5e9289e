// Dragging entries out of the list, and dragging other applications' data onto it. Drags are real
// input: the button goes down, the pointer moves in steps 50-100 ms apart, the button goes up.
// Where the program's thread holds the mouse capture tells which stage a drag is in: the frame
// holds it while the start rule waits, the system's drag loop window while the drag runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "app_test.h"
#include "clipboard_tools.h"
#include "input.h"
#include "ole_tools.h"
#include "pointer_tools.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr DWORD kCopy = DROPEFFECT_COPY;
constexpr DWORD kMove = DROPEFFECT_MOVE;
constexpr DWORD kLink = DROPEFFECT_LINK;
constexpr DWORD kNone = DROPEFFECT_NONE;

class DragTest : public AppTest {
  protected:
    // Two entries, the lower one holding a line break; a drop target beside the window.
    void StartWithTwoEntries() {
        ASSERT_NO_FATAL_FAILURE(StartApp());
        CopyText("two\r\nlines");
        CopyText("beta");
        ASSERT_EQ(Entries(), kTwoEntries);
        target_ = std::make_unique<DropTargetWindow>(BesideFrame(App().Frame(), 240, 160));
        ASSERT_TRUE(target_->Window());
        clipboardSequence_ = GetClipboardSequenceNumber();
    }

    POINT TargetPoint() { return CenterOf(WindowRect(target_->Window())); }
    HWND Capture() { return CaptureOfThreadOf(App().Frame()); }
    // The system's drag loop holds the capture: neither the frame's wait nor the list's own.
    bool DragLoopRuns() {
        const HWND capture = Capture();
        return capture && capture != App().Frame() && capture != App().List();
    }

    // Nothing changed: list, selection made by the press, clipboard, and no capture is left.
    void ExpectNothingChanged(int selected) {
        EXPECT_EQ(Entries(), kTwoEntries);
        EXPECT_EQ(App().Reader().CurrentSelection(), selected);
        EXPECT_EQ(GetClipboardSequenceNumber(), clipboardSequence_) << "the clipboard was written";
        EXPECT_TRUE(WaitUntil([&] { return Capture() == nullptr; }, 3s));
    }

    const Texts kTwoEntries{"beta", "two\r\nlines"};
    std::unique_ptr<DropTargetWindow> target_;
    DWORD clipboardSequence_ = 0;
};

TEST_F(DragTest, DropsTheEntrysTextAsACopyAndLeavesTheListAlone) {
    ASSERT_NO_FATAL_FAILURE(StartWithTwoEntries());

    const POINT entry = EntryPoint(App().List(), 1);
    PointAt(entry);
    MouseButton(true);
    MoveInSteps(entry, TargetPoint(), 6);
    MoveInSteps(TargetPoint(), {TargetPoint().x + 4, TargetPoint().y + 4}, 2);
    MouseButton(false);

    ASSERT_TRUE(target_->WaitForDrop());
    const DropRecord record = target_->Record();
    // A block of length + 1 bytes: the text, line break included, and its NUL.
    EXPECT_EQ(record.droppedBlock, std::string("two\r\nlines", 11));
    EXPECT_EQ(record.allowedAtEnter, kCopy);
    EXPECT_EQ(record.allowedAtDrop, kCopy);
    EXPECT_EQ(record.answerAtDrop, kCopy);
    ExpectNothingChanged(1);
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(DragTest, ClickReleasedAtOnceStartsNoDrag) {
    ASSERT_NO_FATAL_FAILURE(StartWithTwoEntries());

    const POINT entry = EntryPoint(App().List(), 1);
    PointAt(entry);
    MouseButton(true);
    PumpFor(30ms);
    MouseButton(false);
    // Were the release not taken as the end of the wait, the jump would start a drag with the
    // button up, and it would drop at once where the pointer is: on the target.
    MoveMouseTo(TargetPoint());
    PumpFor(600ms);

    EXPECT_EQ(target_->Record().enters, 0);
    ExpectNothingChanged(1);
}

TEST_F(DragTest, HoldingStillPastTheDelayStartsTheDragAndReleasingOnTheListChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartWithTwoEntries());

    PointAt(EntryPoint(App().List(), 0));
    MouseButton(true);
    ASSERT_TRUE(WaitUntil([&] { return Capture() != nullptr; }, 150ms));
    EXPECT_EQ(Capture(), App().Frame())
        << "the start rule waits with the frame holding the capture";
    EXPECT_TRUE(WaitUntil([&] { return DragLoopRuns(); }, 2s)) << "no drag without movement";
    PumpFor(150ms);
    EXPECT_TRUE(DragLoopRuns());
    MouseButton(false);  // drops on the list itself, which takes the copy and adds nothing

    ExpectNothingChanged(0);
    EXPECT_EQ(target_->Record().enters, 0);
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(DragTest, EscOrTheRightButtonCancelsTheMiddleButtonDoesNot) {
    ASSERT_NO_FATAL_FAILURE(StartWithTwoEntries());
    enum class Stage { kWait, kDrag };
    enum class Action { kEsc, kRightButton, kMiddleButton };
    const struct {
        Stage stage;
        Action action;
        bool drops;
    } kCases[] = {
        {Stage::kWait, Action::kEsc, false},         {Stage::kWait, Action::kRightButton, false},
        {Stage::kWait, Action::kMiddleButton, true}, {Stage::kDrag, Action::kEsc, false},
        {Stage::kDrag, Action::kRightButton, false}, {Stage::kDrag, Action::kMiddleButton, true},
    };
    const POINT entry = EntryPoint(App().List(), 1);
    int expectedDrops = 0;
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "stage " << static_cast<int>(c.stage) << ", action "
                                          << static_cast<int>(c.action));
        ASSERT_TRUE(BringToFront(App().Frame())) << "Esc must reach the program";
        const int entersBefore = target_->Record().enters;
        PointAt(entry);
        MouseButton(true);
        if (c.stage == Stage::kWait) {
            PumpFor(40ms);  // well within the delay, the pointer still
        } else {
            MoveInSteps(entry, TargetPoint(), 6);
            ASSERT_EQ(target_->Record().enters, entersBefore + 1) << "the drag did not start";
        }
        switch (c.action) {
            case Action::kEsc:
                PressKeys({VK_ESCAPE});
                break;
            case Action::kRightButton:
                MouseButton(true, true);
                PumpFor(30ms);
                MouseButton(false, true);
                break;
            case Action::kMiddleButton:
                MiddleButton(true);
                PumpFor(30ms);
                MiddleButton(false);
                break;
        }
        PumpFor(100ms);
        if (c.stage == Stage::kWait && !c.drops) {
            EXPECT_EQ(Capture(), nullptr) << "the wait ends with its capture";
        }
        if (c.stage == Stage::kWait) {
            MoveInSteps(entry, TargetPoint(), 6);
        }
        MoveInSteps(TargetPoint(), {TargetPoint().x + 4, TargetPoint().y + 4}, 2);
        MouseButton(false);
        PumpFor(300ms);

        if (c.drops) {
            ++expectedDrops;
            ASSERT_TRUE(target_->WaitForDrop());
            EXPECT_EQ(target_->Record().droppedBlock, std::string("two\r\nlines", 11));
        }
        EXPECT_EQ(target_->Record().drops, expectedDrops);
        if (c.stage == Stage::kWait && !c.drops) {
            EXPECT_EQ(target_->Record().enters, entersBefore) << "a cancelled wait starts no drag";
        }
        ExpectNothingChanged(1);
    }
}

TEST_F(DragTest, PressBelowTheLastEntryOrInAnEmptyListStartsNoDrag) {
    for (const bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty list" : "below the last entry");
        ASSERT_NO_FATAL_FAILURE(StartApp());
        if (!empty) {
            CopyText("only");
        }
        const Texts before = empty ? Texts{} : Texts{"only"};
        DropTargetWindow target(BesideFrame(App().Frame(), 240, 160));
        const POINT press = BelowLastEntry(App().List());
        const POINT drop = CenterOf(WindowRect(target.Window()));

        PointAt(press);
        MouseButton(true);
        PumpFor(400ms);  // past the delay
        // Neither the start rule's wait (frame) nor a drag loop. Wine's list box takes no capture
        // for a press on no entry; a list box that did would hold it itself.
        const HWND capture = CaptureOfThreadOf(App().Frame());
        EXPECT_TRUE(capture == nullptr || capture == App().List())
            << "only the list's own processing may hold the capture";
        MoveInSteps(press, drop, 6);
        MouseButton(false);
        PumpFor(300ms);

        EXPECT_EQ(target.Record().enters, 0);
        EXPECT_EQ(Entries(), before);
        EXPECT_EQ(App().Reader().CurrentSelection(), LB_ERR);
        EXPECT_EQ(App().Close(), 0u);
    }
}

TEST_F(DragTest, TheListTakesDraggedTextAsTheSourceAllowsAndAddsNothing) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    CopyText("kept");
    const struct {
        const char* name;
        OfferedData data;
        DWORD allowed;
        DWORD expected;
    } kCases[] = {
        {"text, any effect", TextData("dragged in"), kCopy | kMove | kLink, kCopy},
        {"text, move only", TextData("dragged in"), kMove, kMove},
        {"text, link only", TextData("dragged in"), kLink, kLink},
        {"files only", FileListData("C:\\windows\\win.ini"), kCopy | kMove | kLink, kNone},
    };
    const DWORD clipboardSequence = GetClipboardSequenceNumber();
    const POINT list = CenterOf(ClientRectOnScreen(App().List()));
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        DragSourceWindow source(BesideFrame(App().Frame(), 200, 120), {c.data}, c.allowed);
        ASSERT_TRUE(source.Window());
        const POINT start = CenterOf(WindowRect(source.Window()));

        PointAt(start);
        MouseButton(true);  // the source starts its drag
        MoveInSteps(start, list, 6);
        MoveInSteps(list, {list.x + 3, list.y + 3}, 2);
        MouseButton(false);

        const auto outcome = source.WaitForOutcome();
        ASSERT_TRUE(outcome.has_value()) << "the source's drag did not end";
        EXPECT_EQ(outcome->effect, c.expected);
        ASSERT_FALSE(outcome->feedback.empty());
        EXPECT_EQ(outcome->feedback.back(), c.expected) << "the effect shown over the list";
        if (c.expected == kNone) {
            EXPECT_EQ(std::count(outcome->feedback.begin(), outcome->feedback.end(), kNone),
                      static_cast<std::ptrdiff_t>(outcome->feedback.size()))
                << "no other effect was ever shown, entering the list included";
        }
        if (c.expected != kNone) {
            EXPECT_EQ(outcome->result, DRAGDROP_S_DROP);
        }
        EXPECT_EQ(Entries(), Texts{"kept"});
    }
    EXPECT_EQ(GetClipboardSequenceNumber(), clipboardSequence);
    EXPECT_EQ(App().Close(), 0u);
}

}  // namespace
}  // namespace e2e

// The about box: what it shows, where it appears, that the main window takes no input while it is
// up, and the three ways to close it.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "command_test.h"
#include "dialogs.h"
#include "input.h"
#include "list_actions.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr UINT kAppAbout = 57664;

struct Control {
    std::string className;
    std::string text;
    RECT rect;
};

// The dialog's controls, top to bottom.
std::vector<Control> ControlsTopToBottom(HWND dialog) {
    std::vector<Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // By window, not by id: the three texts share the id -1.
        controls.push_back({ClassName(child), Caption(child), WindowRect(child)});
    }
    std::stable_sort(controls.begin(), controls.end(),
                     [](const Control& a, const Control& b) { return a.rect.top < b.rect.top; });
    return controls;
}

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

class AboutBoxTest : public CommandTest {
  protected:
    void MoveFrame(int x, int y, int width, int height) {
        ASSERT_TRUE(SetWindowPos(App().Frame(), nullptr, x, y, width, height,
                                 SWP_NOZORDER | SWP_NOACTIVATE));
        ASSERT_TRUE(App().Sync());
    }

    // Chooses the about item; the box that appears.
    HWND OpenAboutBox() {
        PostCommand(App().Frame(), kAppAbout);
        HWND box = WaitForDialogOf(App().Frame());
        EXPECT_NE(box, nullptr) << "no about box appeared";
        return box;
    }

    void CloseWithOk(HWND box) {
        PressDialogButton(box, IDOK);
        ASSERT_TRUE(WaitForDialogGone(box));
    }
};

TEST_F(AboutBoxTest, ShowsNameVersionNoticeAndOkTopToBottom) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    HWND box = OpenAboutBox();
    ASSERT_NE(box, nullptr);

    const std::vector<Control> controls = ControlsTopToBottom(box);
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0].text, "Vantrel");
    EXPECT_EQ(controls[1].text, "Ver.1.0.0.3");
    EXPECT_FALSE(controls[2].text.empty()) << "the notice line";
    EXPECT_EQ(controls[3].text, "OK");
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(controls[i].className, "Static") << i;
        EXPECT_LE(controls[i].rect.bottom, controls[i + 1].rect.top) << "overlaps the next " << i;
    }
    EXPECT_EQ(controls[3].className, "Button");

    ASSERT_NO_FATAL_FAILURE(CloseWithOk(box));
}

TEST_F(AboutBoxTest, IsOwnedByTheMainWindowWhichIsDisabledMeanwhile) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    MoveFrame(100, 100, 400, 400);
    ASSERT_NO_FATAL_FAILURE(FillList({"one", "two"}));
    HWND box = OpenAboutBox();
    ASSERT_NE(box, nullptr);

    EXPECT_EQ(GetWindow(box, GW_OWNER), App().Frame());
    EXPECT_FALSE(IsWindowEnabled(App().Frame()));

    // A click on an entry (clear of the box) and a key meant for the list go nowhere; the box's
    // own Esc, which comes after them, shows that they were handled.
    const auto entry = EntryRectOnScreen(App().List(), 1);
    ASSERT_TRUE(entry);
    const RECT boxRect = WindowRect(box);
    RECT overlap{};
    ASSERT_FALSE(IntersectRect(&overlap, &*entry, &boxRect));
    ClickAt(CenterOf(*entry));
    PressKeys({VK_CONTROL, 'A'});
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForDialogGone(box));

    EXPECT_TRUE(IsWindowEnabled(App().Frame()));
    EXPECT_EQ(App().Reader().CurrentSelection(), LB_ERR);
    EXPECT_EQ(Entries(), (Texts{"one", "two"}));
}

TEST_F(AboutBoxTest, IsCentredOverTheMainWindowWithinTheWorkArea) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const RECT work = WorkArea();
    const struct {
        const char* what;
        POINT framePosition;
    } cases[] = {
        {"in the middle of the screen", {(work.left + work.right) / 2 - 150, 300}},
        {"partly off the top left corner", {work.left - 250, work.top - 250}},
        {"partly off the bottom right corner", {work.right - 50, work.bottom - 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MoveFrame(c.framePosition.x, c.framePosition.y, 300, 300);
        HWND box = OpenAboutBox();
        ASSERT_NE(box, nullptr);

        const RECT frame = WindowRect(App().Frame());
        const RECT rect = WindowRect(box);
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        const POINT centred = CenterOf(frame);
        const LONG x = std::clamp<LONG>(centred.x - width / 2, work.left, work.right - width);
        const LONG y = std::clamp<LONG>(centred.y - height / 2, work.top, work.bottom - height);
        EXPECT_NEAR(rect.left, x, 1);
        EXPECT_NEAR(rect.top, y, 1);

        ASSERT_NO_FATAL_FAILURE(CloseWithOk(box));
    }
}

TEST_F(AboutBoxTest, ClosesByEnterEscAndTheCloseBox) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const struct {
        const char* what;
        WORD key;  // 0: the close box
    } ways[] = {{"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"the close box", 0}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        HWND box = OpenAboutBox();
        ASSERT_NE(box, nullptr);
        if (way.key) {
            ASSERT_TRUE(BringToFront(box));
            PressKeys({way.key});
        } else {
            PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        EXPECT_TRUE(WaitForDialogGone(box));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(App().Frame()) != FALSE; }));
        EXPECT_TRUE(App().IsRunning());
    }
}

}  // namespace
}  // namespace e2e

// The main window and its list as a fresh start shows them.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "app_test.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr int kDefaultOuterSize = 200;
constexpr DWORD kListStyle = 0x50300100;  // child, visible, both scroll bars, no integral height
// The list box adds LBS_HASSTRINGS itself, and a scroll bar's style bit goes while the bar is
// hidden (no LBS_DISABLENOSCROLL).
constexpr DWORD kScrollBarBits = WS_VSCROLL | WS_HSCROLL;
constexpr DWORD kDerivedListBits = LBS_HASSTRINGS;

std::string Lowercase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

class StartupTest : public AppTest {};

TEST_F(StartupTest, FreshStartShowsAnEmptyListInASmallTopmostWindow) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const HWND frame = App().Frame();

    EXPECT_EQ(Caption(frame), "Vantrel");
    const RECT outer = WindowRect(frame);
    EXPECT_EQ(outer.right - outer.left, kDefaultOuterSize);
    EXPECT_EQ(outer.bottom - outer.top, kDefaultOuterSize);
    EXPECT_EQ(GetParent(frame), nullptr);
    EXPECT_EQ(Style(frame) & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
    EXPECT_TRUE(ExStyle(frame) & WS_EX_TOPMOST);
    EXPECT_TRUE(ExStyle(frame) & WS_EX_CLIENTEDGE);

    EXPECT_EQ(App().Reader().Count(), 0);
    EXPECT_EQ(App().Reader().CurrentSelection(), LB_ERR);
}

TEST_F(StartupTest, ListIsASunkenListBoxFillingTheClientArea) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const HWND list = App().List();

    EXPECT_EQ(Lowercase(ClassName(list)), "listbox");
    EXPECT_EQ(ControlId(list), kListControlId);
    EXPECT_EQ(GetParent(list), App().Frame());
    EXPECT_TRUE(ExStyle(list) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(WindowRect(list), ClientRectOnScreen(App().Frame()));
    EXPECT_EQ(Style(list) & ~(kScrollBarBits | kDerivedListBits), kListStyle & ~kScrollBarBits)
        << std::hex << "style 0x" << Style(list);
}

TEST_F(StartupTest, ListShowsBothScrollBarsOnceItNeedsThem) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    // Taller and wider than the 200 x 200 window.
    for (int i = 0; i < 30; ++i) {
        ASSERT_NO_FATAL_FAILURE(CopyText("entry " + std::to_string(i)));
    }
    ASSERT_NO_FATAL_FAILURE(CopyText(std::string(200, 'W')));
    ASSERT_EQ(App().Reader().Count(), 31);

    EXPECT_EQ(Style(App().List()) & ~kDerivedListBits, kListStyle)
        << std::hex << "style 0x" << Style(App().List());
}

}  // namespace
}  // namespace e2e

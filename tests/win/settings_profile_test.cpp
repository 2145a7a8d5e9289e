// The main window's stored placement, read from and written to a real settings
// file through the test application's profile, and the frame's creation
// parameters made from it.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "app/main_frame.h"
#include "app/profile_binary.h"
#include "app/settings_profile.h"
#include "app/settings_records.h"
#include "framework/view.h"  // the frame owns its view
#include "tests/win/test_app.h"

// Found by argument-dependent lookup, so they live beside RECT.
static bool operator==(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != FALSE;
}
static std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace tessik {
namespace {

constexpr char kSection[] = "Settings";
constexpr char kWindowKey[] = "Window";

// The 88 letters of a placement: normal, at (100, 100)-(300, 300), minimised
// and maximised positions (-1, -1).
constexpr char kExampleWindowValue[] =
    "MCAAAAAAAAAAAAAABAAAAAAAPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPEGAAAAAAEGAAAAAAMCBAAAAAMCBAAAAA";

std::string WindowValue(std::uint32_t showCmd, int left, int top, int right, int bottom) {
    PlacementRecord record;
    record.showCmd = showCmd;
    record.minX = record.minY = record.maxX = record.maxY = -1;
    record.left = left;
    record.top = top;
    record.right = right;
    record.bottom = bottom;
    const auto bytes = SerializePlacementRecord(record);
    return EncodeProfileBinary(bytes.data(), bytes.size());
}

RECT WorkArea() {
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

std::optional<StoredPlacement> LoadWithWindowValue(const std::string& value) {
    test::ScopedSettingsFile settings;
    test::TestApp().WriteProfileString(kSection, kWindowKey, value.c_str());
    return LoadStoredPlacement(test::TestApp());
}

TEST(StoredPlacementTest, ValuesOfAnotherLengthOrAnEmptyRectangleCountAsAbsent) {
    const std::string example = kExampleWindowValue;
    const struct {
        const char* name;
        std::string value;
    } cases[] = {
        {"missing", ""},
        {"87 letters", example.substr(0, 87)},
        {"89 letters", example + "A"},
        {"120 letters", example + std::string(32, 'A')},
        {"zero width, maximised", WindowValue(3, 100, 100, 100, 300)},
        {"negative height", WindowValue(1, 100, 300, 300, 100)},
        {"all zero", std::string(88, 'A')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(LoadWithWindowValue(c.value));
    }
}

TEST(StoredPlacementTest, RectangleWhollyOffScreenIsMovedOntoItAndOneOnScreenIsKept) {
    const RECT area = WorkArea();
    ASSERT_GE(area.right - area.left, 200);
    ASSERT_GE(area.bottom - area.top, 200);
    const struct {
        const char* name;
        RECT stored;
        RECT expected;
    } cases[] = {
        {"far beyond the bottom right",
         {5000, 5000, 5200, 5200},
         {area.right - 200, area.bottom - 200, area.right, area.bottom}},
        {"above and left",
         {-900, -700, -700, -500},
         {area.left, area.top, area.left + 200, area.top + 200}},
        {"larger than the screen, off it",
         {-9000, 0, -9000 + 5000, 5000},
         {area.left, area.top, area.right, area.bottom}},
        {"partly on screen", {-100, -100, 100, 100}, {-100, -100, 100, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RECT& r = c.stored;
        const auto placement =
            LoadWithWindowValue(WindowValue(1, r.left, r.top, r.right, r.bottom));
        ASSERT_TRUE(placement);
        EXPECT_EQ(placement->normal, c.expected);
    }
}

// A top-level window, created hidden.
class PlainWindow {
  public:
    explicit PlainWindow(const RECT& r)
        : hwnd_(::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr,
                                  nullptr)) {}
    ~PlainWindow() { ::DestroyWindow(hwnd_); }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

  private:
    HWND hwnd_;
};

TEST(StoredPlacementTest, StoresTheShowStateAndTheNormalRectangle) {
    const RECT normal{150, 160, 350, 410};
    for (const bool maximized : {false, true}) {
        SCOPED_TRACE(maximized ? "maximised" : "normal");
        test::ScopedSettingsFile settings;
        PlainWindow window(normal);
        ASSERT_TRUE(window.hwnd());
        if (maximized)
            ::ShowWindow(window.hwnd(), SW_SHOWMAXIMIZED);

        StorePlacement(test::TestApp(), window.hwnd());
        const std::string value = test::TestApp().GetProfileString(kSection, kWindowKey);
        const auto bytes = DecodeProfileRecord(value, kPlacementRecordSize);
        ASSERT_TRUE(bytes) << value;
        const PlacementRecord record = ParsePlacementRecord(*bytes);
        EXPECT_EQ(record.length, kPlacementRecordSize);
        EXPECT_EQ(record.showCmd, maximized ? 3u : 1u);
        EXPECT_EQ((RECT{record.left, record.top, record.right, record.bottom}), normal);
    }
}

class InspectedMainFrame : public CMainFrame {
  public:
    using CMainFrame::PreCreateWindow;
};

struct FrameParameters {
    int x, y, cx, cy;
    bool topmost;
    bool addsDocumentName;
    int startupShowCommand;
};

FrameParameters FrameParametersWith(const std::optional<std::string>& windowValue) {
    test::ScopedSettingsFile settings;
    if (windowValue)
        test::TestApp().WriteProfileString(kSection, kWindowKey, windowValue->c_str());
    InspectedMainFrame frame;
    CREATESTRUCTA cs{};
    cs.hInstance = test::TestApp().GetInstanceHandle();
    cs.style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    EXPECT_TRUE(frame.PreCreateWindow(cs));
    return {cs.x,
            cs.y,
            cs.cx,
            cs.cy,
            (cs.dwExStyle & WS_EX_TOPMOST) != 0,
            (cs.style & FWS_ADDTOTITLE) != 0,
            test::TestApp().TakeStartupShowCommand()};
}

TEST(MainFrameTest, CreationParametersTakeTheStoredPlacement) {
    const int most = std::numeric_limits<int>::max();
    const struct {
        const char* name;
        std::optional<std::string> value;
        int x, y, cx, cy;
        int startupShowCommand;
    } cases[] = {
        {"nothing stored", std::nullopt, CW_USEDEFAULT, CW_USEDEFAULT, 200, 200, SW_SHOWNORMAL},
        {"the example", kExampleWindowValue, 100, 100, 200, 200, SW_SHOWNORMAL},
        {"maximised", WindowValue(3, 10, 20, 310, 420), 10, 20, 300, 400, SW_SHOWMAXIMIZED},
        {"minimised", WindowValue(2, 10, 20, 310, 420), 10, 20, 300, 400, SW_SHOWNORMAL},
        {"wider than a window can be", WindowValue(1, -2000000000, 0, 2000000000, 300), -2000000000,
         0, most, 300, SW_SHOWNORMAL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FrameParameters made = FrameParametersWith(c.value);
        EXPECT_EQ(made.x, c.x);
        EXPECT_EQ(made.y, c.y);
        EXPECT_EQ(made.cx, c.cx);
        EXPECT_EQ(made.cy, c.cy);
        EXPECT_EQ(made.startupShowCommand, c.startupShowCommand);
        EXPECT_TRUE(made.topmost);
        EXPECT_FALSE(made.addsDocumentName);
    }
}

}  // namespace
}  // namespace tessik

// The settings file beside the program: the main window's placement and the
// list's font survive a restart, other values stay as found, and a file that
// cannot be written or read changes nothing but the settings.

#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "ansi_text.h"
#include "app_test.h"
#include "dialogs.h"
#include "input.h"
#include "unique_handle.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr UINT kFontCommand = 32771;
constexpr UINT kSendTimeoutMilliseconds = 10000;
constexpr int kDefaultOuterSize = 200;
constexpr size_t kPlacementSize = 44;
constexpr size_t kFontSize = 60;

// The 88 letters of a placement: normal, at (100, 100)-(300, 300), minimised
// and maximised positions (-1, -1).
constexpr char kExampleWindowValue[] =
    "MCAAAAAAAAAAAAAABAAAAAAAPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPEGAAAAAAEGAAAAAAMCBAAAAAMCBAAAAA";

// Two letters per byte, 'A' + the low half first.
std::string Encode(const void* data, size_t size) {
    std::string letters;
    for (size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<const std::uint8_t*>(data)[i];
        letters += static_cast<char>('A' + (byte & 0x0F));
        letters += static_cast<char>('A' + (byte >> 4));
    }
    return letters;
}

bool IsLettersAToP(const std::string& text) {
    for (char c : text) {
        if (c < 'A' || c > 'P') {
            return false;
        }
    }
    return true;
}

// The record the letters hold; nothing unless they are exactly 2 x size letters A to P.
template <typename Record>
std::optional<Record> Decode(const std::optional<std::string>& letters) {
    if (!letters || letters->size() != 2 * sizeof(Record) || !IsLettersAToP(*letters)) {
        return std::nullopt;
    }
    Record record{};
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (size_t i = 0; i < sizeof(Record); ++i) {
        bytes[i] =
            static_cast<std::uint8_t>((*letters)[2 * i] - 'A' + 16 * ((*letters)[2 * i + 1] - 'A'));
    }
    return record;
}

std::string WindowValue(UINT showCmd, const RECT& normal) {
    WINDOWPLACEMENT placement{};
    static_assert(sizeof placement == kPlacementSize);
    placement.length = sizeof placement;
    placement.showCmd = showCmd;
    placement.ptMinPosition = {-1, -1};
    placement.ptMaxPosition = {-1, -1};
    placement.rcNormalPosition = normal;
    return Encode(&placement, sizeof placement);
}

std::string SettingsIni(const std::string& windowValue) {
    return "[Settings]\r\nWindow=" + windowValue + "\r\n";
}

int ScreenPixelsPerInchY() {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
}

std::string FaceOf(const LOGFONTA& font) {
    return std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
}

// "ＭＳ Ｐゴシック" in Shift-JIS.
constexpr char kDefaultFace[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

// The items of a combo box of the font dialog, in the ANSI code page.
std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    SendMessageTimeoutW(combo, CB_GETCOUNT, 0, 0, SMTO_NORMAL, kSendTimeoutMilliseconds, &count);
    for (DWORD_PTR i = 0; i < count && static_cast<LRESULT>(count) != CB_ERR; ++i) {
        std::wstring text(LF_FACESIZE * 2, L'\0');
        DWORD_PTR length = 0;
        SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()),
                            SMTO_NORMAL, kSendTimeoutMilliseconds, &length);
        text.resize(static_cast<LRESULT>(length) == CB_ERR ? 0 : length);
        items.push_back(WideToAnsi(text));
    }
    return items;
}

// A face other than the default list font's, from those the dialog offers:
// under Wine here it lists the system's faces (DejaVu, IPA), not Tahoma.
std::string PickFace(HWND fontDialog) {
    const std::vector<std::string> faces = ComboItems(GetDlgItem(fontDialog, cmb1));
    for (const char* preferred : {"DejaVu Sans Mono", "DejaVu Serif", "Courier New", "Tahoma"}) {
        if (std::find(faces.begin(), faces.end(), preferred) != faces.end()) {
            return preferred;
        }
    }
    for (const std::string& face : faces) {
        if (!face.empty() && face.front() != '@' && face != kDefaultFace) {
            return face;
        }
    }
    return {};
}

// Selects the item as the user would. Wine's font dialog acts on a selection
// only when told of it, so the notification is sent here.
bool ChooseInFontDialog(HWND fontDialog, int comboId, const std::string& text) {
    const HWND combo = GetDlgItem(fontDialog, comboId);
    const std::wstring wide = AnsiToWide(text);
    DWORD_PTR index = static_cast<DWORD_PTR>(CB_ERR);
    SendMessageTimeoutW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL,
                        kSendTimeoutMilliseconds, &index);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(fontDialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(combo), SMTO_NORMAL, kSendTimeoutMilliseconds,
                        &ignored);
    return static_cast<LRESULT>(index) != CB_ERR;
}

class SettingsTest : public AppTest {
  protected:
    // A value of the settings file; nothing when the key is missing.
    std::optional<std::string> IniValue(const char* section, const char* key) {
        static constexpr char kMissing[] = "\x01missing";
        std::string buffer(4096, '\0');
        const DWORD length =
            GetPrivateProfileStringA(section, key, kMissing, buffer.data(),
                                     static_cast<DWORD>(buffer.size()), App().IniPath().c_str());
        buffer.resize(length);
        if (buffer == kMissing) {
            return std::nullopt;
        }
        return buffer;
    }
    std::optional<WINDOWPLACEMENT> StoredPlacement() {
        return Decode<WINDOWPLACEMENT>(IniValue("Settings", "Window"));
    }
    std::optional<LOGFONTA> StoredFont() { return Decode<LOGFONTA>(IniValue("Settings", "Font")); }

    int ListItemHeight() {
        DWORD_PTR height = 0;
        SendMessageTimeoutW(App().List(), LB_GETITEMHEIGHT, 0, 0, SMTO_NORMAL,
                            kSendTimeoutMilliseconds, &height);
        return static_cast<int>(height);
    }

    void CloseNormally() {
        const auto exitCode = App().Close();
        ASSERT_TRUE(exitCode) << "the program did not end";
        EXPECT_EQ(*exitCode, 0u);
    }

    // Restarts the same copy (same settings file) after it has ended.
    void Restart() { ASSERT_TRUE(App().Start()); }

    // The show state changes at the first showing or on a posted command; wait for it.
    static bool WaitForZoomed(HWND frame, bool zoomed) {
        return WaitUntil([&] { return (IsZoomed(frame) != FALSE) == zoomed; }, 5s);
    }
};

TEST_F(SettingsTest, WithoutSettingsTheDefaultsApplyAndAreStoredAtExit) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const RECT shown = WindowRect(App().Frame());
    EXPECT_EQ(shown.right - shown.left, kDefaultOuterSize);
    EXPECT_EQ(shown.bottom - shown.top, kDefaultOuterSize);
    ASSERT_NO_FATAL_FAILURE(CloseNormally());

    const auto window = IniValue("Settings", "Window");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->size(), 2 * kPlacementSize);
    EXPECT_TRUE(IsLettersAToP(*window)) << *window;
    const auto placement = StoredPlacement();
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->length, kPlacementSize);
    EXPECT_EQ(placement->showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(placement->rcNormalPosition, shown);

    const auto fontLetters = IniValue("Settings", "Font");
    ASSERT_TRUE(fontLetters);
    // The default list font: 10 points at the screen's resolution, the default
    // character set, "ＭＳ Ｐゴシック", every other byte 0.
    LOGFONTA expected{};
    expected.lfHeight = -(ScreenPixelsPerInchY() * 100 / 720);
    expected.lfCharSet = DEFAULT_CHARSET;
    std::memcpy(expected.lfFaceName, kDefaultFace, std::strlen(kDefaultFace));
    static_assert(sizeof expected == kFontSize);
    EXPECT_EQ(*fontLetters, Encode(&expected, sizeof expected));

    EXPECT_FALSE(IniValue("Settings", "PreviewPages")) << "a missing value stays missing";
}

TEST_F(SettingsTest, StoredWindowValueCreatesTheFrameInItsRectangle) {
    StartOptions options;
    options.iniText = SettingsIni(kExampleWindowValue);
    ASSERT_NO_FATAL_FAILURE(StartApp(options));
    EXPECT_EQ(WindowRect(App().Frame()), (RECT{100, 100, 300, 300}));
    EXPECT_FALSE(IsZoomed(App().Frame()));
    EXPECT_FALSE(IsIconic(App().Frame()));

    ASSERT_NO_FATAL_FAILURE(CloseNormally());
    EXPECT_EQ(IniValue("Settings", "Window"), kExampleWindowValue);
}

TEST_F(SettingsTest, ValuesThatCountAsAbsentGiveTheDefaultSize) {
    const std::string example = kExampleWindowValue;
    const struct {
        const char* what;
        std::string value;
    } cases[] = {
        {"87 letters", example.substr(0, 87)},
        {"120 letters", example + std::string(32, 'A')},
        {"an empty rectangle, maximised", WindowValue(SW_SHOWMAXIMIZED, RECT{300, 300, 300, 500})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartOptions options;
        options.iniText = SettingsIni(c.value);
        ASSERT_NO_FATAL_FAILURE(StartApp(options));
        const RECT shown = WindowRect(App().Frame());
        EXPECT_EQ(shown.right - shown.left, kDefaultOuterSize);
        EXPECT_EQ(shown.bottom - shown.top, kDefaultOuterSize);
        EXPECT_FALSE(IsZoomed(App().Frame()));
    }
}

TEST_F(SettingsTest, MaximisedStateShowsMaximisedAndRestoresToTheStoredRectangle) {
    const RECT normal{120, 130, 420, 380};
    StartOptions options;
    options.iniText = SettingsIni(WindowValue(SW_SHOWMAXIMIZED, normal));
    ASSERT_NO_FATAL_FAILURE(StartApp(options));
    EXPECT_TRUE(WaitForZoomed(App().Frame(), true));

    // Closed while maximised: the state and the normal rectangle are stored.
    ASSERT_NO_FATAL_FAILURE(CloseNormally());
    auto stored = StoredPlacement();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(stored->rcNormalPosition, normal);

    ASSERT_NO_FATAL_FAILURE(Restart());
    const HWND frame = App().Frame();
    ASSERT_TRUE(WaitForZoomed(frame, true));
    PostMessageW(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitForZoomed(frame, false));
    ASSERT_TRUE(App().Sync());
    EXPECT_EQ(WindowRect(frame), normal);

    ASSERT_NO_FATAL_FAILURE(CloseNormally());
    stored = StoredPlacement();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(stored->rcNormalPosition, normal);
}

TEST_F(SettingsTest, MinimisedStateChangesNothing) {
    const RECT normal{140, 150, 390, 350};
    StartOptions options;
    options.iniText = SettingsIni(WindowValue(SW_SHOWMINIMIZED, normal));
    ASSERT_NO_FATAL_FAILURE(StartApp(options));
    EXPECT_FALSE(IsIconic(App().Frame()));
    EXPECT_FALSE(IsZoomed(App().Frame()));
    EXPECT_EQ(WindowRect(App().Frame()), normal);
}

TEST_F(SettingsTest, RectangleOffEveryScreenComesUpOnTheScreen) {
    StartOptions options;
    options.iniText = SettingsIni(WindowValue(SW_SHOWNORMAL, RECT{5000, 5000, 5200, 5200}));
    ASSERT_NO_FATAL_FAILURE(StartApp(options));

    const RECT shown = WindowRect(App().Frame());
    EXPECT_EQ(shown.right - shown.left, 200);
    EXPECT_EQ(shown.bottom - shown.top, 200);
    EXPECT_GE(shown.left, 0);
    EXPECT_GE(shown.top, 0);
    EXPECT_LE(shown.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(shown.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(SettingsTest, FontChosenInTheFontDialogIsUsedAfterARestart) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const int defaultItemHeight = ListItemHeight();
    ASSERT_GT(defaultItemHeight, 0);

    PostCommand(App().Frame(), kFontCommand);
    const HWND dialog = WaitForDialogOf(App().Frame());
    ASSERT_TRUE(dialog) << "no font dialog";
    const std::string face = PickFace(dialog);
    ASSERT_FALSE(face.empty()) << "the font dialog lists no face";
    ASSERT_TRUE(ChooseInFontDialog(dialog, cmb1, face));
    ASSERT_TRUE(ChooseInFontDialog(dialog, cmb3, "28")) << "no size 28 in the font dialog";
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(WaitForDialogGone(dialog));
    ASSERT_TRUE(App().Sync());
    const int chosenItemHeight = ListItemHeight();
    EXPECT_NE(chosenItemHeight, defaultItemHeight);

    ASSERT_NO_FATAL_FAILURE(CloseNormally());
    const auto font = StoredFont();
    ASSERT_TRUE(font) << IniValue("Settings", "Font").value_or("(missing)");
    EXPECT_EQ(FaceOf(*font), face);
    EXPECT_EQ(font->lfHeight, -MulDiv(28, ScreenPixelsPerInchY(), 72));

    ASSERT_NO_FATAL_FAILURE(Restart());
    EXPECT_EQ(ListItemHeight(), chosenItemHeight);
}

TEST_F(SettingsTest, PreviewPagesFoundStaysAsItWas) {
    StartOptions options;
    options.iniText = "[Settings]\r\nPreviewPages=5\r\n";
    ASSERT_NO_FATAL_FAILURE(StartApp(options));
    ASSERT_NO_FATAL_FAILURE(CloseNormally());
    EXPECT_EQ(IniValue("Settings", "PreviewPages"), "5");
    EXPECT_TRUE(StoredPlacement());
}

// Wine running as root ignores FILE_ATTRIBUTE_READONLY (and Unix permissions)
// when a file is opened for writing, so the driver holds the file open with a
// share mode that refuses writers (read-only) or everybody (unreadable).
TEST_F(SettingsTest, SettingsFileThatCannotBeWrittenOrReadChangesNothingElse) {
    const std::string ini = SettingsIni(kExampleWindowValue) + "PreviewPages=5\r\n";
    const struct {
        const char* what;
        DWORD shareMode;
        bool readable;
    } cases[] = {
        {"read-only", FILE_SHARE_READ, true},
        {"held by another program", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app_.reset();
        app_ = std::make_unique<AppUnderTest>();
        ASSERT_TRUE(App().WriteIni(ini));
        UniqueHandle hold(CreateFileA(App().IniPath().c_str(), GENERIC_READ, c.shareMode, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(hold);

        ASSERT_TRUE(App().Start());
        const RECT shown = WindowRect(App().Frame());
        if (c.readable) {
            EXPECT_EQ(shown, (RECT{100, 100, 300, 300}));
        } else {
            EXPECT_EQ(shown.right - shown.left, kDefaultOuterSize);
            EXPECT_EQ(shown.bottom - shown.top, kDefaultOuterSize);
        }
        // Still working: it captures a copied text.
        ASSERT_NO_FATAL_FAILURE(CopyText("still here"));
        EXPECT_EQ(Entries(), Texts{"still here"});
        ASSERT_NO_FATAL_FAILURE(CloseNormally());

        hold.reset();
        EXPECT_EQ(App().IniText(), ini);
    }
}

}  // namespace
}  // namespace e2e

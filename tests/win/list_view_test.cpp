// The history list view in-process, with real list boxes and real fonts: the
// horizontal extent, the default list font, and the view's creation and
// destruction steps that concern its font.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/profile_binary.h"
#include "framework/clipboard.h"
#include "framework/frame_wnd.h"
#include "framework/framework_ids.h"
#include "framework/gdi_guards.h"
#include "framework/handles.h"
#include "framework/ole_init.h"
#include "history/horizontal_extent.h"
#include "history/list_font.h"
#include "history/my_view.h"
#include "tests/win/test_app.h"

namespace tessik {
namespace {

constexpr DWORD kListStyle = 0x50300100;  // child, visible, both scroll bars, no integral height
constexpr int kListSize = 200;
constexpr char kSection[] = "Settings";
constexpr char kFontKey[] = "Font";

// "ＭＳ Ｐゴシック" in the Japanese ANSI code page, converted here rather than
// written as bytes, so the program's own byte table is checked against it.
std::string MsPGothicInShiftJis() {
    const wchar_t face[] = L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF";
    char bytes[LF_FACESIZE] = {};
    const int length =
        ::WideCharToMultiByte(932, 0, face, -1, bytes, sizeof bytes, nullptr, nullptr);
    return length > 0 ? std::string(bytes, static_cast<size_t>(length - 1)) : std::string();
}

std::string FaceOf(const LOGFONTA& font) {
    return std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
}

// Every field of a font description, the face as hex bytes: readable when two differ.
std::string Summary(const LOGFONTA& f) {
    std::ostringstream out;
    out << "height " << f.lfHeight << " width " << f.lfWidth << " escapement " << f.lfEscapement
        << " orientation " << f.lfOrientation << " weight " << f.lfWeight << " italic "
        << int{f.lfItalic} << " underline " << int{f.lfUnderline} << " strikeout "
        << int{f.lfStrikeOut} << " charset " << int{f.lfCharSet} << " out " << int{f.lfOutPrecision}
        << " clip " << int{f.lfClipPrecision} << " quality " << int{f.lfQuality} << " pitch "
        << int{f.lfPitchAndFamily} << " face";
    for (unsigned char c : FaceOf(f))
        out << ' ' << std::hex << std::setw(2) << std::setfill('0') << int{c} << std::dec;
    return out.str();
}

LOGFONTA DescriptionOf(HFONT font) {
    LOGFONTA description{};
    EXPECT_EQ(::GetObjectA(font, sizeof description, &description),
              static_cast<int>(sizeof description));
    return description;
}

LOGFONTA FontWithHeight(int height, const char* face) {
    LOGFONTA font{};
    font.lfHeight = height;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
}

// The width of the text in the window's font, measured here independently.
long TextWidth(HWND list, const std::string& text) {
    WindowDC dc(list);
    SelectObjectGuard font(dc.get(), FontOf(list));
    SIZE size{};
    ::GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

long ExtentOf(HWND list) {
    return static_cast<long>(::SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0));
}

bool ShowsHorizontalScrollBar(HWND list) {
    return (::GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL) != 0;
}

// A hidden top-level window holding a list box styled as the view's, with a font.
class ListBoxHost {
  public:
    explicit ListBoxHost(HFONT font) {
        parent_ = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, kListSize, kListSize, nullptr,
                                    nullptr, nullptr, nullptr);
        list_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", kListStyle, 0, 0, kListSize,
                                  kListSize, parent_, nullptr, nullptr, nullptr);
        ::SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    ~ListBoxHost() { ::DestroyWindow(parent_); }
    ListBoxHost(const ListBoxHost&) = delete;
    ListBoxHost& operator=(const ListBoxHost&) = delete;

    HWND hwnd() const { return list_; }
    ListBoxControl List() const { return ListBoxControl(list_); }

  private:
    HWND parent_ = nullptr;
    HWND list_ = nullptr;
};

class HorizontalExtentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(font_);
        ASSERT_TRUE(host_.hwnd());
    }

    long Width(const std::string& text) const { return TextWidth(host_.hwnd(), text); }
    long Extent() const { return ExtentOf(host_.hwnd()); }
    void Fill(const std::vector<std::string>& texts) {
        ListBoxControl list = host_.List();
        list.DeleteAll();
        for (const std::string& text : texts)
            list.Append(text);
        extent_.Recompute(list);
    }

    UniqueHFont font_ = MakeDefaultListFont();
    ListBoxHost host_{font_.get()};
    HorizontalExtent extent_;
};

TEST_F(HorizontalExtentTest, EachEntryIsMeasuredWholeWithOneSpaceAppended) {
    const std::string aiu = "\x82\xa0\x82\xa2\x82\xa4";  // "あいう" in Shift-JIS
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty entry", ""},    {"ascii", "abc"},          {"line break inside", "ab\r\ncd"},
        {"tab inside", "a\tb"}, {"double-byte text", aiu},
    };
    ASSERT_GT(Width(" "), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fill({c.text});
        EXPECT_EQ(Extent(), Width(c.text + " "));
    }
}

TEST_F(HorizontalExtentTest, ScrollBarShowsForAWideEntryAndGoesWithTheLastEntry) {
    const std::string wide(100, 'W');
    Fill({"a", wide, "abc"});
    EXPECT_EQ(Extent(), Width(wide + " "));
    EXPECT_GT(Extent(), Width(wide));
    EXPECT_TRUE(ShowsHorizontalScrollBar(host_.hwnd()));

    host_.List().DeleteAll();
    extent_.Recompute(host_.List());
    EXPECT_EQ(Extent(), 0);
    EXPECT_FALSE(ShowsHorizontalScrollBar(host_.hwnd()));
}

TEST_F(HorizontalExtentTest, InsertionsAndRemovalsKeepTheExtentAtTheWidestEntry) {
    ListBoxControl list = host_.List();
    Fill({"a", "WWWWWWWW", "abc", "WWWWWWWW"});
    ASSERT_EQ(Extent(), Width("WWWWWWWW "));

    list.InsertTop("ab");
    extent_.EntryInserted(list, 0);
    EXPECT_EQ(Extent(), Width("WWWWWWWW ")) << "a narrower entry changes nothing";

    list.InsertTop("WWWWWWWWWWWW");
    extent_.EntryInserted(list, 0);
    EXPECT_EQ(Extent(), Width("WWWWWWWWWWWW ")) << "a wider entry widens at once";

    extent_.RemoveEntry(list, 0);  // the widest
    EXPECT_EQ(Extent(), Width("WWWWWWWW ")) << "removing the widest narrows at once";

    extent_.RemoveEntry(list, 2);  // one of two equally wide entries
    EXPECT_EQ(Extent(), Width("WWWWWWWW ")) << "its twin is as wide";

    extent_.RemoveEntry(list, 3);  // the other
    EXPECT_EQ(Extent(), Width("abc "));

    extent_.RemoveEntry(list, 1);  // "a", narrower than "abc"
    EXPECT_EQ(Extent(), Width("abc "));
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(HorizontalExtentTest, EntriesAreMeasuredInTheListsOwnFont) {
    const std::string text = "WWWWWWWW";
    Fill({text});
    const long inDefaultFont = Extent();

    const LOGFONTA large = FontWithHeight(-40, "Tahoma");
    UniqueHFont largeFont(::CreateFontIndirectA(&large));
    ::SendMessageA(host_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(largeFont.get()), TRUE);
    extent_.Recompute(host_.List());

    EXPECT_EQ(Extent(), Width(text + " "));
    EXPECT_GT(Extent(), inDefaultFont);
    ::SendMessageA(host_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

TEST(DefaultListFontTest, IsTenPointsOfMsPGothicAtTheGivenResolution) {
    const std::string face = MsPGothicInShiftJis();
    ASSERT_EQ(face.size(), 15u);
    const struct {
        int pixelsPerInch;
        std::int32_t height;
    } cases[] = {{96, -13}, {120, -16}, {144, -20}, {72, -10}, {100, -13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixelsPerInch);
        // All zero but the height, the character set and the face with its NUL.
        std::array<std::uint8_t, sizeof(LOGFONTA)> expected{};
        std::memcpy(expected.data() + offsetof(LOGFONTA, lfHeight), &c.height, sizeof c.height);
        expected[offsetof(LOGFONTA, lfCharSet)] = DEFAULT_CHARSET;
        std::memcpy(expected.data() + offsetof(LOGFONTA, lfFaceName), face.data(), face.size());

        const LOGFONTA description = DefaultListFontDescription(c.pixelsPerInch);
        std::array<std::uint8_t, sizeof(LOGFONTA)> actual{};
        std::memcpy(actual.data(), &description, sizeof description);
        EXPECT_EQ(actual, expected);
    }
}

TEST(DefaultListFontTest, IsMadeForTheScreensResolution) {
    WindowDC screen(nullptr);
    const int pixelsPerInch = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    ASSERT_GT(pixelsPerInch, 0);

    UniqueHFont font = MakeDefaultListFont();
    ASSERT_TRUE(font);
    EXPECT_EQ(Summary(DescriptionOf(font.get())),
              Summary(DefaultListFontDescription(pixelsPerInch)));
}

// A CMyView created as the pane of a bare frame, as the document template does,
// with the test application's settings in a fresh file.
class ListViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ole_.ok());
        frame_ = new CFrameWnd;  // deletes itself with its window
        ASSERT_TRUE(frame_->LoadFrame(0, WS_OVERLAPPEDWINDOW, nullptr));
        SetClipboard(std::nullopt);
    }
    void TearDown() override {
        DestroyView();
        if (frame_)
            frame_->DestroyWindow();
    }

    void StoreFontValue(const std::string& letters) {
        test::TestApp().WriteProfileString(kSection, kFontKey, letters.c_str());
    }
    static std::string Letters(const LOGFONTA& font) {
        return EncodeProfileBinary(reinterpret_cast<const std::uint8_t*>(&font), sizeof font);
    }
    // The stored "Font" value decoded; nothing when absent or not 120 letters.
    std::optional<LOGFONTA> StoredFont() const {
        const auto bytes = DecodeProfileRecord(test::TestApp().GetProfileString(kSection, kFontKey),
                                               sizeof(LOGFONTA));
        if (!bytes)
            return std::nullopt;
        LOGFONTA font{};
        std::memcpy(&font, bytes->data(), sizeof font);
        return font;
    }

    // The clipboard's text, or an empty clipboard.
    void SetClipboard(const std::optional<std::string>& text) {
        ClipboardOpenGuard clipboard(frame_->GetSafeHwnd());
        ASSERT_TRUE(clipboard.IsOpen());
        if (text)
            ASSERT_TRUE(PutTextOnOpenClipboard(*text));
        else
            ASSERT_TRUE(::EmptyClipboard());
    }

    bool CreateView() {
        view_ = std::make_unique<CMyView>();
        return view_->Create(frame_, IDW_PANE_FIRST, nullptr);
    }
    void DestroyView() {
        if (view_ && view_->GetSafeHwnd())
            ::DestroyWindow(view_->GetSafeHwnd());
        view_.reset();
    }

    OleInitGuard ole_;
    test::ScopedSettingsFile settings_;
    CFrameWnd* frame_ = nullptr;
    std::unique_ptr<CMyView> view_;
};

TEST_F(ListViewTest, TakesTheStoredFontOrElseTheDefaultAndStoresItsFontAtDestruction) {
    WindowDC screen(nullptr);
    const LOGFONTA defaultFont =
        DefaultListFontDescription(::GetDeviceCaps(screen.get(), LOGPIXELSY));

    LOGFONTA stored = FontWithHeight(-20, "Courier New");
    stored.lfWeight = FW_BOLD;
    stored.lfItalic = 1;

    // A face that fills all 32 bytes without a NUL is cut to 31 before use.
    LOGFONTA unterminated = FontWithHeight(-18, "");
    std::memset(unterminated.lfFaceName, 'Q', LF_FACESIZE);
    LOGFONTA cut = unterminated;
    cut.lfFaceName[LF_FACESIZE - 1] = '\0';

    const std::string placementLength(88, 'A');
    const struct {
        const char* name;
        std::optional<std::string> value;
        LOGFONTA expected;
    } cases[] = {
        {"no stored font", std::nullopt, defaultFont},
        {"a value of the placement's length", placementLength, defaultFont},
        {"a value one letter short", Letters(stored).substr(1), defaultFont},
        {"a stored font", Letters(stored), stored},
        {"a face without its NUL", Letters(unterminated), cut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScopedSettingsFile settings;
        if (c.value)
            StoreFontValue(*c.value);

        ASSERT_TRUE(CreateView());
        ASSERT_TRUE(view_->Font());
        EXPECT_EQ(FontOf(view_->GetSafeHwnd()), view_->Font()) << "the list draws with it";
        EXPECT_EQ(Summary(DescriptionOf(view_->Font())), Summary(c.expected));

        DestroyView();
        const auto written = StoredFont();
        ASSERT_TRUE(written) << "\"" << test::TestApp().GetProfileString(kSection, kFontKey)
                             << "\"";
        EXPECT_EQ(Summary(*written), Summary(c.expected));
    }
}

TEST_F(ListViewTest, ExtentAtCreationIsMeasuredInTheViewsFont) {
    // The clipboard's text is captured when the view joins the chain, before
    // its font is applied; the extent must still be measured in that font.
    const std::string text(30, 'W');
    ASSERT_NO_FATAL_FAILURE(SetClipboard(text));
    StoreFontValue(Letters(FontWithHeight(-40, "Tahoma")));

    ASSERT_TRUE(CreateView());
    const HWND list = view_->GetSafeHwnd();
    ASSERT_EQ(view_->List().Count(), 1);
    EXPECT_EQ(view_->List().TextAt(0), text);
    EXPECT_EQ(ExtentOf(list), TextWidth(list, text + " "));
}

}  // namespace
}  // namespace tessik

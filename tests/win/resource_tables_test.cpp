// Checks the menu, the accelerators and the about box template linked into
// tessik.exe against the tables they are written from.

#include "resource_test_support.h"

namespace {

using namespace resource_test;

struct ExpectedItem {
    UINT command;
    const char* text;
    bool grayed = false;
};

struct ExpectedPopup {
    const char* text;
    std::vector<ExpectedItem> items;
};

constexpr ExpectedItem kSeparator{0, ""};

std::string MenuText(HMENU menu, int position) {
    char text[256] = {};
    const int length = GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return std::string(text, length);
}

MENUITEMINFOA MenuItemInfo(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
    return info;
}

TEST_F(ResourceTablesTest, MenuHoldsTheThreeDropDownsItemByItem) {
    const std::vector<ExpectedPopup> expected = {
        {"ファイル(&F)",
         {{57601, "開く(&O)...\tCtrl+O"},
          {57604, "名前を付けて保存(&A)...\tCtrl+S"},
          kSeparator,
          {57616, "最近使ったファイル", true},
          kSeparator,
          {57665, "終了(&X)"}}},
        {"編集(&E)",
         {{57634, "コピー(&C)\tCtrl+C"},
          {57632, "削除(&D)\tDel"},
          kSeparator,
          {57633, "すべて削除(&A)\tCtrl+A"},
          kSeparator,
          {32771, "フォント(&F)..."}}},
        {"ヘルプ(&H)",
         {{32772, "お読み下さい(&R)"},
          kSeparator,
          {32774, "クリップボードを使う(&L)"},
          kSeparator,
          {57664, "バージョン情報(&A)..."}}},
    };

    UniqueMenu bar(LoadMenuA(module(), MAKEINTRESOURCEA(128)));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar.get()), static_cast<int>(expected.size()));
    for (int p = 0; p < static_cast<int>(expected.size()); ++p) {
        SCOPED_TRACE(expected[p].text);
        const MENUITEMINFOA popup = MenuItemInfo(bar.get(), p);
        EXPECT_EQ(MenuText(bar.get(), p), Ansi(expected[p].text));
        // Plain string type: in particular not pushed to the right end of the bar.
        EXPECT_EQ(popup.fType, static_cast<UINT>(MFT_STRING));
        EXPECT_EQ(popup.fState, 0u);
        ASSERT_NE(popup.hSubMenu, nullptr);

        const auto& items = expected[p].items;
        ASSERT_EQ(GetMenuItemCount(popup.hSubMenu), static_cast<int>(items.size()));
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            SCOPED_TRACE(i);
            const MENUITEMINFOA item = MenuItemInfo(popup.hSubMenu, i);
            EXPECT_EQ(item.hSubMenu, nullptr);
            if (items[i].command == 0) {
                EXPECT_EQ(item.fType, static_cast<UINT>(MFT_SEPARATOR));
                continue;
            }
            EXPECT_EQ(item.fType, static_cast<UINT>(MFT_STRING));
            EXPECT_EQ(item.wID, items[i].command);
            EXPECT_EQ(MenuText(popup.hSubMenu, i), Ansi(items[i].text));
            if (items[i].grayed) {
                // Greyed, and nothing else: no check mark, no default item.
                EXPECT_TRUE(item.fState & MF_GRAYED);
                EXPECT_EQ(item.fState & ~static_cast<UINT>(MFS_GRAYED), 0u);
            } else {
                EXPECT_EQ(item.fState, 0u);
            }
        }
    }
}

TEST_F(ResourceTablesTest, AcceleratorsAreTheSixKeysInOrder) {
    constexpr BYTE kPlain = FVIRTKEY | FNOINVERT;
    constexpr BYTE kCtrl = FVIRTKEY | FNOINVERT | FCONTROL;
    const ACCEL expected[] = {
        {kCtrl, 'A', 57633}, {kCtrl, 'C', 57634},        {kCtrl, 'O', 57601},
        {kCtrl, 'S', 57604}, {kPlain, VK_DELETE, 57632}, {kCtrl, VK_INSERT, 57634},
    };

    UniqueAccelerators table(LoadAcceleratorsA(module(), MAKEINTRESOURCEA(128)));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(CopyAcceleratorTableA(table.get(), nullptr, 0),
              static_cast<int>(std::size(expected)));
    ACCEL actual[std::size(expected)] = {};
    CopyAcceleratorTableA(table.get(), actual, static_cast<int>(std::size(actual)));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].fVirt, expected[i].fVirt);
        EXPECT_EQ(actual[i].key, expected[i].key);
        EXPECT_EQ(actual[i].cmd, expected[i].cmd);
    }
}

// A control's window class as a lower-case name, whether the template names it
// or gives the ordinal of a predefined class.
std::wstring ControlClass(std::wstring name_or_ordinal) {
    if (name_or_ordinal == L"#128") {
        return L"button";
    }
    if (name_or_ordinal == L"#130") {
        return L"static";
    }
    for (auto& c : name_or_ordinal) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return name_or_ordinal;
}

struct ExpectedControl {
    std::int32_t id;
    short x, y, cx, cy;
    DWORD style;
    const wchar_t* window_class;
    const char* text;
};

TEST_F(ResourceTablesTest, AboutBoxTemplateMatchesItsTable) {
    const std::string_view bytes = ResourceBytes(module(), MAKEINTRESOURCEA(100), RT_DIALOG);
    ASSERT_FALSE(bytes.empty());
    ResourceReader in(bytes);
    EXPECT_EQ(in.Read<std::uint16_t>(), 1);  // version
    ASSERT_EQ(in.Read<std::uint16_t>(), 0xFFFF) << "an extended template";
    EXPECT_EQ(in.Read<DWORD>(), 0u);  // help id
    EXPECT_EQ(in.Read<DWORD>(), 0u);  // extended style
    EXPECT_EQ(in.Read<DWORD>(), 0x80C800C0u);
    const auto control_count = in.Read<std::uint16_t>();
    EXPECT_EQ(in.Read<short>(), 0);
    EXPECT_EQ(in.Read<short>(), 0);
    EXPECT_EQ(in.Read<short>(), 119);
    EXPECT_EQ(in.Read<short>(), 64);
    EXPECT_EQ(in.ReadNameOrOrdinal(), L"");  // no menu
    EXPECT_EQ(in.ReadNameOrOrdinal(), L"");  // the standard dialog class
    EXPECT_EQ(in.ReadText(), Utf16("バージョン情報"));
    EXPECT_EQ(in.Read<std::uint16_t>(), 9);  // points
    EXPECT_EQ(in.Read<std::uint16_t>(), 0);  // weight: normal
    EXPECT_EQ(in.Read<BYTE>(), 0);           // not italic
    in.Read<BYTE>();                         // character set
    EXPECT_EQ(in.ReadText(), Utf16("ＭＳ Ｐゴシック"));

    const wchar_t* const button = L"button";
    const wchar_t* const static_text = L"static";
    const ExpectedControl expected[] = {
        {-1, 7, 7, 105, 8, 0x50020081, static_text, "Vantrel"},
        {-1, 7, 29, 105, 8, 0x50020001, static_text, nullptr},  // the notice: any text
        {IDOK, 40, 43, 37, 14, 0x50030001, button, "OK"},
        {-1, 7, 18, 105, 8, 0x50020001, static_text, "Ver.1.0.0.3"},
    };
    ASSERT_EQ(control_count, std::size(expected));
    for (const auto& control : expected) {
        SCOPED_TRACE(control.style);
        in.AlignToDword();
        EXPECT_EQ(in.Read<DWORD>(), 0u);  // help id
        EXPECT_EQ(in.Read<DWORD>(), 0u);  // extended style
        EXPECT_EQ(in.Read<DWORD>(), control.style);
        EXPECT_EQ(in.Read<short>(), control.x);
        EXPECT_EQ(in.Read<short>(), control.y);
        EXPECT_EQ(in.Read<short>(), control.cx);
        EXPECT_EQ(in.Read<short>(), control.cy);
        EXPECT_EQ(in.Read<std::int32_t>(), control.id);
        EXPECT_EQ(ControlClass(in.ReadNameOrOrdinal()), control.window_class);
        const std::wstring text = in.ReadNameOrOrdinal();
        if (control.text != nullptr) {
            EXPECT_EQ(text, Utf16(control.text));
        } else {
            EXPECT_FALSE(text.empty());
        }
        EXPECT_EQ(in.Read<std::uint16_t>(), 0);  // no creation data
    }
    EXPECT_FALSE(in.overrun());
}

}  // namespace

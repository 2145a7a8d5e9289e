// Checks the resources linked into tessik.exe against the tables they are
// written from: menu and accelerators 128, the about box template, the string
// table, the version record, the carry cursor, the main icon and the manifest.
// The executable is loaded as a data file from the Windows path in TESSIK_EXE.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

constexpr UINT kShiftJisCodePage = 932;

template <typename Handle, auto Close>
struct HandleCloser {
    void operator()(Handle handle) const { Close(handle); }
};
template <typename Handle, auto Close>
using Unique = std::unique_ptr<std::remove_pointer_t<Handle>, HandleCloser<Handle, Close>>;

using UniqueModule = Unique<HMODULE, FreeLibrary>;
using UniqueMenu = Unique<HMENU, DestroyMenu>;
using UniqueAccelerators = Unique<HACCEL, DestroyAcceleratorTable>;
using UniqueCursor = Unique<HCURSOR, DestroyCursor>;
using UniqueIcon = Unique<HICON, DestroyIcon>;
using UniqueBitmap = Unique<HBITMAP, DeleteObject>;

std::wstring Widen(std::string_view text, UINT code_page) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::wstring Utf16(std::string_view utf8) {
    return Widen(utf8, CP_UTF8);
}

// The bytes the program sees for a text: UTF-16 in the ANSI code page.
std::string Ansi(std::string_view utf8) {
    const std::wstring wide = Utf16(utf8);
    const int size = static_cast<int>(wide.size());
    std::string ansi(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()),
                        nullptr, nullptr);
    return ansi;
}

std::string ExePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TESSIK_EXE", path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

// One resource's bytes inside the loaded module.
std::string_view ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) {
        return {};
    }
    const void* data = LockResource(LoadResource(module, found));
    return {static_cast<const char*>(data), SizeofResource(module, found)};
}

class ResourceTablesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Every expected text is compared in Shift-JIS: under any other code page
        // the Japanese texts would all turn into the same question marks.
        ASSERT_EQ(GetACP(), kShiftJisCodePage) << "run in the Japanese locale";
        ASSERT_EQ(Ansi("無題"), "\x96\xB3\x91\xE8");
        exe_path_ = ExePath();
        ASSERT_FALSE(exe_path_.empty()) << "TESSIK_EXE names the executable";
        module_.reset(LoadLibraryExA(exe_path_.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_NE(module_, nullptr) << exe_path_ << ": error " << GetLastError();
    }

    HMODULE module() const { return module_.get(); }

    std::string exe_path_;
    UniqueModule module_;
};

// A separator is written with command 0 and no text.
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

// Reads a resource's fields in order, little-endian as stored.
class ResourceReader {
  public:
    explicit ResourceReader(std::string_view bytes) : bytes_(bytes) {}

    bool overrun() const { return overrun_; }

    template <typename T>
    T Read() {
        T value{};
        if (offset_ + sizeof value > bytes_.size()) {
            overrun_ = true;
            return value;
        }
        std::memcpy(&value, bytes_.data() + offset_, sizeof value);
        offset_ += sizeof value;
        return value;
    }

    std::wstring ReadText() {
        std::wstring text;
        while (const auto c = Read<wchar_t>()) {
            text.push_back(c);
        }
        return text;
    }

    // A name or an ordinal; an ordinal comes back as "#<number>", none as "".
    std::wstring ReadNameOrOrdinal() {
        if (Peek() == 0xFFFF) {
            Read<std::uint16_t>();
            return L"#" + std::to_wstring(Read<std::uint16_t>());
        }
        return ReadText();
    }

    void AlignToDword() { offset_ = (offset_ + 3) & ~size_t{3}; }

  private:
    std::uint16_t Peek() {
        const size_t at = offset_;
        const auto value = Read<std::uint16_t>();
        offset_ = at;
        return value;
    }

    std::string_view bytes_;
    size_t offset_ = 0;
    bool overrun_ = false;
};

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

TEST_F(ResourceTablesTest, StringTableHoldsTheTexts) {
    struct Entry {
        UINT id;
        const char* text;
    };
    std::vector<Entry> expected = {
        {57344, "tessik"},
        {128, "Vantrel\n\nTessik\nテキスト ファイル (*.txt)\n.txt\n\n"},
        {61443, "無題"},
        {61700, "空のドキュメントの作成に失敗しました。"},
        {61440, "開く"},
        {61441, "名前を付けて保存"},
        {61442, "すべてのファイル (*.*)"},
        {57345, "レディ"},
        {57601, "既存のファイルを開く\n開く"},
        {57604, "作業中のファイルを新しい名前で保存\n名前をつけて保存"},
        {57632, "選択範囲を消去\n消去"},
        {57633, "すべて消去\nすべて消去"},
        {57634, "選択範囲をコピーしてクリップボードに保存\nコピー"},
        {57664, "プログラムの情報、バージョンそして著作権を表示\nバージョン情報"},
        {57665, "アプリケーションを終了し、ファイルの保存を指示\n終了"},
        // The program's own commands have no prompt.
        {32771, ""},
        {32772, ""},
        {32774, ""},
    };
    for (UINT id = 57616; id <= 57631; ++id) {
        expected.push_back({id, "指定のファイルを開く"});
    }

    for (const auto& entry : expected) {
        SCOPED_TRACE(entry.id);
        char text[512] = {};
        const int length = LoadStringA(module(), entry.id, text, sizeof text);
        EXPECT_EQ(std::string(text, length), Ansi(entry.text));
    }
}

std::wstring VersionString(const std::vector<BYTE>& block, const std::wstring& key) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\041104B0\\" + key;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || value == nullptr) {
        return L"(missing)";
    }
    return static_cast<const wchar_t*>(value);
}

TEST_F(ResourceTablesTest, VersionRecordMatchesItsTable) {
    const std::wstring path = Widen(exe_path_, CP_ACP);
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof *fixed);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000003u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000003u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, static_cast<DWORD>(VS_FF_PRIVATEBUILD | VS_FF_SPECIALBUILD));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);

    const std::pair<const wchar_t*, const char*> values[] = {
        {L"Comments", "クリップボードの履歴からテキストをドラッグして取り出すツール"},
        {L"FileDescription", "Vantrel"},
        {L"FileVersion", "1, 0, 0, 3"},
        {L"InternalName", "tessik"},
        {L"LegalTrademarks", "-"},
        {L"OriginalFilename", "tessik.exe"},
        {L"PrivateBuild", "-"},
        {L"ProductName", "Vantrel"},
        {L"ProductVersion", "1, 0, 0, 3"},
        {L"SpecialBuild", "-"},
    };
    for (const auto& [key, value] : values) {
        EXPECT_EQ(VersionString(block, key), Utf16(value));
    }
    for (const wchar_t* maker_key : {L"CompanyName", L"LegalCopyright"}) {
        const std::wstring value = VersionString(block, maker_key);
        EXPECT_FALSE(value.empty() || value == L"(missing)");
    }
}

TEST_F(ResourceTablesTest, CarryCursorIsMonochrome32By32WithTheHotSpotOnTheArrowTip) {
    UniqueCursor cursor(static_cast<HCURSOR>(
        LoadImageA(module(), MAKEINTRESOURCEA(105), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    const UniqueBitmap mask(info.hbmMask);
    const UniqueBitmap colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 1u);
    EXPECT_EQ(info.yHotspot, 1u);
    // Monochrome: no colour bitmap; the mask holds the AND plane above the XOR plane.
    EXPECT_EQ(colour, nullptr);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectA(mask.get(), sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 32);
    ASSERT_EQ(bitmap.bmHeight, 64);
    ASSERT_EQ(bitmap.bmBitsPixel, 1);

    std::vector<BYTE> bits(bitmap.bmWidthBytes * bitmap.bmHeight);
    ASSERT_EQ(GetBitmapBits(mask.get(), static_cast<LONG>(bits.size()), bits.data()),
              static_cast<LONG>(bits.size()));
    const auto bit = [&](int x, int y) {
        return (bits[y * bitmap.bmWidthBytes + x / 8] >> (7 - x % 8)) & 1;
    };
    const auto and_bit = [&](int x, int y) { return bit(x, y); };
    const auto xor_bit = [&](int x, int y) { return bit(x, y + 32); };
    EXPECT_EQ(and_bit(0, 0), 1) << "the corner is transparent";
    EXPECT_EQ(xor_bit(0, 0), 0);
    EXPECT_EQ(and_bit(1, 1), 0) << "the hot spot is the black tip of the arrow";
    EXPECT_EQ(xor_bit(1, 1), 0);
    int inverted = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            inverted += and_bit(x, y) & xor_bit(x, y);
        }
    }
    EXPECT_EQ(inverted, 0) << "black and white on a transparent background only";
}

TEST_F(ResourceTablesTest, MainIconHoldsA32And16PixelPicture) {
    ResourceReader in(ResourceBytes(module(), MAKEINTRESOURCEA(128), RT_GROUP_ICON));
    EXPECT_EQ(in.Read<std::uint16_t>(), 0);
    EXPECT_EQ(in.Read<std::uint16_t>(), 1);  // icons, not cursors
    const auto count = in.Read<std::uint16_t>();
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int width = in.Read<BYTE>();
        EXPECT_EQ(in.Read<BYTE>(), width);  // square
        in.Read<BYTE>();                    // colour count
        in.Read<BYTE>();
        in.Read<std::uint16_t>();  // planes
        in.Read<std::uint16_t>();  // bits per pixel
        in.Read<DWORD>();          // size
        in.Read<std::uint16_t>();  // icon id
        sizes.push_back(width);
    }
    EXPECT_FALSE(in.overrun());
    EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
    for (int size : {32, 16}) {
        UniqueIcon icon(static_cast<HICON>(
            LoadImageA(module(), MAKEINTRESOURCEA(128), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        EXPECT_NE(icon, nullptr) << size;
    }
}

TEST_F(ResourceTablesTest, ManifestRunsAsInvokerSystemDpiAwareOnWindows7To11) {
    const char* const required_parts[] = {
        R"(level="asInvoker")",
        R"(xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>)",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
    };
    const std::string_view manifest = ResourceBytes(module(), MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty());
    for (const char* part : required_parts) {
        EXPECT_NE(manifest.find(part), std::string_view::npos) << part;
    }
    EXPECT_EQ(manifest.find("Common-Controls"), std::string_view::npos);
}

}  // namespace

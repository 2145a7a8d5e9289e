// Checks the string table, the version record, the carry cursor, the main icon
// and the manifest linked into tessik.exe.

#include "resource_test_support.h"

namespace {

using namespace resource_test;

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

#pragma once
// What the resource tests share: the executable named by TESSIK_EXE loaded as
// a data file, and texts converted the way the program sees them.

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


namespace resource_test {

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

inline std::wstring Widen(std::string_view text, UINT code_page) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

inline std::wstring Utf16(std::string_view utf8) {
    return Widen(utf8, CP_UTF8);
}

// The bytes the program sees for a text: UTF-16 in the ANSI code page.
inline std::string Ansi(std::string_view utf8) {
    const std::wstring wide = Utf16(utf8);
    const int size = static_cast<int>(wide.size());
    std::string ansi(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()),
                        nullptr, nullptr);
    return ansi;
}

inline std::string ExePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TESSIK_EXE", path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

// One resource's bytes inside the loaded module.
inline std::string_view ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
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

}  // namespace resource_test

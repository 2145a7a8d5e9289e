#include "app/module_names.h"

#include <gtest/gtest.h>

namespace tessik {
namespace {

bool IsShiftJisLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsSingleByteCodePage(unsigned char) {
    return false;
}

struct NamesCase {
    const char* path;
    bool (*isLeadByte)(unsigned char);
    const char* executableName;
    const char* settingsPath;
};

// "\x95\\" is one Shift-JIS character (U+8868) whose trail byte is 0x5C, '\'.
const NamesCase kNamesCases[] = {
    {"C:\\Tools\\tessik.exe", IsShiftJisLeadByte, "tessik", "C:\\Tools\\tessik.ini"},
    {"D:\\apps.x\\clip.beta.exe", IsShiftJisLeadByte, "clip.beta", "D:\\apps.x\\clip.beta.ini"},
    {"C:/Tools/tessik.exe", IsShiftJisLeadByte, "tessik", "C:/Tools/tessik.ini"},
    {"tessik.exe", IsShiftJisLeadByte, "tessik", "tessik.ini"},
    // A trail byte 0x5C is not a separator: in a folder, inside a name, right
    // before the dot.
    {"C:\\\x95\\\\tessik.exe", IsShiftJisLeadByte, "tessik", "C:\\\x95\\\\tessik.ini"},
    {"C:\\Tools\\ab\x95\\cd.exe", IsShiftJisLeadByte, "ab\x95\\cd", "C:\\Tools\\ab\x95\\cd.ini"},
    {"C:\\Tools\\\x95\\.exe", IsShiftJisLeadByte, "\x95\\", "C:\\Tools\\\x95\\.ini"},
    // Two lead-range bytes make one character; the '\' after them is real.
    {"C:\\Tools\\\x81\x81\\tessik.exe", IsShiftJisLeadByte, "tessik",
     "C:\\Tools\\\x81\x81\\tessik.ini"},
    // In a single-byte code page the same byte is a separator.
    {"C:\\Tools\\ab\x95\\cd.exe", IsSingleByteCodePage, "cd", "C:\\Tools\\ab\x95\\cd.ini"},
    // No dot in the file name: the name is taken whole, and the settings path
    // takes the last dot of the whole path.
    {"C:\\Tools\\tessik", IsShiftJisLeadByte, "tessik", "C:\\Tools\\tessik.ini"},
    {"D:\\apps.x\\clip", IsShiftJisLeadByte, "clip", "D:\\apps.ini"},
};

TEST(ModuleNames, ExecutableNameAndSettingsPath) {
    for (const NamesCase& c : kNamesCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ExecutableName(c.path, c.isLeadByte), c.executableName);
        EXPECT_EQ(SettingsPath(c.path, c.isLeadByte), c.settingsPath);
    }
}

}  // namespace
}  // namespace tessik

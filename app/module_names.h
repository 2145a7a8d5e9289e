#pragma once
// Names derived from the running executable's full path: the single-instance
// lock's name and the settings file beside the executable. Paths are ANSI
// multibyte text, so separators and dots are only found on character boundaries.

#include <functional>
#include <string>
#include <string_view>

namespace tessik {

// True when the byte is the lead byte of a double-byte character in the
// current ANSI code page (IsDBCSLeadByte on Windows).
using LeadBytePredicate = std::function<bool(unsigned char)>;

// The file name without its folder and without its extension (everything from
// the last '.' of the file name). A file name without '.' is taken whole.
// C:\Tools\tessik.exe -> "tessik".
std::string ExecutableName(std::string_view fullPath, const LeadBytePredicate& isLeadByte);

// The path with everything from its last '.' replaced by ".ini". A path without
// any '.' gets ".ini" appended. C:\Tools\tessik.exe -> C:\Tools\tessik.ini.
std::string SettingsPath(std::string_view fullPath, const LeadBytePredicate& isLeadByte);

}  // namespace tessik

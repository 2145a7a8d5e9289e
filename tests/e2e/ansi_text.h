#pragma once
// Conversions between the system's ANSI code page (the program's text) and UTF-16 (what Wine
// hands back when another process's list box is read with the W messages).

#include <string>
#include <string_view>

namespace e2e {

std::string WideToAnsi(std::wstring_view wide);
std::wstring AnsiToWide(std::string_view ansi);

}  // namespace e2e

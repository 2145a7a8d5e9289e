#pragma once
// Whole-file reads and writes, byte for byte.

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

bool FileExists(const std::string& path);
// Nothing when the file is missing or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace e2e

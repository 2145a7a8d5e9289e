#include "framework/profile_file.h"

#include <windows.h>

#include "app/profile_binary.h"

namespace tessik {
namespace {

constexpr DWORD kValueBufferSize = 4096;

}  // namespace

std::string ProfileFile::GetString(const char* section, const char* key,
                                   const char* defaultValue) const {
    std::string buffer(kValueBufferSize, '\0');
    const DWORD length = ::GetPrivateProfileStringA(section, key, defaultValue ? defaultValue : "",
                                                    buffer.data(), kValueBufferSize, path_.c_str());
    buffer.resize(length);
    return buffer;
}

bool ProfileFile::WriteString(const char* section, const char* key, const char* value) const {
    return ::WritePrivateProfileStringA(section, key, value, path_.c_str()) != FALSE;
}

int ProfileFile::GetInt(const char* section, const char* key, int defaultValue) const {
    return static_cast<int>(::GetPrivateProfileIntA(section, key, defaultValue, path_.c_str()));
}

bool ProfileFile::WriteInt(const char* section, const char* key, int value) const {
    return WriteString(section, key, std::to_string(value).c_str());
}

std::optional<std::vector<std::uint8_t>> ProfileFile::GetBinary(const char* section,
                                                                const char* key) const {
    const std::string text = GetString(section, key, "");
    if (text.empty())
        return std::nullopt;
    return DecodeProfileBinary(text);
}

bool ProfileFile::WriteBinary(const char* section, const char* key, const std::uint8_t* data,
                              size_t size) const {
    return WriteString(section, key, EncodeProfileBinary(data, size).c_str());
}

}  // namespace tessik

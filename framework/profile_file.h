#pragma once
// The private-profile (INI) operations on one settings file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessik {

class ProfileFile {
  public:
    void SetPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }

    // At most 4095 bytes of a value are read; the default when the key is missing.
    std::string GetString(const char* section, const char* key, const char* defaultValue) const;
    // A null key deletes the whole section; a null value deletes the key.
    bool WriteString(const char* section, const char* key, const char* value) const;
    int GetInt(const char* section, const char* key, int defaultValue) const;
    bool WriteInt(const char* section, const char* key, int value) const;
    // Absent when the value is empty or missing.
    std::optional<std::vector<std::uint8_t>> GetBinary(const char* section, const char* key) const;
    bool WriteBinary(const char* section, const char* key, const std::uint8_t* data,
                     size_t size) const;

  private:
    std::string path_;
};

}  // namespace tessik

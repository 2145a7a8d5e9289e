#pragma once
// The recent-file list as the settings file keeps it: section "Recent File
// List", keys "File1" to "FileN", most recent first.

#include <string>
#include <vector>

namespace tessik {

class ProfileFile;

class RecentFileList {
  public:
    explicit RecentFileList(size_t size) : entries_(size) {}

    void ReadList(const ProfileFile& profile);
    // Deletes the section, then writes every entry that is not empty.
    void WriteList(const ProfileFile& profile) const;

    size_t size() const { return entries_.size(); }
    const std::string& operator[](size_t index) const { return entries_[index]; }

  private:
    std::vector<std::string> entries_;
};

}  // namespace tessik

#include "framework/recent_file_list.h"

#include "framework/profile_file.h"

namespace tessik {
namespace {

constexpr char kSection[] = "Recent File List";

std::string KeyFor(size_t index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

void RecentFileList::ReadList(const ProfileFile& profile) {
    for (size_t i = 0; i < entries_.size(); ++i) {
        entries_[i] = profile.GetString(kSection, KeyFor(i).c_str(), "");
    }
}

void RecentFileList::WriteList(const ProfileFile& profile) const {
    profile.WriteString(kSection, nullptr, nullptr);
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].empty()) {
            profile.WriteString(kSection, KeyFor(i).c_str(), entries_[i].c_str());
        }
    }
}

}  // namespace tessik

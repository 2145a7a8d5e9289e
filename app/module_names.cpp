#include "app/module_names.h"

#include <cstddef>

namespace tessik {
namespace {

// Positions of the last separator and the last dot that stand as whole
// characters; the second byte of a double-byte character is never one of them.
struct PathMarks {
    std::size_t lastSeparator = std::string_view::npos;
    std::size_t lastDot = std::string_view::npos;
};

PathMarks FindPathMarks(std::string_view path, const LeadBytePredicate& isLeadByte) {
    PathMarks marks;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte)) {
            ++i;  // skip the trail byte (past the end when it is missing)
        } else if (byte == '\\' || byte == '/') {
            marks.lastSeparator = i;
        } else if (byte == '.') {
            marks.lastDot = i;
        }
    }
    return marks;
}

}  // namespace

std::string ExecutableName(std::string_view fullPath, const LeadBytePredicate& isLeadByte) {
    const PathMarks marks = FindPathMarks(fullPath, isLeadByte);
    const std::size_t nameStart =
        marks.lastSeparator == std::string_view::npos ? 0 : marks.lastSeparator + 1;
    std::size_t nameEnd = fullPath.size();
    if (marks.lastDot != std::string_view::npos && marks.lastDot >= nameStart) {
        nameEnd = marks.lastDot;
    }
    return std::string(fullPath.substr(nameStart, nameEnd - nameStart));
}

std::string SettingsPath(std::string_view fullPath, const LeadBytePredicate& isLeadByte) {
    const PathMarks marks = FindPathMarks(fullPath, isLeadByte);
    // The last dot of the whole path counts, even one in a folder name.
    std::string path(fullPath.substr(0, marks.lastDot));
    path += ".ini";
    return path;
}

}  // namespace tessik

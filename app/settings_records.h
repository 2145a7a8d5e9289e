#pragma once
// The two records the settings file holds, as little-endian byte layouts:
// the window placement (44 bytes) and the font description (60 bytes).

#include <array>
#include <cstdint>
#include <vector>

namespace tessik {

inline constexpr std::size_t kPlacementRecordSize = 44;
inline constexpr std::size_t kFontRecordSize = 60;
inline constexpr std::size_t kFontFaceNameOffset = 28;
inline constexpr std::size_t kFontFaceNameSize = 32;
inline constexpr std::uint32_t kShowMaximized = 3;

struct PlacementRecord {
    std::uint32_t length = kPlacementRecordSize;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 1;
    std::int32_t minX = 0, minY = 0;
    std::int32_t maxX = 0, maxY = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PlacementRecord&) const = default;
};

// bytes must hold exactly kPlacementRecordSize bytes (else std::invalid_argument).
PlacementRecord ParsePlacementRecord(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> SerializePlacementRecord(const PlacementRecord& record);

using FontRecordBytes = std::array<std::uint8_t, kFontRecordSize>;

// bytes must hold exactly kFontRecordSize bytes (else std::invalid_argument).
// The face name is made NUL-terminated within its 32 bytes, so a damaged record
// cannot make a reader run past it.
FontRecordBytes ParseFontRecord(const std::vector<std::uint8_t>& bytes);

}  // namespace tessik

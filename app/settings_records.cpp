#include "app/settings_records.h"

#include <algorithm>
#include <stdexcept>

namespace tessik {
namespace {

void RequireSize(const std::vector<std::uint8_t>& bytes, std::size_t size, const char* what) {
    if (bytes.size() != size) {
        throw std::invalid_argument(what);
    }
}

std::uint32_t ReadUint32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
           std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

std::int32_t ReadInt32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(ReadUint32(bytes, offset));
}

void AppendUint32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void AppendInt32(std::vector<std::uint8_t>& bytes, std::int32_t value) {
    AppendUint32(bytes, static_cast<std::uint32_t>(value));
}

}  // namespace

PlacementRecord ParsePlacementRecord(const std::vector<std::uint8_t>& bytes) {
    RequireSize(bytes, kPlacementRecordSize, "placement record must be 44 bytes");
    PlacementRecord record;
    record.length = ReadUint32(bytes, 0);
    record.flags = ReadUint32(bytes, 4);
    record.showCmd = ReadUint32(bytes, 8);
    record.minX = ReadInt32(bytes, 12);
    record.minY = ReadInt32(bytes, 16);
    record.maxX = ReadInt32(bytes, 20);
    record.maxY = ReadInt32(bytes, 24);
    record.left = ReadInt32(bytes, 28);
    record.top = ReadInt32(bytes, 32);
    record.right = ReadInt32(bytes, 36);
    record.bottom = ReadInt32(bytes, 40);
    return record;
}

std::vector<std::uint8_t> SerializePlacementRecord(const PlacementRecord& record) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kPlacementRecordSize);
    AppendUint32(bytes, record.length);
    AppendUint32(bytes, record.flags);
    AppendUint32(bytes, record.showCmd);
    for (std::int32_t value : {record.minX, record.minY, record.maxX, record.maxY, record.left,
                               record.top, record.right, record.bottom}) {
        AppendInt32(bytes, value);
    }
    return bytes;
}

FontRecordBytes ParseFontRecord(const std::vector<std::uint8_t>& bytes) {
    RequireSize(bytes, kFontRecordSize, "font record must be 60 bytes");
    FontRecordBytes record;
    std::copy(bytes.begin(), bytes.end(), record.begin());
    const auto faceBegin = record.begin() + kFontFaceNameOffset;
    const auto faceEnd = faceBegin + kFontFaceNameSize;
    if (std::find(faceBegin, faceEnd, std::uint8_t{0}) == faceEnd) {
        *(faceEnd - 1) = 0;
    }
    return record;
}

}  // namespace tessik

#include "app/settings_records.h"

#include "app/profile_binary.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tessik {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 200 x 200 window at (100, 100), shown normally; eight letters per field.
constexpr std::string_view kStoredPlacement =
    "MCAAAAAA"
    "AAAAAAAA"
    "BAAAAAAA"
    "PPPPPPPPPPPPPPPP"
    "PPPPPPPPPPPPPPPP"
    "EGAAAAAAEGAAAAAA"
    "MCBAAAAAMCBAAAAA";

PlacementRecord StoredPlacementRecord() {
    PlacementRecord record;
    record.length = 44;
    record.flags = 0;
    record.showCmd = 1;
    record.minX = record.minY = record.maxX = record.maxY = -1;
    record.left = record.top = 100;
    record.right = record.bottom = 300;
    return record;
}

TEST(PlacementRecord, ReadsTheStoredExample) {
    const auto bytes = DecodeProfileRecord(kStoredPlacement, kPlacementRecordSize);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(ParsePlacementRecord(*bytes), StoredPlacementRecord());
}

TEST(PlacementRecord, WritesTheStoredExample) {
    const Bytes bytes = SerializePlacementRecord(StoredPlacementRecord());
    EXPECT_EQ(EncodeProfileBinary(bytes.data(), bytes.size()), kStoredPlacement);
}

TEST(PlacementRecord, FieldsAreLittleEndianInOrder) {
    const PlacementRecord record{0x0403022C, 0x11, 3, -2, 0x0100, -0x01000000, 7, 8, 9, 10, 11};
    const Bytes expected = {
        0x2C, 0x02, 0x03, 0x04, 0x11, 0, 0,  0, 3,    0, 0,  0, 0xFE, 0xFF, 0xFF,
        0xFF, 0x00, 0x01, 0,    0,    0, 0,  0, 0xFF, 7, 0,  0, 0,    8,    0,
        0,    0,    9,    0,    0,    0, 10, 0, 0,    0, 11, 0, 0,    0,
    };
    EXPECT_EQ(SerializePlacementRecord(record), expected);
    EXPECT_EQ(ParsePlacementRecord(expected), record);
}

TEST(PlacementRecord, RejectsOtherSizes) {
    EXPECT_THROW(ParsePlacementRecord(Bytes(43)), std::invalid_argument);
    EXPECT_THROW(ParsePlacementRecord(Bytes(60)), std::invalid_argument);
}

// A font record filled with 'X', with NULs at the given offsets.
Bytes FontBytesWithNulsAt(std::initializer_list<std::size_t> nulOffsets) {
    Bytes bytes(kFontRecordSize, 'X');
    for (std::size_t offset : nulOffsets) {
        bytes[offset] = 0;
    }
    return bytes;
}

TEST(FontRecord, FaceNameIsAlwaysTerminatedWithinItsBytes) {
    const std::size_t lastFaceByte = kFontFaceNameOffset + kFontFaceNameSize - 1;
    const struct {
        const char* what;
        Bytes stored;
        bool lastFaceByteCleared;
    } cases[] = {
        {"terminated face", FontBytesWithNulsAt({kFontFaceNameOffset + 5}), false},
        {"empty face", FontBytesWithNulsAt({kFontFaceNameOffset}), false},
        {"NUL in the last face byte", FontBytesWithNulsAt({lastFaceByte}), false},
        {"no NUL at all", FontBytesWithNulsAt({}), true},
        // NULs in the numeric fields do not terminate the face name.
        {"NUL only before the face", FontBytesWithNulsAt({0, kFontFaceNameOffset - 1}), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes expected = c.stored;
        if (c.lastFaceByteCleared) {
            expected[lastFaceByte] = 0;
        }
        const FontRecordBytes parsed = ParseFontRecord(c.stored);
        EXPECT_EQ(Bytes(parsed.begin(), parsed.end()), expected);
    }
}

TEST(FontRecord, RejectsOtherSizes) {
    EXPECT_THROW(ParseFontRecord(Bytes(44)), std::invalid_argument);
    EXPECT_THROW(ParseFontRecord(Bytes(61)), std::invalid_argument);
}

}  // namespace
}  // namespace tessik

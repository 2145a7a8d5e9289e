#include "app/profile_binary.h"

#include <gtest/gtest.h>

#include <numeric>

namespace tessik {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ProfileBinary, EncodesLowHalfFirst) {
    const struct {
        std::uint8_t byte;
        const char* letters;
    } cases[] = {{0x2C, "MC"}, {0x00, "AA"}, {0xFF, "PP"}, {0x01, "BA"}, {0x64, "EG"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        EXPECT_EQ(EncodeProfileBinary(&c.byte, 1), c.letters);
        EXPECT_EQ(DecodeProfileBinary(c.letters), Bytes{c.byte});
    }
}

TEST(ProfileBinary, EveryByteSurvivesEncodeAndDecode) {
    Bytes all(256);
    std::iota(all.begin(), all.end(), 0);
    const std::string text = EncodeProfileBinary(all.data(), all.size());
    ASSERT_EQ(text.size(), 512u);
    EXPECT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOP"), std::string::npos);
    EXPECT_EQ(DecodeProfileBinary(text), all);
}

TEST(ProfileBinary, DecodesAnyCharactersByTheFormula) {
    const struct {
        std::string_view text;
        Bytes bytes;
    } cases[] = {
        {"ZZ", {0xA9}},  // 25 * 16 + 25 = 425
        {"ab", {0x30}},  // 33 * 16 + 32 = 560
        {"@A", {0xFF}},  // -1 below 'A'
        {"\xC1"
         "A",
         {0x80}},         // a byte above 0x7F, whether char is signed or not
        {"MCE", {0x2C}},  // the odd last character is ignored
        {"E", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecodeProfileBinary(c.text), c.bytes);
    }
}

TEST(ProfileBinary, RecordCountsOnlyAtTwiceItsSize) {
    const struct {
        std::size_t letters;
        std::size_t recordSize;
        bool present;
    } cases[] = {
        {88, 44, true},  {87, 44, false}, {89, 44, false}, {120, 44, false},
        {120, 60, true}, {88, 60, false}, {0, 44, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.letters << " letters, " << c.recordSize << " bytes");
        const auto record = DecodeProfileRecord(std::string(c.letters, 'B'), c.recordSize);
        ASSERT_EQ(record.has_value(), c.present);
        if (record) {
            EXPECT_EQ(*record, Bytes(c.recordSize, 0x11));
        }
    }
}

}  // namespace
}  // namespace tessik

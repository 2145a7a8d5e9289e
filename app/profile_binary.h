#pragma once
// Binary values in the settings file: two letters per byte, low half first,
// 'A' + nibble. 0x2C -> "MC".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessik {

std::string EncodeProfileBinary(const std::uint8_t* data, std::size_t size);

// Decodes two characters at a time by the formula, without examining them
// otherwise; a last, odd character is ignored. Empty text decodes to nothing.
std::vector<std::uint8_t> DecodeProfileBinary(std::string_view text);

// A stored record counts only when its text has exactly twice the record's size.
std::optional<std::vector<std::uint8_t>> DecodeProfileRecord(std::string_view text,
                                                             std::size_t recordSize);

}  // namespace tessik

#include "app/profile_binary.h"

namespace tessik {

std::string EncodeProfileBinary(const std::uint8_t* data, std::size_t size) {
    std::string text;
    text.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        text += static_cast<char>('A' + (data[i] & 0x0F));  // low half first
        text += static_cast<char>('A' + (data[i] >> 4));
    }
    return text;
}

std::vector<std::uint8_t> DecodeProfileBinary(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        // Unsigned wrap-around gives the result modulo 256 for any character,
        // whether char is signed or not.
        const unsigned low = static_cast<unsigned char>(text[i]) - unsigned{'A'};
        const unsigned high = static_cast<unsigned char>(text[i + 1]) - unsigned{'A'};
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> DecodeProfileRecord(std::string_view text,
                                                             std::size_t recordSize) {
    if (text.size() != recordSize * 2) {
        return std::nullopt;
    }
    return DecodeProfileBinary(text);
}

}  // namespace tessik

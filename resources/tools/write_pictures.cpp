// Draws the carry cursor and the main icon from their ASCII art and writes
// carry.cur and tessik.ico into the folder given as the only argument.
// A host tool, built and run by hand when a picture changes:
//   g++ -std=c++20 -Wall -Wextra -Werror resources/tools/write_pictures.cpp -o /tmp/write_pictures
//   /tmp/write_pictures resources

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_art.h"

namespace {

using picture_art::Picture;
using picture_art::Rgb;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kIconResourceType = 1;
constexpr std::uint16_t kCursorResourceType = 2;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kDirectoryEntrySize = 16;

void PutU8(Bytes& out, std::uint8_t value) {
    out.push_back(value);
}

void PutU16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(Bytes& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

int Width(const Picture& picture) {
    return static_cast<int>(picture.rows.front().size());
}
int Height(const Picture& picture) {
    return static_cast<int>(picture.rows.size());
}

bool IsTransparent(const Picture& picture, int x, int y) {
    return picture.rows[y][x] == picture_art::kTransparent;
}

Rgb ColourAt(const Picture& picture, int x, int y) {
    const char symbol = picture.rows[y][x];
    for (const auto& entry : picture.palette) {
        if (entry.symbol == symbol) {
            return entry.colour;
        }
    }
    throw std::runtime_error(std::string("no colour for '") + symbol + "'");
}

void CheckShape(const Picture& picture) {
    for (const auto row : picture.rows) {
        if (static_cast<int>(row.size()) != Width(picture)) {
            throw std::runtime_error("rows of unequal length");
        }
    }
}

// Rows of a 1-bit-per-pixel plane, bottom row first, each padded to 4 bytes.
template <typename BitOf>
void PutOneBitPlane(Bytes& out, int width, int height, BitOf bit_of) {
    const int row_bytes = (width + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(row_bytes, 0);
        for (int x = 0; x < width; ++x) {
            if (bit_of(x, y)) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void PutBitmapInfoHeader(Bytes& out, int width, int height, std::uint16_t bits_per_pixel,
                         std::uint32_t image_size) {
    PutU32(out, kBitmapInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height * 2));  // colour plane and mask
    PutU16(out, 1);                                       // planes
    PutU16(out, bits_per_pixel);
    PutU32(out, 0);  // BI_RGB
    PutU32(out, image_size);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
}

// The mask plane: 1 where the background shows through.
void PutMask(Bytes& out, const Picture& picture) {
    PutOneBitPlane(out, Width(picture), Height(picture),
                   [&](int x, int y) { return IsTransparent(picture, x, y); });
}

// Black and white picture: a two-colour palette, a colour plane and a mask.
Bytes MonochromeImage(const Picture& picture) {
    const int width = Width(picture);
    const int height = Height(picture);
    Bytes planes;
    PutOneBitPlane(planes, width, height, [&](int x, int y) {
        if (IsTransparent(picture, x, y)) {
            return false;
        }
        const Rgb colour = ColourAt(picture, x, y);
        if (colour.red == 255 && colour.green == 255 && colour.blue == 255) {
            return true;
        }
        if (colour.red == 0 && colour.green == 0 && colour.blue == 0) {
            return false;
        }
        throw std::runtime_error("a monochrome picture holds black and white only");
    });
    PutMask(planes, picture);

    Bytes image;
    PutBitmapInfoHeader(image, width, height, 1, static_cast<std::uint32_t>(planes.size()));
    for (const Rgb colour : {picture_art::kBlack, picture_art::kWhite}) {
        PutU8(image, colour.blue);
        PutU8(image, colour.green);
        PutU8(image, colour.red);
        PutU8(image, 0);
    }
    image.insert(image.end(), planes.begin(), planes.end());
    return image;
}

// Full-colour picture: 32-bit pixels with alpha, and a mask for older readers.
Bytes TrueColourImage(const Picture& picture) {
    const int width = Width(picture);
    const int height = Height(picture);
    Bytes planes;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            if (IsTransparent(picture, x, y)) {
                PutU32(planes, 0);
                continue;
            }
            const Rgb colour = ColourAt(picture, x, y);
            PutU8(planes, colour.blue);
            PutU8(planes, colour.green);
            PutU8(planes, colour.red);
            PutU8(planes, 255);
        }
    }
    PutMask(planes, picture);

    Bytes image;
    PutBitmapInfoHeader(image, width, height, 32, static_cast<std::uint32_t>(planes.size()));
    image.insert(image.end(), planes.begin(), planes.end());
    return image;
}

struct DirectoryImage {
    int width;
    int height;
    std::uint8_t colour_count;
    std::uint16_t planes_or_hot_spot_x;
    std::uint16_t bits_or_hot_spot_y;
    Bytes data;
};

// The .ico/.cur layout: header, one directory entry per image, then the images.
Bytes ImageFile(std::uint16_t type, const std::vector<DirectoryImage>& images) {
    Bytes file;
    PutU16(file, 0);
    PutU16(file, type);
    PutU16(file, static_cast<std::uint16_t>(images.size()));
    std::size_t offset = kDirectoryHeaderSize + kDirectoryEntrySize * images.size();
    for (const auto& image : images) {
        PutU8(file, static_cast<std::uint8_t>(image.width));  // 256 would be written as 0
        PutU8(file, static_cast<std::uint8_t>(image.height));
        PutU8(file, image.colour_count);
        PutU8(file, 0);
        PutU16(file, image.planes_or_hot_spot_x);
        PutU16(file, image.bits_or_hot_spot_y);
        PutU32(file, static_cast<std::uint32_t>(image.data.size()));
        PutU32(file, static_cast<std::uint32_t>(offset));
        offset += image.data.size();
    }
    for (const auto& image : images) {
        file.insert(file.end(), image.data.begin(), image.data.end());
    }
    return file;
}

Bytes CursorFile(const Picture& picture, int hot_spot_x, int hot_spot_y) {
    CheckShape(picture);
    return ImageFile(kCursorResourceType,
                     {{Width(picture), Height(picture), 2, static_cast<std::uint16_t>(hot_spot_x),
                       static_cast<std::uint16_t>(hot_spot_y), MonochromeImage(picture)}});
}

Bytes IconFile(const std::vector<Picture>& pictures) {
    std::vector<DirectoryImage> images;
    for (const auto& picture : pictures) {
        CheckShape(picture);
        images.push_back({Width(picture), Height(picture), 0, 1, 32, TrueColourImage(picture)});
    }
    return ImageFile(kIconResourceType, images);
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        WriteFile(folder / "carry.cur",
                  CursorFile(picture_art::CarryCursor(), picture_art::kCarryHotSpotX,
                             picture_art::kCarryHotSpotY));
        WriteFile(folder / "tessik.ico",
                  IconFile({picture_art::ClipboardIcon32(), picture_art::ClipboardIcon16()}));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

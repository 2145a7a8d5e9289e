#include "history/list_font.h"

#include <cstring>

#include "framework/gdi_guards.h"

namespace tessik {
namespace {

constexpr int kDefaultPointSizeTenths = 100;
// "ＭＳ Ｐゴシック" in Shift-JIS.
constexpr char kDefaultFaceName[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

}  // namespace

LOGFONTA DefaultListFontDescription(int screenPixelsPerInchY) {
    LOGFONTA font{};
    font.lfHeight = -(screenPixelsPerInchY * kDefaultPointSizeTenths / 720);
    font.lfCharSet = DEFAULT_CHARSET;
    std::memcpy(font.lfFaceName, kDefaultFaceName, sizeof kDefaultFaceName);
    return font;
}

int ScreenPixelsPerInchY() {
    WindowDC screen(nullptr);
    return ::GetDeviceCaps(screen.get(), LOGPIXELSY);
}

UniqueHFont MakeDefaultListFont() {
    const LOGFONTA font = DefaultListFontDescription(ScreenPixelsPerInchY());
    return UniqueHFont(::CreateFontIndirectA(&font));
}

}  // namespace tessik

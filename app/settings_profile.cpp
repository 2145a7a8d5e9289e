#include "app/settings_profile.h"

#include <cstring>
#include <vector>

#include "app/profile_binary.h"
#include "app/reachable_placement.h"
#include "app/settings_records.h"
#include "framework/win_app.h"

namespace tessik {
namespace {

constexpr char kSection[] = "Settings";
constexpr char kWindowKey[] = "Window";
constexpr char kFontKey[] = "Font";

std::optional<std::vector<std::uint8_t>> ReadRecord(const CWinApp& app, const char* key,
                                                    size_t size) {
    return DecodeProfileRecord(app.GetProfileString(kSection, key, ""), size);
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<ScreenRect>*>(data)->push_back(
            {r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

std::vector<ScreenRect> MonitorWorkAreas() {
    std::vector<ScreenRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

}  // namespace

std::optional<StoredPlacement> LoadStoredPlacement(const CWinApp& app) {
    const auto bytes = ReadRecord(app, kWindowKey, kPlacementRecordSize);
    if (!bytes)
        return std::nullopt;
    const PlacementRecord record = ParsePlacementRecord(*bytes);
    const auto onScreen = ReachablePlacement({record.left, record.top, record.right, record.bottom},
                                             MonitorWorkAreas());
    if (!onScreen)
        return std::nullopt;
    return StoredPlacement{{onScreen->left, onScreen->top, onScreen->right, onScreen->bottom},
                           record.showCmd == kShowMaximized};
}

void StorePlacement(CWinApp& app, HWND frame) {
    WINDOWPLACEMENT placement{};
    static_assert(sizeof placement == kPlacementRecordSize);
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(frame, &placement))
        return;
    app.WriteProfileBinary(kSection, kWindowKey, reinterpret_cast<const std::uint8_t*>(&placement),
                           sizeof placement);
}

UniqueHFont LoadStoredListFont(const CWinApp& app) {
    const auto bytes = ReadRecord(app, kFontKey, kFontRecordSize);
    if (!bytes)
        return UniqueHFont();
    const FontRecordBytes record = ParseFontRecord(*bytes);
    LOGFONTA font{};
    static_assert(sizeof font == kFontRecordSize);
    std::memcpy(&font, record.data(), sizeof font);
    return UniqueHFont(::CreateFontIndirectA(&font));
}

void StoreListFont(CWinApp& app, HFONT font) {
    if (!font)
        return;
    LOGFONTA description{};
    if (::GetObjectA(font, sizeof description, &description) != sizeof description)
        return;
    app.WriteProfileBinary(kSection, kFontKey, reinterpret_cast<const std::uint8_t*>(&description),
                           sizeof description);
}

}  // namespace tessik

#pragma once
// The program's own settings in the settings file: the main window's placement
// and the list's font, each read when its window is made and written when it
// is destroyed. Failures are silent; the defaults then apply.

#include <windows.h>

#include <optional>

#include "framework/handles.h"

namespace tessik {

class CWinApp;

struct StoredPlacement {
    RECT normal;         // where the frame is created
    bool showMaximized;  // the first showing is maximised
};

// The stored placement, moved onto a monitor when it lies wholly off screen;
// nothing when absent, of the wrong length or empty.
std::optional<StoredPlacement> LoadStoredPlacement(const CWinApp& app);
void StorePlacement(CWinApp& app, HWND frame);

// A font made from the stored description; null when absent, of the wrong
// length, or when no font can be made from it.
UniqueHFont LoadStoredListFont(const CWinApp& app);
// Nothing is stored when there is no font or its description cannot be read.
void StoreListFont(CWinApp& app, HFONT font);

}  // namespace tessik

#pragma once
// The list's default font: 10 points of "ＭＳ Ｐゴシック" at the screen's resolution.

#include <windows.h>

#include "framework/handles.h"

namespace tessik {

// The description the default font is made from: all zero but the height,
// the character set and the face name.
LOGFONTA DefaultListFontDescription(int screenPixelsPerInchY);

int ScreenPixelsPerInchY();

UniqueHFont MakeDefaultListFont();

}  // namespace tessik

#pragma once
// The block the driver writes into the program's memory for the menu probe (menu_probe.dll), and
// the answer the probe writes over it. Plain data with fixed sizes: the DLL and the driver share
// this header and nothing else.

#include <cstdint>

namespace e2e::menu_probe {

inline constexpr char kDllName[] = "menu_probe.dll";
inline constexpr char kEntryPoint[] = "ReadDropDownMenu";
inline constexpr std::uint32_t kMaxItems = 32;
inline constexpr std::uint32_t kMaxText = 128;

struct ProbedItem {
    std::uint32_t id;
    std::uint32_t type;   // MENUITEMINFO fType
    std::uint32_t state;  // MENUITEMINFO fState
    std::uint32_t hasSubMenu;
    char text[kMaxText];  // ANSI, NUL-terminated
};

struct Request {
    std::uint64_t frame;          // in: the window whose menu bar is read
    std::uint32_t dropDownIndex;  // in: the drop-down's position in the bar
    std::uint32_t found;          // out: 1 when the bar has that drop-down
    std::uint64_t dropDown;       // out: the drop-down's handle
    std::uint32_t itemCount;      // out: items in `items` (at most kMaxItems)
    ProbedItem items[kMaxItems];  // out
};

}  // namespace e2e::menu_probe

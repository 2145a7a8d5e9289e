// Measures the history list's hot paths with a large list: what one clipboard
// capture costs (the prefix search, the insertion and the extent
// recomputation) and what deleting costs, on a real list box with the default
// list font, under the same window system the program runs on.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "history/horizontal_extent.h"
#include "history/list_box.h"
#include "history/list_font.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string EntryText(int i) {
    return "entry " + std::to_string(i) + " \x82\xa0\x82\xa2 some clipboard text of a usual length";
}

template <typename F>
void Report(const char* what, int repetitions, F&& body) {
    const auto start = Clock::now();
    for (int i = 0; i < repetitions; ++i)
        body(i);
    std::printf("%-46s %10.3f ms\n", what, MillisecondsSince(start) / repetitions);
}

}  // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    HWND parent = ::CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400,
                                    nullptr, nullptr, nullptr, nullptr);
    HWND hwnd = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", 0x50300100, 0, 0, 380, 380,
                                  parent, nullptr, nullptr, nullptr);
    tessik::UniqueHFont font = tessik::MakeDefaultListFont();
    ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    tessik::ListBoxControl list(hwnd);

    const auto fill = Clock::now();
    ::SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(hwnd, LB_INITSTORAGE, static_cast<WPARAM>(entries), entries * 64);
    for (int i = 0; i < entries; ++i)
        list.Append(EntryText(i));
    ::SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    std::printf("%-46s %10.3f ms\n", "fill (append, redraw off)", MillisecondsSince(fill));
    std::printf("entries: %d\n", list.Count());

    tessik::HorizontalExtent extent;
    Report("full extent measurement", 3, [&](int) { extent.Recompute(list); });
    Report("prefix search that finds nothing", 5, [&](int i) {
        list.FindEntryBeginningWith("no entry starts like " + std::to_string(i));
    });
    Report("capture: search, insert at the top, extent", 20, [&](int i) {
        const std::string text = "captured text " + std::to_string(i);
        if (list.FindEntryBeginningWith(text) == LB_ERR) {
            list.InsertTop(text);
            extent.EntryInserted(list, 0);
        }
    });
    Report("delete an entry narrower than the widest", 20,
           [&](int) { extent.RemoveEntry(list, 0); });
    list.InsertTop(std::string(300, 'W'));
    extent.EntryInserted(list, 0);
    Report("delete the widest entry", 1, [&](int) { extent.RemoveEntry(list, 0); });
    ::DestroyWindow(parent);
    return 0;
}

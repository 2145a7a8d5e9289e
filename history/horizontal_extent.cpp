#include "history/horizontal_extent.h"

#include <algorithm>

#include "framework/gdi_guards.h"

namespace tessik {
namespace {

// A DC of the list with the list's own font selected, for measuring entries.
class EntryMeasurer {
  public:
    explicit EntryMeasurer(const ListBoxControl& list)
        : dc_(list.hwnd()),
          font_(dc_.get(), reinterpret_cast<HFONT>(::SendMessageA(list.hwnd(), WM_GETFONT, 0, 0))) {
    }

    long Width(std::string text) const {
        text += ' ';
        SIZE size{};
        ::GetTextExtentPoint32A(dc_.get(), text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    explicit operator bool() const { return static_cast<bool>(dc_); }

  private:
    WindowDC dc_;
    SelectObjectGuard font_;
};

}  // namespace

long MeasureEntryWidth(const ListBoxControl& list, const std::string& text) {
    EntryMeasurer measurer(list);
    return measurer ? measurer.Width(text) : 0;
}

void HorizontalExtent::Apply(const ListBoxControl& list, long widest) {
    widest_ = widest;
    ::SendMessageA(list.hwnd(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
}

void HorizontalExtent::Recompute(const ListBoxControl& list) {
    EntryMeasurer measurer(list);
    if (!measurer)
        return;
    long widest = 0;
    const int count = list.Count();
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, measurer.Width(list.TextAt(i)));
    Apply(list, widest);
}

void HorizontalExtent::EntryInserted(const ListBoxControl& list, int index) {
    const long width = MeasureEntryWidth(list, list.TextAt(index));
    if (width > widest_)
        Apply(list, width);
}

void HorizontalExtent::RemoveEntry(ListBoxControl& list, int index) {
    const bool wasWidest = MeasureEntryWidth(list, list.TextAt(index)) >= widest_;
    list.Delete(index);
    if (wasWidest)
        Recompute(list);
}

}  // namespace tessik

#pragma once
// The list's horizontal scroll extent: the width of its widest entry, each
// entry measured in the list's font with one space appended.
//
// The extent always equals what measuring every entry would give, but a
// change measures only what it must: an inserted entry is measured alone, and
// a removal measures the list again only when the removed entry was as wide
// as the extent. With 100,000 entries a full measurement takes most of a
// second, which a capture must not cost.

#include "history/list_box.h"

namespace tessik {

class HorizontalExtent {
  public:
    // Measures every entry (at creation, after a change of font, after all
    // entries were removed).
    void Recompute(const ListBoxControl& list);
    // After the entry at index was inserted.
    void EntryInserted(const ListBoxControl& list, int index);
    // Removes the entry at index and keeps the extent in step.
    void RemoveEntry(ListBoxControl& list, int index);

    long widest() const { return widest_; }

  private:
    void Apply(const ListBoxControl& list, long widest);

    long widest_ = 0;
};

// The width of the text with one space appended, in the list's font.
long MeasureEntryWidth(const ListBoxControl& list, const std::string& text);

}  // namespace tessik

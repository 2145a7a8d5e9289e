// The font command: the platform's font dialog over the main window; OK with another face and size
// gives the list a new font, Cancel changes nothing.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ansi_text.h"
#include "command_test.h"
#include "dialogs.h"
#include "input.h"
#include "list_actions.h"

namespace e2e {
namespace {

constexpr UINT kEditFont = 32771;
// The font dialog's face and size boxes.
constexpr int kFaceBox = 0x470;  // cmb1
constexpr int kSizeBox = 0x472;  // cmb3
constexpr UINT kSendTimeoutMilliseconds = 10000;

std::optional<LRESULT> SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMilliseconds,
                             &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

// The texts of a combo box's list, read as W messages (see list_reader.h).
std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendBounded(combo, CB_GETCOUNT, 0, 0).value_or(0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendBounded(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (!length || *length < 0) {
            continue;
        }
        std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
        const auto copied = SendBounded(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                        reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied.value_or(0), 0, *length)));
        items.push_back(WideToAnsi(text));
    }
    return items;
}

// Selects the text in the dialog's combo box as the user would. The dialog learns of a selection
// made by message only through the notification, so it is sent too.
bool ChooseInCombo(HWND dialog, int comboId, const std::string& text) {
    HWND combo = GetDlgItem(dialog, comboId);
    const std::wstring wide = AnsiToWide(text);
    const auto index = SendBounded(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(wide.c_str()));
    if (!index || *index == CB_ERR) {
        return false;
    }
    return SendBounded(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo))
        .has_value();
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What the list's font shows from outside. Wine does not answer WM_GETFONT sent from another
// process, so the font is seen through the row height and the measured extent.
struct ListLook {
    int rowHeight;
    int extent;
    bool operator==(const ListLook&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ListLook& look) {
    return out << "row height " << look.rowHeight << ", extent " << look.extent;
}

class FontCommandTest : public CommandTest {
  protected:
    ListLook Look() { return {RowHeight(App().List()), App().Reader().HorizontalExtent()}; }

    // Chooses the font item; the dialog that appears, owned by the main window.
    HWND OpenFontDialog() {
        PostCommand(App().Frame(), kEditFont);
        HWND dialog = WaitForDialogOf(App().Frame());
        EXPECT_NE(dialog, nullptr) << "no font dialog appeared";
        if (dialog) {
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), App().Frame());
            EXPECT_FALSE(IsWindowEnabled(App().Frame()));
        }
        return dialog;
    }

    // Picks another face than the dialog opened on, and the largest size that face offers.
    void ChooseAnotherFaceAndSize(HWND dialog) {
        const std::string current = DialogItemText(dialog, kFaceBox);
        std::string face;
        for (const std::string& item : ComboItems(GetDlgItem(dialog, kFaceBox))) {
            if (IsAscii(item) && !item.empty() && item != current && item[0] != '@') {
                face = item;
                break;
            }
        }
        ASSERT_FALSE(face.empty()) << "the dialog offers no other face than " << current;
        ASSERT_TRUE(ChooseInCombo(dialog, kFaceBox, face)) << face;

        const std::vector<std::string> sizes = ComboItems(GetDlgItem(dialog, kSizeBox));
        ASSERT_FALSE(sizes.empty()) << face << " offers no sizes";
        ASSERT_TRUE(ChooseInCombo(dialog, kSizeBox, sizes.back())) << sizes.back();
    }
};

TEST_F(FontCommandTest, ConfirmedWithAnotherFaceAndSizeGivesTheListThatFont) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FillList({"one", std::string(60, 'W')}));
    const ListLook before = Look();
    ASSERT_GT(before.rowHeight, 0);

    HWND dialog = OpenFontDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseAnotherFaceAndSize(dialog));
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(WaitForDialogGone(dialog));
    ASSERT_TRUE(App().Sync());

    const ListLook after = Look();
    EXPECT_GT(after.rowHeight, before.rowHeight);
    // The extent was measured again in the new font.
    EXPECT_GT(after.extent, before.extent);
    EXPECT_TRUE(IsWindowEnabled(App().Frame()));
    EXPECT_EQ(Entries(), (Texts{"one", std::string(60, 'W')}));
}

TEST_F(FontCommandTest, CancelledChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FillList({"one", std::string(60, 'W')}));
    const ListLook before = Look();

    HWND dialog = OpenFontDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseAnotherFaceAndSize(dialog));
    PressDialogButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitForDialogGone(dialog));
    ASSERT_TRUE(App().Sync());

    EXPECT_EQ(Look(), before);
    EXPECT_TRUE(IsWindowEnabled(App().Frame()));
}

}  // namespace
}  // namespace e2e

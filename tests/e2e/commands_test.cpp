// The list commands as the user gives them: copy (Ctrl+C, Ctrl+Insert, the menu), delete (Delete),
// delete all (Ctrl+A), and the exit command; keys that their update rules disable do nothing.

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "clipboard_tools.h"
#include "command_test.h"
#include "dialogs.h"
#include "input.h"
#include "keyboard_tools.h"
#include "list_actions.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr UINT kEditClear = 57632;
constexpr UINT kEditCopy = 57634;
constexpr UINT kAppExit = 57665;

// Wider than the 200-pixel window in any font.
const std::string kWideText(120, 'W');

bool ShowsHorizontalScrollBar(HWND list) {
    return (Style(list) & WS_HSCROLL) != 0;
}

class ListCommandsTest : public CommandTest {
  protected:
    // Presses the keys and returns once the program has handled them.
    void Press(std::initializer_list<WORD> keys) {
        PressKeys(keys);
        ASSERT_TRUE(WaitForInputHandled(App().Frame())) << "the program did not handle the keys";
    }

    // Clicks the entry as the user would; a click without movement only selects it.
    void ClickEntry(int index) {
        const auto rect = EntryRectOnScreen(App().List(), index);
        ASSERT_TRUE(rect);
        ClickAt(CenterOf(*rect));
        ASSERT_TRUE(WaitUntil([&] { return App().Reader().CurrentSelection() == index; }))
            << "the click did not select entry " << index;
    }
};

TEST_F(ListCommandsTest, KeysDoNothingOnAnEmptyList) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FocusList());
    const DWORD clipboardBefore = GetClipboardSequenceNumber();

    for (const auto& keys : {std::initializer_list<WORD>{VK_CONTROL, 'C'},
                             {VK_CONTROL, VK_INSERT},
                             {VK_DELETE},
                             {VK_CONTROL, 'A'}}) {
        ASSERT_NO_FATAL_FAILURE(Press(keys));
    }

    EXPECT_EQ(Entries(), Texts{});
    EXPECT_EQ(GetClipboardSequenceNumber(), clipboardBefore);
    EXPECT_EQ(FindDialogOf(App().Frame()), nullptr);
    EXPECT_TRUE(App().IsRunning());
}

TEST_F(ListCommandsTest, EmptyEntrySelectedIgnoresCopyAndDeleteButNotDeleteAll) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FillList({"abc", ""}));
    ASSERT_TRUE(SelectEntry(App().List(), 1));
    ASSERT_NO_FATAL_FAILURE(FocusList());
    const DWORD clipboardBefore = GetClipboardSequenceNumber();

    for (const auto& keys :
         {std::initializer_list<WORD>{VK_CONTROL, 'C'}, {VK_CONTROL, VK_INSERT}, {VK_DELETE}}) {
        ASSERT_NO_FATAL_FAILURE(Press(keys));
    }
    EXPECT_EQ(Entries(), (Texts{"abc", ""}));
    EXPECT_EQ(GetClipboardSequenceNumber(), clipboardBefore);
    EXPECT_EQ(GetClipboardText(), "abc");

    ASSERT_NO_FATAL_FAILURE(Press({VK_CONTROL, 'A'}));
    EXPECT_EQ(Entries(), Texts{});
}

TEST_F(ListCommandsTest, CtrlAEmptiesAFullListAtOnceAndHidesTheScrollBar) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FillList({"one", kWideText, "two", "three"}));
    ASSERT_TRUE(ShowsHorizontalScrollBar(App().List()));
    ASSERT_GT(App().Reader().HorizontalExtent(), 0);
    ASSERT_NO_FATAL_FAILURE(FocusList());

    ASSERT_NO_FATAL_FAILURE(Press({VK_CONTROL, 'A'}));

    EXPECT_EQ(Entries(), Texts{});
    EXPECT_EQ(App().Reader().HorizontalExtent(), 0);
    EXPECT_FALSE(ShowsHorizontalScrollBar(App().List()));
    // No question was asked.
    EXPECT_EQ(FindDialogOf(App().Frame()), nullptr);
}

TEST_F(ListCommandsTest, CopyMovesTheEntryToTheTopAndPutsItsTextOnTheClipboard) {
    enum class Way { CtrlC, CtrlInsert, MenuCommand };
    const struct {
        const char* what;
        Texts before;
        int copied;
        Way way;
        Texts after;
    } cases[] = {
        {"a middle entry by Ctrl+C",
         {"one", "two", "three"},
         1,
         Way::CtrlC,
         {"two", "one", "three"}},
        {"a middle entry by Ctrl+Insert",
         {"one", "two", "three"},
         1,
         Way::CtrlInsert,
         {"two", "one", "three"}},
        {"a middle entry by the menu",
         {"one", "two", "three"},
         1,
         Way::MenuCommand,
         {"two", "one", "three"}},
        {"the top entry", {"one", "two", "three"}, 0, Way::CtrlC, {"one", "two", "three"}},
        {"the bottom entry", {"one", "two", "three"}, 2, Way::CtrlC, {"three", "one", "two"}},
        // The entry goes to the top before the notification, which then finds it there.
        {"the beginning of another entry", {"abcdef", "abc"}, 1, Way::CtrlC, {"abc", "abcdef"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(StartApp());
        ASSERT_NO_FATAL_FAILURE(FillList(c.before));
        ASSERT_NO_FATAL_FAILURE(FocusList());
        ASSERT_NO_FATAL_FAILURE(ClickEntry(c.copied));
        const DWORD clipboardBefore = GetClipboardSequenceNumber();

        switch (c.way) {
            case Way::CtrlC:
                ASSERT_NO_FATAL_FAILURE(Press({VK_CONTROL, 'C'}));
                break;
            case Way::CtrlInsert:
                ASSERT_NO_FATAL_FAILURE(Press({VK_CONTROL, VK_INSERT}));
                break;
            case Way::MenuCommand:
                ASSERT_TRUE(SendCommand(App().Frame(), kEditCopy));
                break;
        }
        EXPECT_NE(GetClipboardSequenceNumber(), clipboardBefore) << "the clipboard was not written";
        EXPECT_EQ(GetClipboardText(), c.before[static_cast<size_t>(c.copied)]);
        EXPECT_EQ(Entries(), c.after);
        // The clipboard notification that follows changes nothing more.
        PumpFor(200ms);
        ASSERT_TRUE(App().Sync());
        EXPECT_EQ(Entries(), c.after);
    }
}

TEST_F(ListCommandsTest, CopyChangesNothingWhileAnotherProgramHoldsTheClipboard) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FillList({"one", "two", "three"}));
    ASSERT_NO_FATAL_FAILURE(FocusList());
    ASSERT_NO_FATAL_FAILURE(ClickEntry(1));
    const DWORD clipboardBefore = GetClipboardSequenceNumber();
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.IsHolding());
        ASSERT_NO_FATAL_FAILURE(Press({VK_CONTROL, 'C'}));
        EXPECT_EQ(Entries(), (Texts{"one", "two", "three"}));
    }
    PumpFor(200ms);
    EXPECT_EQ(Entries(), (Texts{"one", "two", "three"}));
    EXPECT_EQ(GetClipboardSequenceNumber(), clipboardBefore);
    EXPECT_EQ(GetClipboardText(), "one");
}

TEST_F(ListCommandsTest, DeleteRemovesTheSelectedEntryAndNarrowsTheExtentWhenItWasTheWidest) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FillList({"short", kWideText, "medium text"}));
    const int widestExtent = App().Reader().HorizontalExtent();
    ASSERT_NO_FATAL_FAILURE(FocusList());

    ASSERT_NO_FATAL_FAILURE(ClickEntry(2));
    ASSERT_NO_FATAL_FAILURE(Press({VK_DELETE}));
    EXPECT_EQ(Entries(), (Texts{"short", kWideText}));
    EXPECT_EQ(App().Reader().HorizontalExtent(), widestExtent);

    // The menu's delete does the same.
    ASSERT_TRUE(SelectEntry(App().List(), 1));
    ASSERT_TRUE(SendCommand(App().Frame(), kEditClear));
    EXPECT_EQ(Entries(), Texts{"short"});
    const int narrowedExtent = App().Reader().HorizontalExtent();
    EXPECT_GT(narrowedExtent, 0);
    EXPECT_LT(narrowedExtent, widestExtent);
    EXPECT_FALSE(ShowsHorizontalScrollBar(App().List()));
}

TEST_F(ListCommandsTest, KeysOfTheTableDoNotApplyWhileAMenuIsOpen) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FillList({"one", "two"}));
    ASSERT_TRUE(SelectEntry(App().List(), 0));
    ASSERT_NO_FATAL_FAILURE(FocusList());

    // Delete is no access key of the file menu, so the open menu just ignores it.
    ASSERT_TRUE(OpenMenuByKeyboard(App().Frame(), 'F'));
    PressKeys({VK_DELETE});
    ASSERT_TRUE(CloseMenus(App().Frame()));
    ASSERT_TRUE(WaitForInputHandled(App().Frame()));
    EXPECT_EQ(Entries(), (Texts{"one", "two"}));

    // Closed again, the same key deletes.
    ASSERT_NO_FATAL_FAILURE(Press({VK_DELETE}));
    EXPECT_EQ(Entries(), Texts{"two"});
}

// The names of the settings file's sections and keys, without their values.
std::set<std::string> KeyNames(const std::string& ini) {
    std::set<std::string> names;
    size_t start = 0;
    while (start < ini.size()) {
        size_t end = ini.find('\n', start);
        if (end == std::string::npos) {
            end = ini.size();
        }
        const std::string line = ini.substr(start, end - start);
        names.insert(line.substr(0, line.find('=')));
        start = end + 1;
    }
    return names;
}

TEST_F(ListCommandsTest, ExitCommandEndsTheProgramAsTheCloseBoxDoes) {
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } ways[] = {
        {"the close box", WM_SYSCOMMAND, SC_CLOSE},
        {"the exit command", WM_COMMAND, MAKEWPARAM(kAppExit, 0)},
    };
    std::optional<std::set<std::string>> closeBoxKeys;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        ASSERT_NO_FATAL_FAILURE(StartApp());
        ASSERT_NO_FATAL_FAILURE(FillList({"one"}));

        PostMessageW(App().Frame(), way.message, way.wParam, 0);
        bool askedSomething = false;
        EXPECT_TRUE(WaitUntil([&] {
            askedSomething = askedSomething || FindDialogOfProcess(App().ProcessId()) != nullptr;
            return !App().IsRunning();
        }));
        EXPECT_FALSE(askedSomething);
        EXPECT_EQ(App().WaitForExit(), 0u);

        const auto ini = App().IniText();
        ASSERT_TRUE(ini) << "no settings file was written";
        if (!closeBoxKeys) {
            closeBoxKeys = KeyNames(*ini);
        } else {
            EXPECT_EQ(KeyNames(*ini), *closeBoxKeys);
        }
    }
}

}  // namespace
}  // namespace e2e

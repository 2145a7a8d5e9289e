// The menus' states as the update rules set them when a drop-down opens: at start, as the list and
// its selection change, opened by keyboard, and the paste-via-clipboard item's check mark.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_test.h"
#include "keyboard_tools.h"
#include "list_actions.h"

namespace e2e {
namespace {

using States = std::vector<std::string>;

constexpr UINT kUseClipboard = 32774;

class MenuTest : public CommandTest {};

TEST_F(MenuTest, DropDownsAtStartShowTheirRules) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    const struct {
        int index;
        States states;
        size_t firstChecked;
    } menus[] = {
        // The recent-file placeholder and exit. Open and save as (the first two
        // items) are enabled by the handlers of the history-file commands, which
        // this program does not have yet, so their state is not checked here.
        {kFileMenu, {"57601 enabled", "57604 enabled", "-", "57616 greyed", "-", "57665 enabled"}, 2},
        // Copy, delete; delete all; font.
        {kEditMenu, {"57634 greyed", "57632 greyed", "-", "57633 greyed", "-", "32771 enabled"}, 0},
        // Read-me, which nothing handles; the paste-via-clipboard mode, off; about.
        {kHelpMenu, {"32772 greyed", "-", "32774 enabled", "-", "57664 enabled"}, 0},
    };
    for (const auto& menu : menus) {
        SCOPED_TRACE(menu.index);
        const auto opened = OpenedMenu(menu.index);
        ASSERT_TRUE(opened);
        const States states = ItemStates(*opened);
        ASSERT_EQ(states.size(), menu.states.size());
        EXPECT_EQ(States(states.begin() + menu.firstChecked, states.end()),
                  States(menu.states.begin() + menu.firstChecked, menu.states.end()));
    }
}

TEST_F(MenuTest, EditMenuFollowsTheListAndItsSelection) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    // An empty text is recorded only into an empty list.
    ASSERT_NO_FATAL_FAILURE(FillList({"abc", ""}));
    const struct {
        const char* what;
        int selected;
        States states;
    } cases[] = {
        {"nothing selected",
         -1,
         {"57634 greyed", "57632 greyed", "-", "57633 enabled", "-", "32771 enabled"}},
        {"an entry with text selected",
         0,
         {"57634 enabled", "57632 enabled", "-", "57633 enabled", "-", "32771 enabled"}},
        {"an empty entry selected",
         1,
         {"57634 greyed", "57632 greyed", "-", "57633 enabled", "-", "32771 enabled"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(SelectEntry(App().List(), c.selected));
        const auto opened = OpenedMenu(kEditMenu);
        ASSERT_TRUE(opened);
        EXPECT_EQ(ItemStates(*opened), c.states);
    }
}

TEST_F(MenuTest, MenusOpenedByKeyboardShowTheStatesOfTheMoment) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_NO_FATAL_FAILURE(FocusList());

    ASSERT_TRUE(OpenMenuByKeyboard(App().Frame(), 'E'));
    auto edit = CurrentMenu(kEditMenu);
    ASSERT_TRUE(CloseMenus(App().Frame()));
    ASSERT_TRUE(edit);
    EXPECT_EQ(ItemStates(*edit),
              (States{"57634 greyed", "57632 greyed", "-", "57633 greyed", "-", "32771 enabled"}));

    ASSERT_NO_FATAL_FAILURE(FillList({"abc"}));
    ASSERT_TRUE(SelectEntry(App().List(), 0));
    ASSERT_TRUE(OpenMenuByKeyboard(App().Frame(), 'E'));
    edit = CurrentMenu(kEditMenu);
    ASSERT_TRUE(CloseMenus(App().Frame()));
    ASSERT_TRUE(edit);
    EXPECT_EQ(ItemStates(*edit), (States{"57634 enabled", "57632 enabled", "-", "57633 enabled",
                                         "-", "32771 enabled"}));

    ASSERT_TRUE(OpenMenuByKeyboard(App().Frame(), 'H'));
    const auto help = CurrentMenu(kHelpMenu);
    ASSERT_TRUE(CloseMenus(App().Frame()));
    ASSERT_TRUE(help);
    EXPECT_EQ(ItemStates(*help),
              (States{"32772 greyed", "-", "32774 enabled", "-", "57664 enabled"}));
}

TEST_F(MenuTest, PasteViaClipboardItemIsCheckedExactlyWhileTheModeIsOn) {
    const auto toggleItem = [this]() -> std::string {
        const auto help = OpenedMenu(kHelpMenu);
        return help && help->Item(kUseClipboard) ? ItemStates(*help).at(2) : "(no item)";
    };
    ASSERT_NO_FATAL_FAILURE(StartApp());
    for (const char* expected : {"32774 enabled checked", "32774 enabled"}) {
        ASSERT_TRUE(SendCommand(App().Frame(), kUseClipboard));
        EXPECT_EQ(toggleItem(), expected);
    }

    // Left on at exit, the mode is off again at the next start.
    ASSERT_TRUE(SendCommand(App().Frame(), kUseClipboard));
    ASSERT_EQ(toggleItem(), "32774 enabled checked");
    ASSERT_EQ(App().Close(), 0u);
    ASSERT_TRUE(App().Start());  // the same copy, with the settings file it wrote
    EXPECT_EQ(toggleItem(), "32774 enabled");
}

}  // namespace
}  // namespace e2e

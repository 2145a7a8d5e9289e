// Command routing, the menus' update pass and the gate before a command runs,
// with test command targets on a real frame window: a view, its document, the
// document template, the frame and the application, each with a table the
// test writes, overlapping on purpose.

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/cmd_target.h"
#include "framework/command_routing.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "tests/win/test_app.h"

namespace tessik {
namespace {

// What ran, in order: "<target> <id>" for a handler, "<target> update <id>"
// for an update handler.
using Log = std::vector<std::string>;

enum class UpdateAction { Enable, Disable, Check, Uncheck };

// A command table the test writes. Every handler and update handler writes to
// the log; an update handler then does what the test asked for its id.
template <typename T>
class ScriptedCommands {
  public:
    ScriptedCommands(std::string name, Log& log) : name_(std::move(name)), log_(log) {}

    void Handles(UINT first, UINT last) {
        table_.push_back({first, last, nullptr, nullptr, &ScriptedCommands::RunCommand});
    }
    void Updates(UINT id, UpdateAction action) {
        table_.push_back({id, id, nullptr, &ScriptedCommands::RunUpdate});
        actions_[id] = action;
    }
    // Update handlers for a range of ids that only write to the log.
    void UpdatesQuietly(UINT first, UINT last) {
        table_.push_back({first, last, nullptr, &ScriptedCommands::RunUpdate});
    }

  protected:
    bool OfferToTable(UINT id, CommandMode mode, CCmdUI* ui) {
        return DispatchFromTable<T>(static_cast<T*>(this), std::span<const CommandEntry<T>>(table_),
                                    id, mode, ui);
    }

  private:
    void RunCommand(UINT id) { log_.push_back(name_ + " " + std::to_string(id)); }

    void RunUpdate(CCmdUI* ui) {
        log_.push_back(name_ + " update " + std::to_string(ui->id()));
        const auto action = actions_.find(ui->id());
        if (action == actions_.end())
            return;
        switch (action->second) {
            case UpdateAction::Enable:
                ui->Enable(true);
                break;
            case UpdateAction::Disable:
                ui->Enable(false);
                break;
            case UpdateAction::Check:
                ui->SetCheck(1);
                break;
            case UpdateAction::Uncheck:
                ui->SetCheck(0);
                break;
        }
    }

    std::string name_;
    Log& log_;
    std::vector<CommandEntry<T>> table_;
    std::map<UINT, UpdateAction> actions_;
};

class TestView : public CView, public ScriptedCommands<TestView> {
  public:
    TestView(Log& log, std::vector<UINT>& offeredForUpdate)
        : ScriptedCommands("view", log), offeredForUpdate_(offeredForUpdate) {}

    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override {
        // The view is first on the path, so it sees every update offer.
        if (mode == CommandMode::Update)
            offeredForUpdate_.push_back(id);
        return OfferToTable(id, mode, ui);
    }

  private:
    std::vector<UINT>& offeredForUpdate_;
};

class TestDocument : public CDocument, public ScriptedCommands<TestDocument> {
  public:
    explicit TestDocument(Log& log) : ScriptedCommands("document", log) {}
    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override {
        return OfferToTable(id, mode, ui);
    }
};

class TestTemplate : public CSingleDocTemplate, public ScriptedCommands<TestTemplate> {
  public:
    explicit TestTemplate(Log& log)
        : CSingleDocTemplate(0, {}, {}, {}), ScriptedCommands("template", log) {}
    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override {
        return OfferToTable(id, mode, ui);
    }
};

class TestFrame : public CFrameWnd, public ScriptedCommands<TestFrame> {
  public:
    explicit TestFrame(Log& log) : ScriptedCommands("frame", log) {}
    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override {
        return OfferToTable(id, mode, ui);
    }
};

class TestAppCommands : public CCmdTarget, public ScriptedCommands<TestAppCommands> {
  public:
    explicit TestAppCommands(Log& log) : ScriptedCommands("app", log) {}
    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override {
        return OfferToTable(id, mode, ui);
    }
};

// A drop-down menu the test builds; destroyed with the object.
class PopupMenu {
  public:
    PopupMenu() : menu_(::CreatePopupMenu()) {}
    ~PopupMenu() {
        if (menu_)
            ::DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU get() const { return menu_; }
    // Appends an item and returns its position.
    UINT Add(UINT id, UINT flags = MF_ENABLED) {
        ::AppendMenuA(menu_, MF_STRING | flags, id, "item");
        return Count() - 1;
    }
    UINT AddSeparator() {
        ::AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
        return Count() - 1;
    }
    // The sub-menu becomes part of this menu and goes with it.
    UINT AddSubMenu(PopupMenu& subMenu) {
        HMENU sub = std::exchange(subMenu.menu_, nullptr);
        ::AppendMenuA(menu_, MF_POPUP | MF_ENABLED, reinterpret_cast<UINT_PTR>(sub), "sub");
        return Count() - 1;
    }
    UINT Count() const { return static_cast<UINT>(::GetMenuItemCount(menu_)); }

  private:
    HMENU menu_;
};

struct ItemState {
    bool greyed;
    bool checked;
    bool operator==(const ItemState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ItemState& state) {
    return out << (state.greyed ? "greyed" : "enabled") << (state.checked ? ", checked" : "");
}

ItemState StateAt(HMENU menu, UINT position) {
    const UINT state = ::GetMenuState(menu, position, MF_BYPOSITION);
    return {(state & (MF_GRAYED | MF_DISABLED)) != 0, (state & MF_CHECKED) != 0};
}

constexpr ItemState kEnabled{false, false};
constexpr ItemState kGreyed{true, false};

class CommandRoutingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        document_.SetDocTemplate(&template_);
        frame_ = new TestFrame(log_);  // deletes itself with its window
        CCreateContext context{&document_, [this] {
                                   auto view = std::make_unique<TestView>(log_, offered_);
                                   view_ = view.get();
                                   return view;
                               }};
        if (!frame_->LoadFrame(0, WS_OVERLAPPEDWINDOW, &context)) {
            frame_ = nullptr;
            FAIL() << "the test frame could not be made";
        }
        ASSERT_NE(view_, nullptr);
        ASSERT_EQ(view_->GetDocument(), &document_);
        frame_->SetActiveView(view_);
    }

    void TearDown() override {
        if (frame_)
            frame_->DestroyWindow();
    }

    // WM_COMMAND as a menu item (code 0) or an accelerator (code 1) sends it.
    void SendCommand(UINT id, WORD code = 0) {
        ::SendMessageA(frame_->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, code), 0);
    }

    void SendInitMenuPopup(HMENU menu, bool isSystemMenu = false) {
        ::SendMessageA(frame_->GetSafeHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                       MAKELPARAM(0, isSystemMenu ? TRUE : FALSE));
    }

    Log log_;
    std::vector<UINT> offered_;
    TestAppCommands app_{log_};
    test::ScopedAppCommands appCommands_{app_};
    TestTemplate template_{log_};
    TestDocument document_{log_};
    TestFrame* frame_ = nullptr;
    TestView* view_ = nullptr;
};

TEST_F(CommandRoutingTest, FirstHandlerAlongViewDocumentTemplateFrameAppRunsTheCommand) {
    // Each later target handles every id the earlier ones handle, and one more.
    view_->Handles(1001, 1001);
    document_.Handles(1001, 1002);
    template_.Handles(1001, 1003);
    frame_->Handles(1001, 1004);
    app_.Handles(1001, 1005);

    const struct {
        UINT id;
        Log ran;
    } cases[] = {
        {1001, {"view 1001"}},  {1002, {"document 1002"}}, {1003, {"template 1003"}},
        {1004, {"frame 1004"}}, {1005, {"app 1005"}},      {1006, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        log_.clear();
        SendCommand(c.id);
        EXPECT_EQ(log_, c.ran);

        // Asking whether a handler exists runs nothing.
        log_.clear();
        EXPECT_EQ(RouteCommand(*frame_, c.id, CommandMode::Probe, nullptr), !c.ran.empty());
        EXPECT_EQ(log_, Log{});
    }
}

TEST_F(CommandRoutingTest, FirstUpdateHandlerAlongThePathRunsEvenPastAnEarlierHandler) {
    view_->UpdatesQuietly(1101, 1101);
    document_.UpdatesQuietly(1101, 1102);
    template_.UpdatesQuietly(1101, 1103);
    frame_->UpdatesQuietly(1101, 1104);
    app_.UpdatesQuietly(1101, 1105);
    // A handler without an update handler does not end the search for one.
    view_->Handles(1102, 1105);

    const struct {
        UINT id;
        Log ran;
    } cases[] = {
        {1101, {"view update 1101"}},     {1102, {"document update 1102"}},
        {1103, {"template update 1103"}}, {1104, {"frame update 1104"}},
        {1105, {"app update 1105"}},      {1106, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        log_.clear();
        CCmdUI state(c.id);
        EXPECT_EQ(RouteCommand(*frame_, c.id, CommandMode::Update, &state), !c.ran.empty());
        EXPECT_EQ(log_, c.ran);
    }
}

TEST_F(CommandRoutingTest, UpdatePassSetsEachItemFromItsRuleAndLeavesTheRestAlone) {
    view_->Handles(2001, 2001);
    view_->Handles(2003, 2003);
    view_->Updates(2003, UpdateAction::Disable);
    document_.Updates(2004, UpdateAction::Enable);
    frame_->Handles(2005, 2005);
    frame_->Updates(2005, UpdateAction::Check);
    app_.Updates(2006, UpdateAction::Uncheck);
    app_.Handles(2007, 2007);
    app_.Updates(0xF040, UpdateAction::Disable);
    app_.Handles(0xF020, 0xF040);

    PopupMenu subMenu;
    const UINT insideSubMenu = subMenu.Add(2002);
    const HMENU subMenuHandle = subMenu.get();
    PopupMenu menu;
    // Nothing: the item keeps the state it had.
    const std::optional<ItemState> unchanged;
    const struct {
        const char* what;
        UINT position;
        std::optional<ItemState> after;
    } items[] = {
        {"handled, no update handler, greyed before", menu.Add(2001, MF_GRAYED), kEnabled},
        {"no handler anywhere", menu.Add(2002), kGreyed},
        {"handled, update handler disables", menu.Add(2003), kGreyed},
        {"no handler, update handler enables", menu.Add(2004, MF_GRAYED), kEnabled},
        {"handled, update handler checks", menu.Add(2005), ItemState{false, true}},
        // The update handler leaves the enabled state alone, so the default rule applies.
        {"no handler, update handler unchecks", menu.Add(2006, MF_CHECKED), kGreyed},
        {"handled by the application only", menu.Add(2007, MF_GRAYED), kEnabled},
        {"separator", menu.AddSeparator(), unchanged},
        {"sub-menu", menu.AddSubMenu(subMenu), unchanged},
        {"system command, no update handler, greyed", menu.Add(0xF020, MF_GRAYED), unchanged},
        {"system command, no update handler, enabled", menu.Add(0xF030), unchanged},
        {"system command, update handler disables", menu.Add(0xF040), kGreyed},
    };
    std::vector<ItemState> before;
    for (const auto& item : items)
        before.push_back(StateAt(menu.get(), item.position));

    SendInitMenuPopup(menu.get());

    for (size_t i = 0; i < std::size(items); ++i) {
        SCOPED_TRACE(items[i].what);
        EXPECT_EQ(StateAt(menu.get(), items[i].position), items[i].after.value_or(before[i]));
    }
    // The pass does not go into the sub-menu, whose item has no handler.
    EXPECT_EQ(StateAt(subMenuHandle, insideSubMenu), kEnabled);
    // Top to bottom, without the separator and the sub-menu.
    EXPECT_EQ(offered_, (std::vector<UINT>{2001, 2002, 2003, 2004, 2005, 2006, 2007, 0xF020, 0xF030,
                                           0xF040}));
    EXPECT_EQ(log_, (Log{"view update 2003", "document update 2004", "frame update 2005",
                         "app update 2006", "app update 61504"}));
}

TEST_F(CommandRoutingTest, SystemMenuIsLeftAlone) {
    PopupMenu menu;
    const UINT unhandled = menu.Add(2002);
    SendInitMenuPopup(menu.get(), /*isSystemMenu=*/true);
    EXPECT_EQ(StateAt(menu.get(), unhandled), kEnabled);
    EXPECT_TRUE(offered_.empty());
}

TEST_F(CommandRoutingTest, GateDropsACommandFromMenuOrKeyWhoseUpdateHandlerDisablesIt) {
    view_->Handles(3001, 3004);
    view_->Updates(3001, UpdateAction::Disable);
    view_->Updates(3002, UpdateAction::Enable);
    view_->Updates(3004, UpdateAction::Check);
    document_.Handles(3005, 3005);
    view_->Updates(3005, UpdateAction::Disable);

    const struct {
        const char* what;
        UINT id;
        bool runs;
    } cases[] = {
        {"update handler disables", 3001, false},
        {"update handler enables", 3002, true},
        {"no update handler", 3003, true},
        {"update handler only checks", 3004, true},
        {"an earlier update handler disables a later handler", 3005, false},
    };
    for (const WORD code : {WORD{0}, WORD{1}}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (code ? ", from a key" : ", from the menu"));
            log_.clear();
            SendCommand(c.id, code);
            const std::string ran = (c.id == 3005 ? "document " : "view ") + std::to_string(c.id);
            int runs = 0;
            for (const std::string& line : log_)
                runs += line == ran;
            EXPECT_EQ(runs, c.runs ? 1 : 0);
        }
    }
}

}  // namespace
}  // namespace tessik

#include "command_test.h"

#include "keyboard_tools.h"

namespace e2e {

void CommandTest::FillList(const Texts& topFirst) {
    for (auto text = topFirst.rbegin(); text != topFirst.rend(); ++text) {
        ASSERT_NO_FATAL_FAILURE(CopyText(*text));
    }
    ASSERT_EQ(Entries(), topFirst) << "could not build the starting list";
}

void CommandTest::FocusList() {
    ASSERT_TRUE(e2e::FocusList(App().Frame(), App().List()))
        << "the program's list did not get the keyboard focus";
}

std::optional<DropDown> CommandTest::OpenedMenu(int index) {
    return Menus().ReadAfterUpdate(App().Frame(), index);
}

std::optional<DropDown> CommandTest::CurrentMenu(int index) {
    return Menus().Read(App().Frame(), index);
}

void CommandTest::TearDown() {
    menus_.reset();
    AppTest::TearDown();
}

MenuReader& CommandTest::Menus() {
    // A new start is a new process: the probe goes into each one.
    if (!menus_ || menus_->ProcessId() != App().ProcessId()) {
        menus_ = std::make_unique<MenuReader>(App().Process());
    }
    return *menus_;
}

}  // namespace e2e

#pragma once
// CommandTest: the fixture of the tests of the menu, the accelerators and the list commands. It
// adds to AppTest a way to fill the list, to give the list the keyboard focus and to read the
// menus after the program's update pass.

#include <memory>
#include <optional>

#include "app_test.h"
#include "menu_reader.h"

namespace e2e {

class CommandTest : public AppTest {
  protected:
    // Another application copies the texts bottom first, so the list shows them in this order.
    void FillList(const Texts& topFirst);
    // Fatal when the list does not get the focus: call as ASSERT_NO_FATAL_FAILURE(FocusList()).
    void FocusList();
    // The drop-down at `index` as opening it shows it: after the program's update pass.
    std::optional<DropDown> OpenedMenu(int index);
    // The drop-down as it is now, e.g. while it is open.
    std::optional<DropDown> CurrentMenu(int index);

    void TearDown() override;

  private:
    MenuReader& Menus();

    std::unique_ptr<MenuReader> menus_;
};

}  // namespace e2e

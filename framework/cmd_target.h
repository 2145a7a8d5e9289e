#pragma once
// Commands: every object that takes commands declares a small static table of
// {first id, last id, handler, update handler}. One walk over the routing path
// (see command_routing.h) serves running a command, the menu's update pass and
// the gate that runs the update rule once more before a command runs.

#include <windows.h>

#include <span>
#include <string>

namespace tessik {

// The target of an update handler: a menu item, or the test state of the gate.
class CCmdUI {
  public:
    explicit CCmdUI(UINT id) : id_(id) {}
    virtual ~CCmdUI() = default;

    UINT id() const { return id_; }
    bool enableChanged() const { return enableChanged_; }

    virtual void Enable(bool on = true) {
        enabled_ = on;
        enableChanged_ = true;
    }
    virtual void SetCheck(int check = 1) { checked_ = check != 0; }
    virtual void SetText(const std::string&) {}

    bool enabled() const { return enabled_; }
    bool checked() const { return checked_; }

  private:
    UINT id_;
    bool enabled_ = true;
    bool checked_ = false;
    bool enableChanged_ = false;
};

enum class CommandMode {
    Execute,  // run the handler
    Update,   // run the update handler with the given CCmdUI
    Probe,    // only say whether a handler exists
};

class CCmdTarget {
  public:
    virtual ~CCmdTarget() = default;

    // Offers a command to this object. True when the object has what the mode
    // asks for (a handler, or an update handler) and, for Execute and Update,
    // ran it.
    virtual bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) = 0;
};

// One row of a command table. Handlers are members of T; a range handler
// receives the command number.
template <typename T>
struct CommandEntry {
    UINT first;
    UINT last;
    void (T::*handler)() = nullptr;
    void (T::*update)(CCmdUI*) = nullptr;
    void (T::*rangeHandler)(UINT) = nullptr;
};

template <typename T>
bool DispatchFromTable(T* self, std::span<const CommandEntry<T>> table, UINT id, CommandMode mode,
                       CCmdUI* ui) {
    for (const CommandEntry<T>& entry : table) {
        if (id < entry.first || id > entry.last)
            continue;
        switch (mode) {
            case CommandMode::Update:
                if (!entry.update)
                    continue;
                (self->*entry.update)(ui);
                return true;
            case CommandMode::Probe:
                if (entry.handler || entry.rangeHandler)
                    return true;
                continue;
            case CommandMode::Execute:
                if (entry.handler) {
                    (self->*entry.handler)();
                    return true;
                }
                if (entry.rangeHandler) {
                    (self->*entry.rangeHandler)(id);
                    return true;
                }
                continue;
        }
    }
    return false;
}

}  // namespace tessik

#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tessik {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsSwitch(std::string_view arg) {
    return !arg.empty() && (arg.front() == '-' || arg.front() == '/');
}

void ApplySwitch(std::string_view name, CommandLineInfo& info) {
    if (name == "p") {
        info.shellCommand = ShellCommand::FilePrint;
    } else if (name == "pt") {
        info.shellCommand = ShellCommand::FilePrintTo;
    } else if (name == "dde") {
        info.shellCommand = ShellCommand::FileDde;
    } else if (EqualsIgnoringCase(name, "Register") || EqualsIgnoringCase(name, "Regserver")) {
        info.shellCommand = ShellCommand::AppRegister;
    } else if (EqualsIgnoringCase(name, "Unregister") || EqualsIgnoringCase(name, "Unregserver")) {
        info.shellCommand = ShellCommand::AppUnregister;
    } else if (EqualsIgnoringCase(name, "Embedding")) {
        info.runEmbedded = true;
    } else if (EqualsIgnoringCase(name, "Automation")) {
        info.runAutomated = true;
    }
    // Any other switch is ignored.
}

// The first parameter names the file; once "pt" has been seen, the following
// parameters fill printer, driver and port in turn; the rest are ignored.
void ApplyParameter(const std::string& param, CommandLineInfo& info) {
    if (info.fileName.empty()) {
        info.fileName = param;
        return;
    }
    if (info.shellCommand != ShellCommand::FilePrintTo) {
        return;
    }
    for (std::string* slot : {&info.printerName, &info.driverName, &info.portName}) {
        if (slot->empty()) {
            *slot = param;
            return;
        }
    }
}

}  // namespace

CommandLineInfo ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineInfo info;
    for (const std::string& arg : args) {
        if (IsSwitch(arg)) {
            ApplySwitch(std::string_view(arg).substr(1), info);
        } else {
            ApplyParameter(arg, info);
        }
    }
    if (info.shellCommand == ShellCommand::FileNew && !info.fileName.empty()) {
        info.shellCommand = ShellCommand::FileOpen;
    }
    return info;
}

}  // namespace tessik

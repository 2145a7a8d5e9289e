#pragma once
// The framework's command-line table: switches begin with '-' or '/', the first
// other argument is the file name, "pt" takes printer, driver and port.

#include <string>
#include <vector>

namespace tessik {

enum class ShellCommand {
    FileNew,        // no file name: a new, empty document
    FileOpen,       // a file name alone
    FilePrint,      // "p": open hidden, then end
    FilePrintTo,    // "pt": as "p", with printer, driver and port
    FileDde,        // "dde"
    AppRegister,    // "Register", "Regserver"
    AppUnregister,  // "Unregister", "Unregserver"
};

struct CommandLineInfo {
    ShellCommand shellCommand = ShellCommand::FileNew;
    std::string fileName;
    std::string printerName;
    std::string driverName;
    std::string portName;
    bool runEmbedded = false;   // "Embedding"
    bool runAutomated = false;  // "Automation"
};

// args are the arguments after the program's own name, in order.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& args);

}  // namespace tessik

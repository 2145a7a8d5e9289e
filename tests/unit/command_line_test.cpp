#include "app/command_line.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tessik {
namespace {

auto Fields(const CommandLineInfo& info) {
    return std::tie(info.shellCommand, info.fileName, info.printerName, info.driverName,
                    info.portName, info.runEmbedded, info.runAutomated);
}

struct CommandLineCase {
    std::vector<std::string> args;
    CommandLineInfo expected;
};

CommandLineInfo Info(ShellCommand command, std::string fileName = {}) {
    CommandLineInfo info;
    info.shellCommand = command;
    info.fileName = std::move(fileName);
    return info;
}

CommandLineInfo PrintTo(std::string fileName, std::string printer, std::string driver,
                        std::string port) {
    CommandLineInfo info = Info(ShellCommand::FilePrintTo, std::move(fileName));
    info.printerName = std::move(printer);
    info.driverName = std::move(driver);
    info.portName = std::move(port);
    return info;
}

CommandLineInfo WithFlags(CommandLineInfo info, bool embedded, bool automated) {
    info.runEmbedded = embedded;
    info.runAutomated = automated;
    return info;
}

TEST(CommandLine, ParsesEveryRowOfTheTable) {
    const CommandLineCase cases[] = {
        {{}, Info(ShellCommand::FileNew)},
        {{"a.txt"}, Info(ShellCommand::FileOpen, "a.txt")},
        {{"a.txt", "b.txt"}, Info(ShellCommand::FileOpen, "a.txt")},
        {{"/p", "a.txt"}, Info(ShellCommand::FilePrint, "a.txt")},
        {{"a.txt", "-p"}, Info(ShellCommand::FilePrint, "a.txt")},
        {{"/pt", "a.txt", "prn", "drv", "port", "extra"}, PrintTo("a.txt", "prn", "drv", "port")},
        {{"a.txt", "-pt", "prn", "drv", "port"}, PrintTo("a.txt", "prn", "drv", "port")},
        // Parameters before "pt" other than the file name are ignored.
        {{"a.txt", "b.txt", "/pt", "prn"}, PrintTo("a.txt", "prn", "", "")},
        {{"/dde"}, Info(ShellCommand::FileDde)},
        {{"/Register"}, Info(ShellCommand::AppRegister)},
        {{"-REGSERVER"}, Info(ShellCommand::AppRegister)},
        {{"/register", "a.txt"}, Info(ShellCommand::AppRegister, "a.txt")},
        {{"/Unregister"}, Info(ShellCommand::AppUnregister)},
        {{"-unregserver"}, Info(ShellCommand::AppUnregister)},
        {{"/Embedding"}, WithFlags(Info(ShellCommand::FileNew), true, false)},
        {{"-AUTOMATION", "a.txt"}, WithFlags(Info(ShellCommand::FileOpen, "a.txt"), false, true)},
        // "p", "pt" and "dde" are matched in exact letter case; other switches
        // are ignored.
        {{"/P", "a.txt"}, Info(ShellCommand::FileOpen, "a.txt")},
        {{"/PT", "a.txt", "prn"}, Info(ShellCommand::FileOpen, "a.txt")},
        {{"/DDE"}, Info(ShellCommand::FileNew)},
        {{"/x", "-", "/", "-print"}, Info(ShellCommand::FileNew)},
    };
    for (const CommandLineCase& c : cases) {
        std::string joined;
        for (const std::string& arg : c.args) {
            joined += "[" + arg + "]";
        }
        SCOPED_TRACE(joined);
        EXPECT_EQ(Fields(ParseCommandLine(c.args)), Fields(c.expected));
    }
}

}  // namespace
}  // namespace tessik

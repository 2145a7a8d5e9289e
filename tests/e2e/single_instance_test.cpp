// One running copy per executable name; how starts and ends look from outside.

#include <gtest/gtest.h>

#include "app_test.h"
#include "unique_handle.h"

namespace e2e {
namespace {

// Spaces around '=' are not how the profile functions write a key, so any rewrite of the file
// shows in its bytes.
constexpr char kHandWrittenIni[] =
    "[Settings]\r\nPreviewPages = 5\r\n[Recent File List]\r\nFile1 = C:\\history.txt\r\n";

class SingleInstanceTest : public AppTest {};

TEST_F(SingleInstanceTest, SecondStartOfTheSameNameEndsAtOnceAndTheFirstRunsOn) {
    StartOptions options;
    options.iniText = kHandWrittenIni;
    ASSERT_NO_FATAL_FAILURE(StartApp(options));

    const RunOutcome second = App().RunToEnd();
    EXPECT_TRUE(second.ended);
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_FALSE(second.showedWindow);
    EXPECT_EQ(App().IniText(), kHandWrittenIni) << "the second start touched the settings file";

    EXPECT_TRUE(App().IsRunning());
    EXPECT_TRUE(IsWindowVisible(App().Frame()));
    ASSERT_NO_FATAL_FAILURE(CopyText("still capturing"));
    EXPECT_EQ(Entries(), Texts{"still capturing"});
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(SingleInstanceTest, CopyUnderAnotherNameRunsBeside) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    AppUnderTest other(CurrentTestFileName() + "_other");
    ASSERT_TRUE(other.Start());

    EXPECT_TRUE(App().IsRunning());
    EXPECT_NE(other.Frame(), App().Frame());
    EXPECT_EQ(other.Close(), 0u);
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(SingleInstanceTest, StartSucceedsAfterTheRunningCopyWasKilled) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    // Holding our own handle keeps the lock alive across the kill, so the next start meets it
    // abandoned instead of meeting no lock at all.
    UniqueHandle lock(OpenMutexA(SYNCHRONIZE, FALSE, App().ExeName().c_str()));
    ASSERT_TRUE(lock) << "no mutex named \"" << App().ExeName() << "\" while the program runs";
    App().Kill();

    ASSERT_TRUE(App().Start());
    const RunOutcome another = App().RunToEnd();
    EXPECT_EQ(another.exitCode, 0u);
    EXPECT_FALSE(another.showedWindow) << "the restarted copy does not hold the lock";
    EXPECT_EQ(App().Close(), 0u);
}

TEST_F(SingleInstanceTest, RegisterSwitchEndsWithoutWindowAndWritesNoSettings) {
    struct RegisterCase {
        const char* argument;
        bool withIni;
    };
    const RegisterCase cases[] = {{"/Register", false}, {"/Register", true}, {"-REGSERVER", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.argument) + (c.withIni ? " with a settings file" : ""));
        AppUnderTest app;
        if (c.withIni) {
            ASSERT_TRUE(app.WriteIni(kHandWrittenIni));
        }
        const RunOutcome run = app.RunToEnd({c.argument});
        EXPECT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_FALSE(run.showedWindow);
        if (c.withIni) {
            EXPECT_EQ(app.IniText(), kHandWrittenIni);
        } else {
            EXPECT_FALSE(app.IniText().has_value()) << "a settings file appeared";
        }
    }
}

}  // namespace
}  // namespace e2e

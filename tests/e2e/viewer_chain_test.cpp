// The program in the clipboard viewer chain among other viewers (driver windows).
//
// Under Wine a viewer that leaves sends WM_CHANGECBCHAIN to the head of the chain before
// ChangeClipboardChain returns, so its effect is complete when Leave() returns. The head itself
// leaving gets no message at all: the system just takes its successor as the new head.

#include <gtest/gtest.h>

#include "app_test.h"
#include "clipboard_tools.h"
#include "test_viewer.h"

namespace e2e {
namespace {

class ViewerChainTest : public AppTest {
  protected:
    // Another application copies `text`; waits until the program has it at the top. (The program
    // has a successor here, so its Sync() barrier does not hold.)
    bool CopyAndWaitForCapture(const std::string& text) {
        return SetClipboardText(text) && WaitUntil([&] {
                   const auto entries = Entries();
                   return entries && !entries->empty() && entries->front() == text;
               });
    }

    static void ForgetMessages(std::initializer_list<TestViewer*> viewers) {
        for (TestViewer* viewer : viewers) {
            viewer->ClearMessages();
        }
    }
};

TEST_F(ViewerChainTest, PassesNotificationsOnAndLeavesTheChainIntact) {
    TestViewer successor;
    successor.Join();
    ASSERT_NO_FATAL_FAILURE(StartApp());  // the program joins ahead of `successor`
    TestViewer head;
    head.Join();  // head -> program -> successor
    ForgetMessages({&successor, &head});

    ASSERT_TRUE(CopyAndWaitForCapture("abc"));
    EXPECT_TRUE(WaitUntil([&] { return successor.CountOf(WM_DRAWCLIPBOARD) == 1; }));
    EXPECT_EQ(head.CountOf(WM_DRAWCLIPBOARD), 1);
    EXPECT_EQ(Entries(), Texts{"abc"});

    // Leaving at exit hands the program's place to `successor`: head -> successor.
    EXPECT_EQ(App().Close(), 0u);
    EXPECT_EQ(head.Successor(), successor.Window());
    ForgetMessages({&successor, &head});
    ASSERT_TRUE(SetClipboardText("after exit"));
    EXPECT_TRUE(WaitUntil([&] { return successor.CountOf(WM_DRAWCLIPBOARD) == 1; }));
}

TEST_F(ViewerChainTest, TakesOverWhenItsSuccessorLeaves) {
    TestViewer last;
    last.Join();
    TestViewer leaving;
    leaving.Join();
    ASSERT_NO_FATAL_FAILURE(StartApp());  // program -> leaving -> last
    ForgetMessages({&last, &leaving});

    leaving.Leave();  // the program is told (leaving, last) and must keep it to itself
    EXPECT_EQ(last.CountOf(WM_CHANGECBCHAIN), 0);

    ASSERT_TRUE(CopyAndWaitForCapture("abc"));
    EXPECT_TRUE(WaitUntil([&] { return last.CountOf(WM_DRAWCLIPBOARD) == 1; }));
    EXPECT_EQ(leaving.CountOf(WM_DRAWCLIPBOARD), 0);
    EXPECT_EQ(last.CountOf(WM_CHANGECBCHAIN), 0);
}

TEST_F(ViewerChainTest, PassesOnUnchangedWhenAViewerFurtherDownLeaves) {
    TestViewer bottom;
    bottom.Join();
    TestViewer leaving;
    leaving.Join();
    TestViewer successor;
    successor.Join();
    ASSERT_NO_FATAL_FAILURE(StartApp());  // program -> successor -> leaving -> bottom
    ForgetMessages({&bottom, &leaving, &successor});

    leaving.Leave();
    const auto told = successor.Messages();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].message, static_cast<UINT>(WM_CHANGECBCHAIN));
    EXPECT_EQ(told[0].wParam, reinterpret_cast<WPARAM>(leaving.Window()));
    EXPECT_EQ(told[0].lParam, reinterpret_cast<LPARAM>(bottom.Window()));
    EXPECT_EQ(bottom.CountOf(WM_CHANGECBCHAIN), 0);

    ASSERT_TRUE(CopyAndWaitForCapture("abc"));
    EXPECT_TRUE(WaitUntil([&] { return bottom.CountOf(WM_DRAWCLIPBOARD) == 1; }));
    EXPECT_EQ(successor.CountOf(WM_DRAWCLIPBOARD), 1);
    EXPECT_EQ(leaving.CountOf(WM_DRAWCLIPBOARD), 0);
}

}  // namespace
}  // namespace e2e

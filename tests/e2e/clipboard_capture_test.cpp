// Clipboard texts other applications copy, and what the history list makes of them.

#include <gtest/gtest.h>

#include <string>

#include "app_test.h"
#include "clipboard_tools.h"
#include "ole_clipboard_source.h"

namespace e2e {
namespace {

class ClipboardCaptureTest : public AppTest {
  protected:
    // Copies the entries bottom first, so the list shows them in the given order.
    void FillList(const Texts& topFirst) {
        for (auto text = topFirst.rbegin(); text != topFirst.rend(); ++text) {
            ASSERT_NO_FATAL_FAILURE(CopyText(*text));
        }
        ASSERT_EQ(Entries(), topFirst) << "could not build the starting list";
    }
};

struct InsertionCase {
    const char* what;
    Texts before;  // top first
    std::string copied;
    Texts after;
};

TEST_F(ClipboardCaptureTest, InsertsOnlyTextsNoEntryBeginsWith) {
    const InsertionCase cases[] = {
        {"into an empty list", {}, "abc", {"abc"}},
        {"equal to an entry", {"abc"}, "abc", {"abc"}},
        {"equal to a lower entry, which keeps its place", {"xyz", "abc"}, "abc", {"xyz", "abc"}},
        {"equal but for letter case", {"xyz", "abc"}, "ABC", {"xyz", "abc"}},
        {"the beginning of an entry", {"abcdef"}, "abc", {"abcdef"}},
        {"longer than an entry it begins with", {"abc"}, "abcdef", {"abcdef", "abc"}},
        {"inside an entry but not at its beginning", {"abcdef"}, "def", {"def", "abcdef"}},
        // Every entry begins with the empty text.
        {"empty, into an empty list", {}, "", {""}},
        {"empty, into a list with entries", {"abc"}, "", {"abc"}},
        {"holding CR LF", {"one"}, "one\r\ntwo", {"one\r\ntwo", "one"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(StartApp());
        ASSERT_NO_FATAL_FAILURE(FillList(c.before));
        ASSERT_NO_FATAL_FAILURE(CopyText(c.copied));
        EXPECT_EQ(Entries(), c.after);
    }
}

TEST_F(ClipboardCaptureTest, PictureWithoutTextChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_TRUE(SetClipboardBitmapOnly());
    ASSERT_TRUE(App().Sync());
    EXPECT_EQ(Entries(), Texts{});

    // Still capturing afterwards.
    ASSERT_NO_FATAL_FAILURE(CopyText("abc"));
    EXPECT_EQ(Entries(), Texts{"abc"});
}

TEST_F(ClipboardCaptureTest, TextEndsAtTheFirstNulOrTheEndOfItsBlock) {
    struct BlockCase {
        const char* what;
        std::string block;
        std::string entry;
    };
    const BlockCase cases[] = {
        {"no NUL in the block", std::string("abcde", 5), "abcde"},
        {"bytes after a NUL", std::string("ab\0cd", 5), "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(StartApp());
        // Through the OLE clipboard: Wine would end a block set with SetClipboardData with a NUL.
        // The program answers the source's thread while it reads, so wait for the entry itself.
        OleClipboardSource source;
        ASSERT_TRUE(source.Offer(c.block));
        EXPECT_TRUE(WaitUntil([this] { return App().Reader().Count() == 1; }));
        EXPECT_EQ(Entries(), Texts{c.entry});
    }
}

TEST_F(ClipboardCaptureTest, CapturesATenMegabyteText) {
    constexpr size_t kTenMegabytes = 10 * 1024 * 1024;
    const std::string big(kTenMegabytes, 'x');
    ASSERT_NO_FATAL_FAILURE(StartApp());
    ASSERT_TRUE(SetClipboardText(big));

    // Measuring the entry takes a while; wait for it rather than for a fixed barrier.
    EXPECT_TRUE(WaitUntil([this] { return App().Reader().Count() == 1; }, 90s));
    // Only its length can be read from here (Wine, see list_reader.h); ASCII text has as many
    // UTF-16 units as bytes.
    EXPECT_EQ(App().Reader().TextLengthUnits(0), static_cast<int>(kTenMegabytes));
    EXPECT_TRUE(App().IsRunning());
}

}  // namespace
}  // namespace e2e

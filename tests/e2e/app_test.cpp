#include "app_test.h"

#include "clipboard_tools.h"

namespace e2e {

void AppTest::StartApp(const StartOptions& options, std::string exeName) {
    app_.reset();  // a copy from an earlier call ends before the new one starts
    app_ = std::make_unique<AppUnderTest>(std::move(exeName));
    ASSERT_TRUE(app_->Start(options));
}

void AppTest::CopyText(std::string_view text) {
    ASSERT_TRUE(SetClipboardText(text)) << "could not write the clipboard";
    ASSERT_TRUE(app_->Sync()) << "the program does not answer";
}

}  // namespace e2e

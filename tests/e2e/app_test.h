#pragma once
// AppTest: the fixture base of the end-to-end tests (see the notes at the top of
// app_under_test.h).

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app_under_test.h"

namespace e2e {

using Texts = std::vector<std::string>;

class AppTest : public ::testing::Test {
  protected:
    // Starts a fresh copy of the program named after this test (or `exeName`). Fatal when it does
    // not come up, so call it as ASSERT_NO_FATAL_FAILURE(StartApp()).
    void StartApp(const StartOptions& options = {}, std::string exeName = {});
    AppUnderTest& App() { return *app_; }

    // The history list, top first; nothing when the list does not answer.
    std::optional<Texts> Entries() const { return app_->Reader().Texts(); }

    // Another application puts `text` on the clipboard; returns once the program has handled the
    // change (valid while the program is the last clipboard viewer, see Sync()).
    void CopyText(std::string_view text);

    void TearDown() override { app_.reset(); }

    std::unique_ptr<AppUnderTest> app_;
};

}  // namespace e2e

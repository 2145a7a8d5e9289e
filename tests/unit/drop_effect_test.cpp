#include "transfer/drop_effect.h"

#include <gtest/gtest.h>

namespace tessik {
namespace {

constexpr std::uint32_t kNone = kDropEffectNone;
constexpr std::uint32_t kCopy = kDropEffectCopy;
constexpr std::uint32_t kMove = kDropEffectMove;
constexpr std::uint32_t kLink = kDropEffectLink;

TEST(DropEffect, AnswerIsMatchedWithTheAllowedEffects) {
    const struct {
        std::uint32_t answer, allowed, told;
    } cases[] = {
        {kCopy, kCopy, kCopy}, {kCopy, kCopy | kMove | kLink, kCopy},
        {kCopy, kMove, kMove}, {kCopy, kMove | kLink, kMove},
        {kCopy, kLink, kLink}, {kCopy, kNone, kNone},
        {kMove, kMove, kMove}, {kMove, kCopy, kNone},
        {kLink, kLink, kLink}, {kLink, kCopy | kMove, kNone},
        {kNone, kCopy, kNone}, {kNone, kNone, kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "answer " << c.answer << ", allowed " << c.allowed);
        EXPECT_EQ(MatchDropEffect(c.answer, c.allowed), c.told);
    }
}

}  // namespace
}  // namespace tessik

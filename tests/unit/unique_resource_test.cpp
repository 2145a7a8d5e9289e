#include "framework/unique_resource.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace tessik {
namespace {

// A fake handle that carries the log its closing is written to.
struct FakeHandle {
    int id = 0;
    std::vector<int>* closedLog = nullptr;
    bool operator==(const FakeHandle&) const = default;
};

struct FakeTraits {
    using Type = FakeHandle;
    static Type Invalid() noexcept { return {}; }
    static void Close(Type handle) noexcept { handle.closedLog->push_back(handle.id); }
};

using FakeResource = UniqueResource<FakeTraits>;

static_assert(!std::is_copy_constructible_v<FakeResource>);
static_assert(!std::is_copy_assignable_v<FakeResource>);
static_assert(std::is_nothrow_move_constructible_v<FakeResource>);
static_assert(std::is_nothrow_move_assignable_v<FakeResource>);

class UniqueResourceTest : public testing::Test {
  protected:
    FakeHandle Handle(int id) { return {id, &closed_}; }
    std::vector<int> closed_;
};

TEST_F(UniqueResourceTest, ClosesOnDestruction) {
    {
        FakeResource resource(Handle(1));
        EXPECT_TRUE(resource);
        EXPECT_EQ(resource.get(), Handle(1));
    }
    EXPECT_EQ(closed_, std::vector<int>{1});
}

TEST_F(UniqueResourceTest, NeverClosesTheInvalidValue) {
    {
        FakeResource empty;
        EXPECT_FALSE(empty);
        empty.reset();
        FakeResource moved(std::move(empty));
        EXPECT_FALSE(moved);
    }
    EXPECT_TRUE(closed_.empty());
}

TEST_F(UniqueResourceTest, ResetClosesTheOldValue) {
    FakeResource resource(Handle(1));
    resource.reset(Handle(2));
    EXPECT_EQ(closed_, std::vector<int>{1});
    resource.reset();
    EXPECT_FALSE(resource);
    EXPECT_EQ(closed_, (std::vector<int>{1, 2}));
}

TEST_F(UniqueResourceTest, ReleaseGivesUpWithoutClosing) {
    {
        FakeResource resource(Handle(1));
        EXPECT_EQ(resource.release(), Handle(1));
        EXPECT_FALSE(resource);
    }
    EXPECT_TRUE(closed_.empty());
}

TEST_F(UniqueResourceTest, MovingPassesOwnershipSoEachValueClosesOnce) {
    {
        FakeResource first(Handle(1));
        FakeResource second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), Handle(1));

        FakeResource third(Handle(3));
        third = std::move(second);  // closes 3, takes 1
        EXPECT_EQ(closed_, std::vector<int>{3});
        EXPECT_FALSE(second);
        EXPECT_EQ(third.get(), Handle(1));
    }
    EXPECT_EQ(closed_, (std::vector<int>{3, 1}));
}

TEST_F(UniqueResourceTest, PutClosesTheCurrentValueAndTakesTheNewOne) {
    FakeResource resource(Handle(1));
    FakeHandle* slot = resource.put();
    EXPECT_EQ(closed_, std::vector<int>{1});
    EXPECT_EQ(*slot, FakeTraits::Invalid());
    *slot = Handle(2);
    EXPECT_EQ(resource.get(), Handle(2));
    resource.reset();
    EXPECT_EQ(closed_, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace tessik

// One copy of the game on one folder of user files at a time.

#include "app/instance_lock.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/temp_dir.h"

namespace {

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstGoes) {
    TempDir dir;
    auto first = std::make_unique<InstanceLock>();
    ASSERT_EQ(first->acquire(dir.path()), InstanceLock::Result::acquired);
    InstanceLock second;
    EXPECT_EQ(second.acquire(dir.path()), InstanceLock::Result::held_elsewhere);
    first.reset();
    EXPECT_EQ(second.acquire(dir.path()), InstanceLock::Result::acquired);
    TempDir other;
    InstanceLock elsewhere;
    EXPECT_EQ(elsewhere.acquire(other.path()), InstanceLock::Result::acquired);
}

}  // namespace

#include "core/keyboard_state.h"

#include <gtest/gtest.h>

#include "support/fake_keyboard.h"

namespace {

TEST(KeyboardState, FirstDownIsTheLowestHeldCodeAndOutOfRangeCodesAreUp) {
    FakeKeyboard kb;
    kb.hold({205, 57, 44});
    EXPECT_EQ(kb.state.first_down(), 44);
    EXPECT_TRUE(kb.state.is_down(57));
    EXPECT_FALSE(kb.state.is_down(58));
    EXPECT_FALSE(kb.state.is_down(-1));
    EXPECT_FALSE(kb.state.is_down(256));
    kb.hold({});
    EXPECT_EQ(kb.state.first_down(), -1);
}

// A failed poll makes every key read as up until a later poll succeeds.
TEST(KeyboardState, FailedPollReadsAllKeysUpAndRecovers) {
    FakeKeyboard kb;
    kb.hold({57});
    ASSERT_TRUE(kb.state.is_down(57));

    kb.keys->read_result = KeyboardState::kInputLost;
    kb.keys->reads = 0;
    kb.state.poll();
    EXPECT_EQ(kb.keys->reads, 3);  // read, re-acquire and read, input lost: once more
    EXPECT_FALSE(kb.state.is_down(57));
    EXPECT_EQ(kb.state.first_down(), -1);

    kb.keys->read_result = -5;
    kb.keys->reads = 0;
    kb.state.poll();
    EXPECT_EQ(kb.keys->reads, 2);  // other errors get one retry only

    kb.keys->read_result = 0;
    kb.state.poll();
    EXPECT_TRUE(kb.state.is_down(57));
}

TEST(KeyboardState, ReleaseTwiceIsHarmlessAndUnattachedReadsUp) {
    FakeKeyboard kb;
    kb.hold({30});
    kb.state.release();
    kb.state.release();
    EXPECT_FALSE(kb.state.is_down(30));
    kb.state.poll();
    EXPECT_FALSE(kb.state.is_down(30));

    KeyboardState never_attached;
    never_attached.poll();
    EXPECT_EQ(never_attached.first_down(), -1);
}

}  // namespace

#include <gtest/gtest.h>

#include "effects/KeySignatureChoice.h"

namespace {
TEST(KeySignatureButtons, ACountNeedsASignAndSwitchingTheSignKeepsIt) {
    KeySignatureChoice choice(KeySignature{});
    choice.chooseFlats();
    EXPECT_EQ(choice.signature().sign, -1);
    EXPECT_EQ(choice.signature().count, 0);
    EXPECT_FALSE(choice.chooseCount(8));
    EXPECT_FALSE(choice.chooseCount(0));
    EXPECT_EQ(choice.signature().count, 0);
    EXPECT_TRUE(choice.chooseCount(1));
    EXPECT_TRUE(choice.chooseCount(7));
    EXPECT_TRUE(choice.chooseCount(3));
    choice.chooseSharps();
    EXPECT_EQ(choice.signature().count, 3);

    choice.chooseNone();
    EXPECT_EQ(choice.signature().sign, 0);
    EXPECT_EQ(choice.signature().count, 0);
    EXPECT_FALSE(choice.chooseCount(3));  // the button must be unchecked again
    EXPECT_EQ(choice.signature().count, 0);
}
}  // namespace

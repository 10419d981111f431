// Only the 26 ASCII letters change case: the bytes beside them in ASCII and those of a Japanese name pass.
#include <gtest/gtest.h>

#include "platform/AsciiCase.h"

TEST(AsciiCase, ChangesOnlyTheAsciiLetters) {
    EXPECT_EQ(lowerAscii("@AZ[`az{曲.MID"), "@az[`az{曲.mid");
    EXPECT_EQ(upperAscii("@AZ[`az{曲.mid"), "@AZ[`AZ{曲.MID");
}

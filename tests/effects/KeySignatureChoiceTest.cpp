#include <gtest/gtest.h>

#include "effects/KeySignatureChoice.h"

namespace {
TEST(KeySignatureLabel, NamesTheChangedNotesBySignAndCount) {
    const struct {
        int sign, count;
        const char* label;
    } cases[] = {{1, 0, "なし"},
                 {1, 1, "ファ"},
                 {1, 6, "ファ、ド、ソ、レ、ラ、ミ"},
                 {1, 7, "全て"},
                 {-1, 2, "シ、ミ"},
                 {-1, 6, "シ、ミ、ラ、レ、ソ、ド"},
                 {-1, 7, "全て"},
                 {0, 5, "なし"},
                 {1, 9, "なし"},  // a count no button gives is named nothing rather than read past the table
                 {-1, -1, "なし"}};
    for (const auto& c : cases)
        EXPECT_EQ(KeySignatureChoice(KeySignature{c.sign, c.count}).label(), c.label)
            << c.sign << "/" << c.count;
}

TEST(KeySignatureButtons, ACountNeedsASignAndSwitchingTheSignKeepsIt) {
    KeySignatureChoice choice(KeySignature{});
    choice.chooseFlats();
    EXPECT_EQ(choice.signature().sign, -1);
    EXPECT_EQ(choice.signature().count, 0);
    EXPECT_EQ(choice.label(), "なし") << "a sign without a count changes nothing yet";
    EXPECT_FALSE(choice.chooseCount(8));
    EXPECT_TRUE(choice.chooseCount(7));
    EXPECT_TRUE(choice.chooseCount(3));
    EXPECT_EQ(choice.label(), "シ、ミ、ラ");
    choice.chooseSharps();
    EXPECT_EQ(choice.signature().count, 3);
    EXPECT_EQ(choice.label(), "ファ、ド、ソ");

    choice.chooseNone();
    EXPECT_EQ(choice.signature().sign, 0);
    EXPECT_EQ(choice.signature().count, 0);
    EXPECT_FALSE(choice.chooseCount(3));  // the button must be unchecked again
    EXPECT_EQ(choice.signature().count, 0);
    EXPECT_EQ(choice.label(), "なし");
}
}  // namespace

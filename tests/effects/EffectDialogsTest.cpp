// The effect dialogs' rules: the key signature's buttons, the effect-time question's bar and answer, and
// the texts the three dialogs show, pinned in tests/golden/effect-dialog-texts.txt: the key signature's
// label for every sign and count (counts no button gives are named nothing rather than read past the
// table), the pitch drawing's note names over the bars' whole range (the floor modulo of negative notes),
// and the effect-time question's prompt and read-out at the ends of its range.
#include <gtest/gtest.h>

#include "effects/EffectTimeQuestion.h"
#include "effects/KeySignatureChoice.h"
#include "effects/PitchDrawing.h"
#include "tests/support/Golden.h"

TEST(EffectDialogTexts, AreShownAsPinned) {
    std::string text;
    for (int sign = -1; sign <= 1; ++sign)
        for (int count = -1; count <= 9; ++count)
            text += "key signature " + std::to_string(sign) + "/" + std::to_string(count) + " " +
                    KeySignatureChoice(KeySignature{sign, count}).label() + "\n";
    for (const std::string& label : KeySignatureChoice::allLabels())
        text += "key signature button " + label + "\n";
    for (int note = PitchDrawing::minimum; note <= PitchDrawing::maximum; ++note)
        text += "pitch " + std::to_string(note) + " " + PitchDrawing::pitchName(note) + "\n";
    for (const auto mode : {EffectTimeQuestion::askStart, EffectTimeQuestion::askEnd})
        for (int32_t seconds : {0, 61, 600, 3599}) {
            const EffectTimeQuestion question(mode, seconds);
            text += "effect time " + question.prompt() + " " + question.readOut() + "\n";
        }
    expectGolden("effect-dialog-texts.txt", text);
}

TEST(KeySignatureButtons, ACountNeedsASignAndSwitchingTheSignKeepsIt) {
    KeySignatureChoice choice(KeySignature{});
    const auto signature = [&] { return std::pair(choice.signature().sign, choice.signature().count); };
    choice.chooseFlats();
    EXPECT_FALSE(choice.chooseCount(8) || choice.chooseCount(0));
    EXPECT_EQ(signature(), std::pair(-1, 0));
    EXPECT_TRUE(choice.chooseCount(1) && choice.chooseCount(7) && choice.chooseCount(3));
    choice.chooseSharps();
    EXPECT_EQ(signature(), std::pair(1, 3));

    choice.chooseNone();
    EXPECT_EQ(signature(), std::pair(0, 0));
    EXPECT_FALSE(choice.chooseCount(3));  // the button must be unchecked again
    EXPECT_EQ(choice.signature().count, 0);
}

// The bar's own position is what moves; a bar outside the range is ignored and leaves the value alone.
TEST(EffectTimeScroll, ArrowsStepOneSecondWithinTheRangeAndTheTroughDoesNotMove) {
    const struct {
        ScrollCode code;
        int32_t bar, dragged;
        std::optional<int32_t> to;
    } cases[] = {{ScrollCode::lineRight, 10, 0, 11},       {ScrollCode::lineLeft, 10, 0, 9},
                 {ScrollCode::lineRight, 3599, 0, 3599},   {ScrollCode::lineLeft, 0, 0, 0},
                 {ScrollCode::thumbTrack, 10, 3599, 3599}, {ScrollCode::thumbTrack, 10, 3600, 10},
                 {ScrollCode::thumbTrack, 10, -1, 10},     {ScrollCode::thumbTrack, 10, 0, 0},
                 {ScrollCode::other, 10, 500, 10},         {ScrollCode::lineRight, 3600, 0, {}},
                 {ScrollCode::lineLeft, -1, 0, {}}};
    for (const auto& c : cases) {
        EffectTimeQuestion question(EffectTimeQuestion::askStart, 5);
        EXPECT_EQ(question.scroll(c.code, c.bar, c.dragged), c.to) << c.bar << " " << c.dragged;
        EXPECT_EQ(question.value(), c.to.value_or(5)) << c.bar << " " << c.dragged;
    }
}

TEST(EffectTimeAnswer, AnEndMustLieAfterTheStart) {
    EffectTimeQuestion end(EffectTimeQuestion::askEnd, 10, 10);
    EXPECT_FALSE(end.acceptable());
    end.scroll(ScrollCode::lineRight, 10, 0);
    EXPECT_TRUE(end.acceptable() && EffectTimeQuestion(EffectTimeQuestion::askStart, 0, 3599).acceptable());
}

#include <gtest/gtest.h>

#include "effects/EffectTimeQuestion.h"

namespace {
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
    EXPECT_TRUE(end.acceptable());
    EXPECT_TRUE(EffectTimeQuestion(EffectTimeQuestion::askStart, 0, 3599).acceptable());
}
}  // namespace

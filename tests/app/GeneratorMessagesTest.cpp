// The words for a generator's refusals: the size and picture refusals keep their exact texts, and a text
// that cannot be opened is refused in silence.
#include <gtest/gtest.h>

#include "app/GeneratorMessages.h"

TEST(GeneratorMessages, EachRefusalHasItsTextAndTheSilentOnesNone) {
    using E = GeneratorError;
    const struct {
        GeneratorError error;
        const char* text;
    } cases[] = {
        {E::none, ""},
        {E::textTooLarge, "ファイルサイズが大きすぎます"},
        {E::textTooSmall, "ファイルサイズが小さすぎます"},
        {E::textUnreadable, ""},
        {E::pictureOpenFailed, "ファイルオープンに失敗しました"},
        {E::pictureReadFailed, "ファイル読み込みに失敗しました"},
        {E::pictureTooFewColours, "ビットマップの色数がたりません"},
        {E::pictureHighColour, "ハイカラーはサポートしておりません"},
        {E::pictureThirtyTwoBit, "３２ビットカラーはサポートしておりません"},
        {E::pictureUnknownDepth, "対応していないカラー数です"},
        {E::pictureTooSmall, "ビットマップが小さすぎます"},
        {E::pictureTooLarge, "ビットマップが大きすぎます"},
        {E::pictureCompressed, "圧縮タイプには対応しておりません"},
        {E::noMemory, "メモリ確保に失敗しました"},
    };
    for (const auto& c : cases) EXPECT_EQ(generatorFailureText(c.error), c.text) << int(c.error);
}

// The program's own texts for failures the lower layers report as values.
#include <gtest/gtest.h>

#include "app/DeviceMessages.h"
#include "app/EffectMessages.h"
#include "app/ImageMessages.h"

TEST(MessageTexts, EachReportedFailureHasItsOwnTextAndTheOthersNone) {
    EXPECT_EQ(playbackFailureText(DeviceError::invalidHandle), "指定されたデバイスハンドルが無効です");
    EXPECT_EQ(playbackFailureText(DeviceError::notReady), "ハードウェアはほかのデータ処理を行っています");
    EXPECT_EQ(playbackFailureText(DeviceError::other), "");
    EXPECT_EQ(openFailureText(DeviceError::noDevice, "ignored"), "MIDI出力デバイスがありません");
    EXPECT_EQ(openFailureText(DeviceError::other, "Windows' own words"), "Windows' own words");
    EXPECT_EQ(closeFailureText({CloseFailure::reset, DeviceError::invalidHandle}),
              "midiOutReset:(MIDIOutDirectClose())指定されたデバイスハンドルが無効.");
    EXPECT_EQ(closeFailureText({CloseFailure::close, DeviceError::invalidHandle}),
              "midiOutClose:指定されたデバイスハンドルが無効.");
    EXPECT_EQ(closeFailureText({CloseFailure::close, DeviceError::stillPlaying}),
              "midiOutClose:バッファがまだキューに残っている.");
    EXPECT_EQ(closeFailureText({CloseFailure::reset, DeviceError::stillPlaying}), "");

    const struct {
        ImageError error;
        const char* text;
    } images[] = {
        {ImageError::notBmp, "ｂｍｐフォーマットではありません"},
        {ImageError::notWindowsFormat, "Ｗｉｎｄｏｗｓ形式以外はサポートしていません"},
        {ImageError::thirtyTwoBit, "３２ビットカラーはサポートしておりません"},
        {ImageError::unsupportedDepth, "対応していないカラー数です"},
        {ImageError::compressed, "圧縮タイプには対応しておりません"},
        {ImageError::tooLarge, "画像サイズが大きすぎます"},
        {ImageError::damaged, "ｂｍｐデータが壊れています"},
        {ImageError::noMemory, "メモリ確保に失敗しました"},
    };
    for (const auto& image : images) EXPECT_EQ(previewFailureText(image.error), image.text);
    EXPECT_EQ(composeFailureText(ImageError::noMemory), "メモリ確保に失敗しました。");
    EXPECT_EQ(composeFailureText(ImageError::damaged), "ｂｍｐデータが壊れています");
    EXPECT_EQ(conversionProgressText(49), "変換 = 49");

    EXPECT_EQ(effectTimeRefusalText(EffectTimeRefusal::noEffectChosen), "何か効果を選択してください");
    EXPECT_EQ(effectTimeRefusalText(EffectTimeRefusal::endNotAfterStart),
              "終了時間は開始時間より後に設定して下さい");
}

// The program's own texts for failures the lower layers report as values; the silent ones have none.
#include <gtest/gtest.h>

#include "app/DeviceMessages.h"
#include "app/EffectMessages.h"
#include "app/FileDialogMessages.h"
#include "app/GeneratorMessages.h"
#include "app/ImageMessages.h"
#include "app/PluginMessages.h"

namespace {
FileDialogFailure dialogFailure(FileDialogFailure::Kind kind) {
    FileDialogFailure failure{kind};
    failure.path = "C:\\曲\\なし.mid";
    failure.pictureError = ImageError::compressed;
    failure.pluginResult = {PluginResult::noLibrary};
    return failure;
}
}  // namespace

TEST(MessageTexts, EachReportedFailureHasItsOwnTextAndTheSilentOnesNone) {
    using G = GeneratorError;
    using I = ImageError;
    using F = FileDialogFailure;
    const std::pair<std::string, std::string> cases[] = {
        {playbackFailureText(DeviceError::invalidHandle), "指定されたデバイスハンドルが無効です"},
        {playbackFailureText(DeviceError::notReady), "ハードウェアはほかのデータ処理を行っています"},
        {playbackFailureText(DeviceError::other), ""},
        {openFailureText(DeviceError::noDevice, "ignored"), "MIDI出力デバイスがありません"},
        {openFailureText(DeviceError::other, "Windows' own words"), "Windows' own words"},
        {closeFailureText({CloseFailure::reset, DeviceError::invalidHandle}),
         "midiOutReset:(MIDIOutDirectClose())指定されたデバイスハンドルが無効."},
        {closeFailureText({CloseFailure::close, DeviceError::invalidHandle}),
         "midiOutClose:指定されたデバイスハンドルが無効."},
        {closeFailureText({CloseFailure::close, DeviceError::stillPlaying}),
         "midiOutClose:バッファがまだキューに残っている."},
        {closeFailureText({CloseFailure::reset, DeviceError::stillPlaying}), ""},
        {previewFailureText(I::notBmp), "ｂｍｐフォーマットではありません"},
        {previewFailureText(I::notWindowsFormat), "Ｗｉｎｄｏｗｓ形式以外はサポートしていません"},
        {previewFailureText(I::thirtyTwoBit), "３２ビットカラーはサポートしておりません"},
        {previewFailureText(I::unsupportedDepth), "対応していないカラー数です"},
        {previewFailureText(I::tooLarge), "画像サイズが大きすぎます"},
        {previewFailureText(I::damaged), "ｂｍｐデータが壊れています"},
        {previewFailureText(I::noMemory), "メモリ確保に失敗しました"},
        {composeFailureText(I::noMemory), "メモリ確保に失敗しました。"},
        {composeFailureText(I::damaged), "ｂｍｐデータが壊れています"},
        {conversionProgressText(49), "変換 = 49"},
        {effectTimeRefusalText(EffectTimeRefusal::noEffectChosen), "何か効果を選択してください"},
        {effectTimeRefusalText(EffectTimeRefusal::endNotAfterStart),
         "終了時間は開始時間より後に設定して下さい"},
        {generatorFailureText(G::none), ""},
        {generatorFailureText(G::textUnreadable), ""},  // a text that cannot be opened is refused in silence
        {generatorFailureText(G::textTooLarge), "ファイルサイズが大きすぎます"},
        {generatorFailureText(G::textTooSmall), "ファイルサイズが小さすぎます"},
        {generatorFailureText(G::pictureOpenFailed), "ファイルオープンに失敗しました"},
        {generatorFailureText(G::pictureReadFailed), "ファイル読み込みに失敗しました"},
        {generatorFailureText(G::pictureTooFewColours), "ビットマップの色数がたりません"},
        {generatorFailureText(G::pictureHighColour), "ハイカラーはサポートしておりません"},
        {generatorFailureText(G::pictureThirtyTwoBit), "３２ビットカラーはサポートしておりません"},
        {generatorFailureText(G::pictureUnknownDepth), "対応していないカラー数です"},
        {generatorFailureText(G::pictureTooSmall), "ビットマップが小さすぎます"},
        {generatorFailureText(G::pictureTooLarge), "ビットマップが大きすぎます"},
        {generatorFailureText(G::pictureCompressed), "圧縮タイプには対応しておりません"},
        {generatorFailureText(G::noMemory), "メモリ確保に失敗しました"},
        // The plug-ins' codes: the first and last of their table, and anything else as unknown.
        {pluginFailureText(PluginResult::failed(-1)), "その機能はインプリメントされていない"},
        {pluginFailureText(PluginResult::failed(8)), "内部エラー"},
        {pluginFailureText(PluginResult::failed(-2)), "不明なエラー"},
        {pluginFailureText(PluginResult::failed(0)), "不明なエラー"},
        {pluginFailureText(PluginResult::failed(9)), "不明なエラー"},
        {pluginFailureText({PluginResult::noLibrary}), "該当するライブラリが見つかりません"},
        {pluginFailureText({PluginResult::lockFailed}), "メモリーロックに失敗しました"},
        // Damaged blocks read as the plug-in's own "broken data", other refusals as the picture reader's.
        {pluginFailureText(PluginResult::fromPicture(I::damaged)), "データが壊れている"},
        {pluginFailureText(PluginResult::fromPicture(I::tooLarge)), "画像サイズが大きすぎます"},
        {fileDialogFailureText(dialogFailure(F::missingFile)),
         "[ C:\\曲\\なし.mid ] が見つかりません。\n\nパスとファイル名を確認して下さい。"},
        {fileDialogFailureText(dialogFailure(F::pictureRefused)), "圧縮タイプには対応しておりません"},
        {fileDialogFailureText(dialogFailure(F::pluginRefused)), "該当するライブラリが見つかりません"},
        {fileDialogFailureText(dialogFailure(F::songNotFound)), "ファイルエラー"},
        {fileDialogFailureText(dialogFailure(F::songUnreadable)), "File Read Error"},
        {fileDialogFailureText(dialogFailure(F::timerRefused)), "タイマーを起動できませんでした"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "row " << i;
    EXPECT_TRUE(PluginResult::fromPicture(ImageError::none).succeeded());
}

#include "app/Messages.h"

#include "platform/Files.h"

std::string chosenFaceMissingText(const std::string& path) {
    return path + " が見つかりません\n初期の画像に戻します";
}

std::string ownFaceMissingText(const std::string& path) {
    return path + " が見つかりません。終了します";
}

std::string midiOutFallbackText(const std::string& name) {
    return "MIDI出力「" + name + "」を使えません。" + midiMapperLabel + "で演奏します";
}

std::string midiInputFailureText(const std::string& systemText) {
    return "MIDI入力デバイスを開けませんでした\n" + systemText;
}

std::string missingFileText(const std::string& path) {
    return "[ " + path + " ] が見つかりません。\n\nパスとファイル名を確認して下さい。";
}

std::string songReadFailureText(FileData::Status status) {
    switch (status) {
        case FileData::ok:
            return {};
        case FileData::notFound:
            return "ファイルが見つかりません";
        case FileData::readError:
            return readErrorText;
        case FileData::tooLarge:
            return fileTooLargeText;
        case FileData::noMemory:
            return noMemoryText;
    }
    return {};
}

std::string playbackFailureText(DeviceError error) {
    switch (error) {
        case DeviceError::invalidHandle:
            return "指定されたデバイスハンドルが無効です";
        case DeviceError::notReady:
            return "ハードウェアはほかのデータ処理を行っています";
        default:
            return {};
    }
}

std::string openFailureText(DeviceError error, const std::string& platformText) {
    return error == DeviceError::noDevice ? "MIDI出力デバイスがありません" : platformText;
}

std::string closeFailureText(const CloseFailure& failure) {
    if (failure.call == CloseFailure::reset)
        return failure.error == DeviceError::invalidHandle
                   ? "midiOutReset:(MIDIOutDirectClose())指定されたデバイスハンドルが無効."
                   : std::string();
    switch (failure.error) {
        case DeviceError::invalidHandle:
            return "midiOutClose:指定されたデバイスハンドルが無効.";
        case DeviceError::stillPlaying:
            return "midiOutClose:バッファがまだキューに残っている.";
        default:
            return {};
    }
}

std::string effectTimeRefusalText(EffectTimeRefusal refusal) {
    switch (refusal) {
        case EffectTimeRefusal::noEffectChosen:
            return "何か効果を選択してください";
        case EffectTimeRefusal::endNotAfterStart:
            return "終了時間は開始時間より後に設定して下さい";
    }
    return "";
}

std::string previewFailureText(ImageError error) {
    switch (error) {
        case ImageError::none:
            return {};
        case ImageError::notBmp:
            return "ｂｍｐフォーマットではありません";
        case ImageError::notWindowsFormat:
            return "Ｗｉｎｄｏｗｓ形式以外はサポートしていません";
        case ImageError::thirtyTwoBit:
            return "３２ビットカラーはサポートしておりません";
        case ImageError::unsupportedDepth:
            return "対応していないカラー数です";
        case ImageError::compressed:
            return "圧縮タイプには対応しておりません";
        case ImageError::tooLarge:
            return "画像サイズが大きすぎます";
        case ImageError::damaged:
            return "ｂｍｐデータが壊れています";
        case ImageError::noMemory:
            return noMemoryText;
    }
    return {};
}

std::string composeFailureText(ImageError error) {
    // The composition words its lack of memory with a full stop, unlike the reader.
    return error == ImageError::noMemory ? std::string(noMemoryText) + "。" : previewFailureText(error);
}

std::string conversionProgressText(int percent) {
    return "変換 = " + std::to_string(percent);
}

namespace {
struct ResultText {
    int code;
    const char* text;
};

constexpr ResultText resultTexts[] = {
    {-1, "その機能はインプリメントされていない"},
    {1, "コールバック関数が非0を返したので展開を中止した"},
    {2, "未知のフォーマット"},
    {3, "データが壊れている"},
    {4, "メモリーが確保出来ない"},
    {5, "メモリーエラー（Lock出来ない、等）"},
    {6, "ファイルリードエラー"},
    {7, "予約"},
    {8, "内部エラー"},
};

std::string getPictureText(int code) {
    for (const ResultText& entry : resultTexts)
        if (entry.code == code) return entry.text;
    return "不明なエラー";
}
}  // namespace

std::string pluginFailureText(const PluginResult& result) {
    switch (result.kind) {
        case PluginResult::ok:
            return {};
        case PluginResult::noLibrary:
            return "該当するライブラリが見つかりません";
        case PluginResult::lockFailed:
            return "メモリーロックに失敗しました";
        case PluginResult::pluginFailed:
            return getPictureText(result.pluginCode);
        case PluginResult::badPicture:
            // Damaged blocks are the plug-in's fault, and are worded as its own "broken data" result.
            return result.pictureError == ImageError::damaged ? getPictureText(getPictureResult::brokenData)
                                                              : previewFailureText(result.pictureError);
    }
    return {};
}

std::string generatorFailureText(GeneratorError error) {
    switch (error) {
        case GeneratorError::none:
        case GeneratorError::textUnreadable:
            return {};
        case GeneratorError::textTooLarge:
            return fileTooLargeText;
        case GeneratorError::textTooSmall:
            return "ファイルサイズが小さすぎます";
        case GeneratorError::pictureOpenFailed:
            return "ファイルオープンに失敗しました";
        case GeneratorError::pictureReadFailed:
            return "ファイル読み込みに失敗しました";
        case GeneratorError::pictureTooFewColours:
            return "ビットマップの色数がたりません";
        case GeneratorError::pictureHighColour:
            return "ハイカラーはサポートしておりません";
        // The picture's faults the previews also meet are worded as there.
        case GeneratorError::pictureThirtyTwoBit:
            return previewFailureText(ImageError::thirtyTwoBit);
        case GeneratorError::pictureUnknownDepth:
            return previewFailureText(ImageError::unsupportedDepth);
        case GeneratorError::pictureTooSmall:
            return "ビットマップが小さすぎます";
        case GeneratorError::pictureTooLarge:
            return "ビットマップが大きすぎます";
        case GeneratorError::pictureCompressed:
            return previewFailureText(ImageError::compressed);
        case GeneratorError::noMemory:
            return previewFailureText(ImageError::noMemory);
    }
    return {};
}

std::string fileDialogFailureText(const FileDialogFailure& failure) {
    switch (failure.kind) {
        case FileDialogFailure::missingFile:
            return missingFileText(failure.path);
        case FileDialogFailure::pictureRefused:
            return previewFailureText(failure.pictureError);
        case FileDialogFailure::pluginRefused:
            return pluginFailureText(failure.pluginResult);
        case FileDialogFailure::songNotFound:
            return "ファイルエラー";
        case FileDialogFailure::unreadable:
            return readErrorText;
        case FileDialogFailure::timerRefused:
            return timerRefusedText;
    }
    return {};
}

std::string songDetailsText(long bytes, int format, int tracks) {
    return "  (" + std::to_string(bytes) + " バイト:フォーマット=" + std::to_string(format) +
           ":トラック数=" + std::to_string(tracks) + ")";
}

std::string songArgumentMissingText(const std::string& path) {
    return path + " が見つかりません";
}

std::string recordFileFailedMessage(const std::string& path) {
    return path + " に記録できません。終了します";
}

std::string replayRefusedMessage(const std::string& path, long line) {
    if (line == 0) return path + " を読めません";
    return path + " の " + std::to_string(line) + " 行目は入力の記録として読めません";
}

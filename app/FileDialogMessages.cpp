#include "app/FileDialogMessages.h"

#include "app/ImageMessages.h"
#include "app/PluginMessages.h"

std::string fileDialogFailureText(const FileDialogFailure& failure) {
    switch (failure.kind) {
        case FileDialogFailure::missingFile:
            return "[ " + failure.path + " ] が見つかりません。\n\nパスとファイル名を確認して下さい。";
        case FileDialogFailure::pictureRefused:
            return previewFailureText(failure.pictureError);
        case FileDialogFailure::pluginRefused:
            return pluginFailureText(failure.pluginResult);
        case FileDialogFailure::songNotFound:
            return "ファイルエラー";
        case FileDialogFailure::songUnreadable:
            return "File Read Error";
        case FileDialogFailure::timerRefused:
            return "タイマーを起動できませんでした";
    }
    return {};
}

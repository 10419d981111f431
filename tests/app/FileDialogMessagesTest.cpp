#include <gtest/gtest.h>

#include "app/FileDialogMessages.h"

TEST(FileDialogMessages, EachFailureOfTheOpenDialogIsWordedAsTheRestOfTheProgramWordsIt) {
    FileDialogFailure missing;
    missing.path = "C:\\曲\\なし.mid";
    EXPECT_EQ(fileDialogFailureText(missing),
              "[ C:\\曲\\なし.mid ] が見つかりません。\n\nパスとファイル名を確認して下さい。");

    FileDialogFailure picture{FileDialogFailure::pictureRefused};
    picture.pictureError = ImageError::compressed;
    EXPECT_EQ(fileDialogFailureText(picture), "圧縮タイプには対応しておりません");
    FileDialogFailure plugin{FileDialogFailure::pluginRefused};
    plugin.pluginResult = {PluginResult::noLibrary};
    EXPECT_EQ(fileDialogFailureText(plugin), "該当するライブラリが見つかりません");

    EXPECT_EQ(fileDialogFailureText({FileDialogFailure::songNotFound}), "ファイルエラー");
    EXPECT_EQ(fileDialogFailureText({FileDialogFailure::songUnreadable}), "File Read Error");
    EXPECT_EQ(fileDialogFailureText({FileDialogFailure::timerRefused}), "タイマーを起動できませんでした");
}

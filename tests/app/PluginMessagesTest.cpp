#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/PluginMessages.h"

TEST(PluginMessages, EveryGetPictureResultHasItsText) {
    const std::map<int, std::string> expected = {
        {-3, "不明なエラー"},
        {-2, "不明なエラー"},
        {-1, "その機能はインプリメントされていない"},
        {1, "コールバック関数が非0を返したので展開を中止した"},
        {2, "未知のフォーマット"},
        {3, "データが壊れている"},
        {4, "メモリーが確保出来ない"},
        {5, "メモリーエラー（Lock出来ない、等）"},
        {6, "ファイルリードエラー"},
        {7, "予約"},
        {8, "内部エラー"},
        {9, "不明なエラー"},
        {0x7FFFFFFF, "不明なエラー"},
    };
    for (const auto& [code, text] : expected) EXPECT_EQ(pluginFailureText(PluginResult::failed(code)), text) << code;
}

TEST(PluginMessages, TheProgramsOwnRefusalsOfAPlugInsResults) {
    EXPECT_EQ(pluginFailureText({PluginResult::noLibrary}), "該当するライブラリが見つかりません");
    EXPECT_EQ(pluginFailureText({PluginResult::lockFailed}), "メモリーロックに失敗しました");
    // Damaged blocks read as the plug-in's own "broken data"; other refusals as the picture reader words them.
    EXPECT_EQ(pluginFailureText(PluginResult::fromPicture(ImageError::damaged)), "データが壊れている");
    EXPECT_EQ(pluginFailureText(PluginResult::fromPicture(ImageError::tooLarge)), "画像サイズが大きすぎます");
    EXPECT_TRUE(PluginResult::fromPicture(ImageError::none).succeeded());
}

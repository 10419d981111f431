#include "app/PluginMessages.h"

#include "app/ImageMessages.h"

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

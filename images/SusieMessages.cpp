#include "images/SusieMessages.h"

namespace {
struct ResultText {
    int result;
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
}  // namespace

const char* getPictureMessage(int result) {
    for (const ResultText& entry : resultTexts) {
        if (entry.result == result) return entry.text;
    }
    return "不明なエラー";
}

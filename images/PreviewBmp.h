#pragma once
#include <iosfwd>

#include "images/DibImage.h"
#include "images/ImageResult.h"

constexpr int maxPreviewSize = 1600;

// Messages of the picture reader, in the order its checks run.
namespace previewMessage {
constexpr const char* notBmp = "ｂｍｐフォーマットではありません";
constexpr const char* notWindowsFormat = "Ｗｉｎｄｏｗｓ形式以外はサポートしていません";
constexpr const char* thirtyTwoBit = "３２ビットカラーはサポートしておりません";
constexpr const char* unsupportedDepth = "対応していないカラー数です";
constexpr const char* compressed = "圧縮タイプには対応しておりません";
constexpr const char* tooLarge = "画像サイズが大きすぎます";
constexpr const char* damaged = "ｂｍｐデータが壊れています";
constexpr const char* noMemory = "メモリ確保に失敗しました";
}  // namespace previewMessage

// Reads any uncompressed BMP of 1, 4, 8, 16 or 24 bits up to 1600 x 1600 pixels chosen in the file
// dialog. A file refused by its headers leaves the previous preview in place; once the headers pass,
// the previous preview is released and a failure leaves none. The image read is always complete
// (DibImage::isComplete) and stored bottom row first, whatever order the file used; its palette holds
// as many entries as the file's header asks for, so an index may lie beyond it.
ImageResult readPreviewBmp(std::istream& in, DibImage& preview);

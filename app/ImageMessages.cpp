#include "app/ImageMessages.h"

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
            return "メモリ確保に失敗しました";
    }
    return {};
}

std::string composeFailureText(ImageError error) {
    // The composition words its lack of memory with a full stop, unlike the reader.
    return error == ImageError::noMemory ? "メモリ確保に失敗しました。" : previewFailureText(error);
}

std::string conversionProgressText(int percent) {
    return "変換 = " + std::to_string(percent);
}

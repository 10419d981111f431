#include "app/GeneratorMessages.h"

std::string generatorFailureText(GeneratorError error) {
    switch (error) {
        case GeneratorError::none:
        case GeneratorError::textUnreadable:
            return {};
        case GeneratorError::textTooLarge:
            return "ファイルサイズが大きすぎます";
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
        case GeneratorError::pictureThirtyTwoBit:
            return "３２ビットカラーはサポートしておりません";
        case GeneratorError::pictureUnknownDepth:
            return "対応していないカラー数です";
        case GeneratorError::pictureTooSmall:
            return "ビットマップが小さすぎます";
        case GeneratorError::pictureTooLarge:
            return "ビットマップが大きすぎます";
        case GeneratorError::pictureCompressed:
            return "圧縮タイプには対応しておりません";
        case GeneratorError::noMemory:
            return "メモリ確保に失敗しました";
    }
    return {};
}

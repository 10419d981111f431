#include "app/GeneratorMessages.h"

#include "app/ImageMessages.h"

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

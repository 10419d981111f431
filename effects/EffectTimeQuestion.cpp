#include "effects/EffectTimeQuestion.h"

#include <cstdio>

std::string EffectTimeQuestion::prompt() const {
    switch (mode_) {
        case askStart:
            return "開始時間を設定して下さい";
        case askEnd:
            return "終了時間を設定して下さい";
        default:
            return "再生位置を設定して下さい";
    }
}

std::string EffectTimeQuestion::readOut() const {
    const char* format = mode_ == askStart ? "%02d:%02d 秒まで"
                         : mode_ == askEnd ? "%02d:%02d 秒から"
                                           : "%02d:%02d";
    char text[64];
    std::snprintf(text, sizeof text, format, int(value_ / 60), int(value_ % 60));
    return text;
}

std::optional<int32_t> EffectTimeQuestion::scroll(ScrollCode code, int32_t barPosition, int32_t dragged) {
    if (barPosition < minimum || barPosition > maximum) return std::nullopt;
    int32_t position = barPosition;
    switch (code) {
        case ScrollCode::lineRight:
            if (position < maximum) ++position;
            break;
        case ScrollCode::lineLeft:
            if (position > minimum) --position;
            break;
        case ScrollCode::thumbTrack:
            if (dragged >= minimum && dragged <= maximum) position = dragged;
            break;
        case ScrollCode::other:
            break;
    }
    value_ = position;
    return position;
}

#include "app/EffectMessages.h"

std::string effectTimeRefusalText(EffectTimeRefusal refusal) {
    switch (refusal) {
        case EffectTimeRefusal::noEffectChosen:
            return "何か効果を選択してください";
        case EffectTimeRefusal::endNotAfterStart:
            return "終了時間は開始時間より後に設定して下さい";
    }
    return "";
}

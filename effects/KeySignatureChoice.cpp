#include "effects/KeySignatureChoice.h"

#include <iterator>

namespace {
// clang-format off
const char* const sharpLabels[KeySignature::maxCount + 1] = {
    "なし", "ファ", "ファ、ド", "ファ、ド、ソ", "ファ、ド、ソ、レ", "ファ、ド、ソ、レ、ラ",
    "ファ、ド、ソ、レ、ラ、ミ", "全て"};
const char* const flatLabels[KeySignature::maxCount + 1] = {
    "なし", "シ", "シ、ミ", "シ、ミ、ラ", "シ、ミ、ラ、レ", "シ、ミ、ラ、レ、ソ",
    "シ、ミ、ラ、レ、ソ、ド", "全て"};
// clang-format on
}  // namespace

std::string KeySignatureChoice::label() const {
    const int count = signature_.count;
    if (signature_.sign == 0 || count < 0 || count > KeySignature::maxCount) return sharpLabels[0];
    return signature_.sign > 0 ? sharpLabels[count] : flatLabels[count];
}

std::vector<std::string> KeySignatureChoice::allLabels() {
    std::vector<std::string> labels(std::begin(sharpLabels), std::end(sharpLabels));
    labels.insert(labels.end(), std::begin(flatLabels), std::end(flatLabels));
    return labels;
}

bool KeySignatureChoice::chooseCount(int count) {
    if (count < 1 || count > KeySignature::maxCount) return false;
    if (signature_.sign == 0) {
        signature_.count = 0;
        return false;
    }
    signature_.count = count;
    return true;
}

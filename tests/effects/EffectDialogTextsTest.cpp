// The texts the effect dialogs show, pinned in tests/golden/effect-dialog-texts.txt: the key signature's
// label for every sign and count (counts no button gives are named nothing rather than read past the
// table), the pitch drawing's note names over the bars' whole range (the floor modulo of negative notes),
// and the effect-time question's prompt and read-out at the ends of its range.
#include <gtest/gtest.h>

#include "effects/EffectTimeQuestion.h"
#include "effects/KeySignatureChoice.h"
#include "effects/PitchDrawing.h"
#include "tests/support/Golden.h"

TEST(EffectDialogTexts, AreShownAsPinned) {
    std::string text;
    for (int sign = -1; sign <= 1; ++sign)
        for (int count = -1; count <= 9; ++count)
            text += "key signature " + std::to_string(sign) + "/" + std::to_string(count) + " " +
                    KeySignatureChoice(KeySignature{sign, count}).label() + "\n";
    for (int note = PitchDrawing::minimum; note <= PitchDrawing::maximum; ++note)
        text += "pitch " + std::to_string(note) + " " + PitchDrawing::pitchName(note) + "\n";
    for (const auto mode : {EffectTimeQuestion::askStart, EffectTimeQuestion::askEnd})
        for (int32_t seconds : {0, 61, 600, 3599}) {
            const EffectTimeQuestion question(mode, seconds);
            text += "effect time " + question.prompt() + " " + question.readOut() + "\n";
        }
    expectGolden("effect-dialog-texts.txt", text);
}

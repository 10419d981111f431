#include "effects/EffectDialogSession.h"

bool EffectDialogSession::mayOpen() const {
    return !host_.playing() && host_.songLoaded() && !host_.effectDialogOpen();
}

void EffectDialogSession::open(OpenDialog which) {
    host_.enableCloseCommand(false);
    kind_ = which;
    host_.effectDialogOpen(true);
}

void EffectDialogSession::openKeySignatureDialog() {
    if (!mayOpen()) return;
    open(OpenDialog::keySignature);
    port_.openKeySignatureDialog(host_.effectSettings().keySignature);
}

void EffectDialogSession::openPitchDialog() {
    if (!mayOpen()) return;
    open(OpenDialog::pitchMap);
    port_.openPitchDialog(host_.effectSettings().pitchMap);
}

template <typename Store>
void EffectDialogSession::tryAndPlay(Store store) {
    // The effect may change only while the timer is stopped.
    host_.setWaitCursor(true);
    if (host_.playing()) host_.stopPlayback();
    store(host_.effectSettings());
    host_.setWaitCursor(false);
    host_.startPlayback();
}

void EffectDialogSession::tryKeySignature(const KeySignature& chosen) {
    tryAndPlay([&](EffectSettings& settings) {
        settings.keySignature = chosen;
        settings.type = chosen.sign != 0 ? EffectType::keySignature : EffectType::none;
    });
}

void EffectDialogSession::tryPitchMap(const PitchMap& drawn) {
    tryAndPlay([&](EffectSettings& settings) {
        settings.pitchMap = drawn;
        settings.type = EffectType::customMap;
    });
}

void EffectDialogSession::dialogClosing() {
    if (!host_.effectDialogOpen()) return;
    // The mark names the effect in use, whatever the dialog last showed: closing without a try leaves the
    // previous effect both in use and checked.
    mark_.show(host_.effectSettings().type);
    host_.effectDialogOpen(false);
    host_.enableCloseCommand(true);
}

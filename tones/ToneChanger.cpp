#include "tones/ToneChanger.h"

ToneChanger::ToneChanger(ChannelTones& tones, MidiOut& out, ToneDialogPort& port)
    : tones_(tones), out_(out), port_(port) {}

bool ToneChanger::changeChannelTone(int channel, SoundModule module, bool gmSystemOnSeen,
                                    bool channelSounded) {
    if (!hasToneLists(module) || !channelSounded) return false;
    ToneDialogModel dialog(tones_, out_, channel, module, gmSystemOnSeen);
    port_.runToneDialog(dialog);
    // Closed some other way (or never shown): as Cancel.
    dialog.cancel();
    return true;
}

#include "tones/ToneChanger.h"

#include "tones/ToneColumn.h"

ToneChanger::ToneChanger(ChannelTones& tones, MidiOut& out, ToneDialogPort& port)
    : tones_(tones), out_(out), port_(port) {}

bool ToneChanger::changeChannelTone(int x, int y, SoundModule module, bool gmSystemOnSeen,
                                    const SoundedTest& hasSounded) {
    if (!hasToneLists(module)) return false;
    const auto channel = toneColumn::channelAt(x, y);
    if (!channel || !hasSounded(*channel)) return false;
    ToneDialogModel dialog(tones_, out_, *channel, module, gmSystemOnSeen);
    port_.runToneDialog(dialog);
    // Closed some other way (or never shown): as Cancel.
    dialog.cancel();
    return true;
}

#pragma once
#include <functional>

#include "playback/MidiOut.h"
#include "tones/ChannelTone.h"
#include "tones/SoundModule.h"
#include "tones/ToneDialogModel.h"

// Shows the tone dialog. The program's port is the Win32 dialog; tests answer it themselves.
class ToneDialogPort {
  public:
    virtual ~ToneDialogPort() = default;
    // Shows the dialog modally; it calls ok() or cancel() on the model when the user closes it.
    virtual void runToneDialog(ToneDialogModel& dialog) = 0;
};

// A click on the face's tone column while a song plays: opens the tone dialog on the row's channel.
class ToneChanger {
  public:
    // Whether a note has sounded on the channel since playback started.
    using SoundedTest = std::function<bool(int channel)>;

    ToneChanger(ChannelTones& tones, MidiOut& out, ToneDialogPort& port);

    // Does nothing with the Sound Blaster 16, off the channel rows, or on a channel that has not sounded
    // (its tone is not known yet). Returns whether the dialog was shown.
    bool changeChannelTone(int x, int y, SoundModule module, bool gmSystemOnSeen,
                           const SoundedTest& hasSounded);

  private:
    ChannelTones& tones_;
    MidiOut& out_;
    ToneDialogPort& port_;
};

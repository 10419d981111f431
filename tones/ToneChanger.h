#pragma once
#include "playback/MidiOut.h"
#include "tones/ChannelTone.h"
#include "tones/SoundModule.h"
#include "tones/ToneDialogModel.h"

// Shows the tone dialog: the program's dialogs show the Win32 one; tests answer it themselves.
class ToneDialogPort {
  public:
    virtual ~ToneDialogPort() = default;
    // Shows the dialog modally; it calls ok() or cancel() on the model when the user closes it.
    virtual void runToneDialog(ToneDialogModel& dialog) = 0;
};

// A click on a channel's row of the face's tone column while a song plays: opens the tone dialog on it.
class ToneChanger {
  public:
    ToneChanger(ChannelTones& tones, MidiOut& out, ToneDialogPort& port);

    // Does nothing with the Sound Blaster 16 or on a channel that has not sounded a note since playback
    // started (its tone is not known yet). `gmSystemOnSeen`: the song has sent GM System On, after which
    // only capital tones can be chosen. Returns whether the dialog was shown.
    bool changeChannelTone(int channel, SoundModule module, bool gmSystemOnSeen, bool channelSounded);

  private:
    ChannelTones& tones_;
    MidiOut& out_;
    ToneDialogPort& port_;
};

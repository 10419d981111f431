#pragma once
#include <cstdint>
#include <string>

#include "playback/MidiOut.h"
#include "tones/ChannelTone.h"
#include "tones/SoundModule.h"

// The rules of the tone dialog, opened on one playing channel: the list of the module's tones (or, on the
// drum channel, its drum sets), every selection heard at once, OK locking the choice for the rest of the
// song and Cancel putting the channel back to the tone it plays. The window shows it modally and turns its
// messages into these calls; all of them run on the window thread while the song plays on.
class ToneDialogModel {
  public:
    enum class Selection {
        heard,    // the row became the selection and was sent to the channel
        refused,  // a variation tone after GM System On: the list must show no selection
        ignored,  // not a row of the list, or the dialog no longer applies
    };

    // Opens on the channel's current tone. `gmMode`: the song has sent GM System On, after which only
    // capital tones (bank 0) can be chosen. `module` must have tone lists.
    ToneDialogModel(ChannelTones& tones, MidiOut& out, int channel, SoundModule module, bool gmMode);

    bool isDrum() const { return isDrum_; }
    int channel() const { return channel_; }
    // "音色名：" or "ドラムセット：" and the name of the row the dialog opens on.
    const std::string& label() const { return label_; }
    int rowCount() const;
    const char* rowName(int row) const;
    int initialSelection() const { return initialSelection_; }
    int currentSelection() const { return currentSelection_; }

    // The list's selection moved to `row`.
    Selection select(int row);
    // Locks the channel on the selection, or on the tone it plays when nothing was selected. Sends the
    // choice again only when the song's own tone has replaced it on the device meanwhile.
    void ok();
    // Sends the channel's own tone again if a selection replaced it; locks nothing.
    void cancel();
    bool finished() const { return finished_; }

  private:
    struct Sound {
        uint8_t program;
        uint8_t bank;
    };
    Sound rowSound(int row) const;
    Sound channelSound() const;
    bool sameSound(Sound a, Sound b) const;
    void send(Sound sound);
    // A song loaded while the dialog was open has new tones and locks; this dialog no longer applies.
    bool songReplaced() const { return tones_.songGeneration() != songGeneration_; }

    ChannelTones& tones_;
    MidiOut& out_;
    const int channel_;
    const SoundModule module_;
    const bool gmMode_;
    const bool isDrum_;
    const uint32_t songGeneration_;
    int initialSelection_ = 0;
    int currentSelection_ = 0;
    bool selectionSent_ = false;
    ChannelTone toneAtLastSelection_{};  // the channel's tone when the last selection was sent
    bool finished_ = false;
    std::string label_;
};

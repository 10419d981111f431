#include "tones/ToneDialogModel.h"

#include "playback/MidiVocabulary.h"
#include "tones/ChannelTone.h"
#include "tones/ToneTable.h"

ToneDialogModel::ToneDialogModel(ChannelTones& tones, MidiOut& out, int channel, SoundModule module,
                                 bool gmMode)
    : tones_(tones),
      out_(out),
      channel_(channel),
      module_(module),
      gmMode_(gmMode),
      isDrum_(channel == midi::drumChannel),
      songGeneration_(tones.songGeneration()) {
    const Sound playing = channelSound();
    if (isDrum_) {
        initialSelection_ = drumSetIndex(module_, playing.program);
        label_ = std::string("ドラムセット：") + drumSetAt(module_, initialSelection_).name;
    } else {
        initialSelection_ = toneIndex(module_, playing.program, playing.bank);
        label_ = std::string("音色名：") + toneAt(module_, initialSelection_).name;
    }
    currentSelection_ = initialSelection_;
}

int ToneDialogModel::rowCount() const {
    return isDrum_ ? drumSetCount(module_) : toneCount(module_);
}

const char* ToneDialogModel::rowName(int row) const {
    return isDrum_ ? drumSetAt(module_, row).name : toneAt(module_, row).name;
}

ToneDialogModel::Selection ToneDialogModel::select(int row) {
    if (finished_ || songReplaced() || row < 0 || row >= rowCount()) return Selection::ignored;
    const Sound sound = rowSound(row);
    if (gmMode_ && sound.bank != 0) return Selection::refused;
    currentSelection_ = row;
    selectionSent_ = true;
    // Read before sending: a song's message counted after this may have reached the device after the preview.
    toneAtLastSelection_ = tones_.at(channel_);
    send(sound);
    return Selection::heard;
}

void ToneDialogModel::ok() {
    if (finished_) return;
    finished_ = true;
    if (songReplaced()) return;
    // Without a selection the row may only be the stand-in for a pair the list lacks: keep the real tone.
    if (!selectionSent_) {
        tones_.fixCurrent(channel_);
        return;
    }
    const Sound chosen = rowSound(currentSelection_);
    const ChannelTone beforeLock = tones_.fix(channel_, chosen.program, chosen.bank);
    // A program change or bank select of the song that reached the device after the last selection has
    // replaced the preview there (one still on its way is followed by the lock in the event filter).
    if (beforeLock.songChanges != toneAtLastSelection_.songChanges) send(chosen);
}

void ToneDialogModel::cancel() {
    if (finished_) return;
    finished_ = true;
    if (songReplaced() || !selectionSent_) return;
    // The channel's tone is the song's latest (or the user's lock): what it would play without the dialog.
    const Sound own = channelSound();
    if (!sameSound(rowSound(currentSelection_), own)) send(own);
}

ToneDialogModel::Sound ToneDialogModel::rowSound(int row) const {
    if (isDrum_) return {drumSetAt(module_, row).program, 0};
    const Tone tone = toneAt(module_, row);
    return {tone.program, tone.bank};
}

ToneDialogModel::Sound ToneDialogModel::channelSound() const {
    const ChannelTone tone = tones_.at(channel_);
    return {tone.program, tone.bank};
}

// A drum set is chosen by its program alone.
bool ToneDialogModel::sameSound(Sound a, Sound b) const {
    return a.program == b.program && (isDrum_ || a.bank == b.bank);
}

void ToneDialogModel::send(Sound sound) {
    sendTone(out_, channel_, sound.program, sound.bank);
}

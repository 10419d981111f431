#include "playback/Player.h"

#include "playback/MidiVocabulary.h"

const uint8_t Player::gsReset[11] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};

Player::Player(SongBuffer& song, Sequencer& sequencer, MidiDevice& out, PlaybackTimer& timer,
               PlayerHost& host, ShortMessageFailures& failures, SongSelection& selection)
    : song_(song),
      sequencer_(sequencer),
      out_(out),
      timer_(timer),
      host_(host),
      failures_(failures),
      selection_(selection) {}

void Player::loadSong(std::vector<uint8_t> image) {
    song_.assign(std::move(image));
    sendLoadMessages(out_);
    song_.readHeader();
    sequencer_.setInitialTempo(findFirstTempo(song_));
    lyrics_ = LyricSheet::read(song_);
    sequencer_.reportLyrics(lyrics_.eventType());
    sequencer_.resetClock();
    sequencer_.clearGmSystemOnSeen();
}

void Player::startPlayback() {
    if (!song_.hasImage() || playing_) return;
    sequencer_.rewind();
    host_.resetForPlayback();
    failures_.rearm();
    host_.drawPlayButton(true);
    playing_ = true;
    if (!timer_.start(Sequencer::timerPeriod, sequencer_)) {
        playing_ = false;
        host_.timerFailed();
    }
}

bool Player::jumpTo(int seconds) {
    if (!playing_ || seconds < 0 || sequencer_.fastForwarding()) return false;
    const int64_t periods = int64_t(seconds) * Sequencer::periodsPerSecond;
    timer_.stop();
    timer_.playTimeMoved(periods);
    sendStopMessages(out_);
    sequencer_.rewindToPlayStart();
    host_.resetForPlayback();
    out_.capture(
        chase_,
        [&] {
            chase_.clear();
            sequencer_.playSilently(periods);
        },
        [&] {
            // Every channel starts from the module's defaults, as the song did at its load, so nothing the
            // song set after this moment stays. The user's settings follow the song's system exclusive
            // messages, which may reset the device again.
            sendLoadMessages(out_);
            chase_.replaySysEx(out_);
            host_.sendUserSettings(out_);
            chase_.replayChannels(out_);
        });
    if (!timer_.start(Sequencer::timerPeriod, sequencer_)) {
        playing_ = false;
        host_.timerFailed();
    }
    return true;
}

void Player::sendLoadMessages(MidiOut& out) {
    for (int channel = 0; channel < midi::channelCount; ++channel)
        out.sendShortMessage(midi::statusOf(midi::controlChange, channel),
                             midi::controller::resetAllControllers, 0);
    out.sendLongMessage(gsReset, sizeof gsReset);
}

void Player::sendStopMessages(MidiOut& out) {
    using namespace midi::controller;
    for (uint8_t controller : {sostenuto, sustain, allNotesOff})
        for (int channel = 0; channel < midi::channelCount; ++channel)
            out.sendShortMessage(midi::statusOf(midi::controlChange, channel), controller, 0);
}

void Player::stopPlayback(StopReason reason) {
    // The timer goes first: a tick still running when it is stopped could otherwise raise the flags again
    // and have the window stop a second time.
    timer_.stop();
    sequencer_.clearTickFlags();
    host_.silencingDevice();
    sendStopMessages(out_);
    host_.blankMetersAndLamps();
    playing_ = false;
    if (sequencer_.fastForwarding() && reason == songFinished) {
        sequencer_.endFastForwardAtStop();
        host_.drawFastForwardButton(false);
    }
    host_.drawPlayButton(false);

    bool restarted = false;
    if (reason == songFinished && !selection_.playOnce) {
        startPlayback();
        restarted = true;
    }
    if (reason == userStop && !selection_.playOnce) selection_.playOnce = true;  // a user stop ends repeating
    int& mode = selection_.mode;
    if (mode == SongSelection::lastSong || mode == SongSelection::firstSong) mode = SongSelection::noSongList;
    if (mode == SongSelection::loopSongs) {
        if (reason == userStop) {
            mode = SongSelection::noSongList;
        } else if (!restarted) {  // loop mode needs "一度だけ", so the repeat above never ran
            if (host_.openNextSongListEntry()) startPlayback();
            // A loop that does not play could never be stopped, and the song-list commands refuse during it.
            if (!playing_) mode = SongSelection::noSongList;
        }
    }
}

TickUpdate Player::onTick() {
    TickUpdate update;
    if (playing_ && sequencer_.songEnded()) {
        stopPlayback(songFinished);
        update.stopped = true;
    }
    update.redraw = sequencer_.takeTickReport();
    return update;
}

#include "playback/PreviewPlayer.h"

#include "playback/Player.h"

PreviewPlayer::PreviewPlayer(MidiOut& out, PlaybackTimer& timer, PreviewEndPoster& window)
    : out_(out), timer_(timer), window_(window), sequencer_(song_, out, *this, clock_, *this) {}

PreviewPlayer::~PreviewPlayer() {
    stop();
}

void PreviewPlayer::load(std::vector<uint8_t> image) {
    stop();
    if (image.empty()) return;
    song_.assign(std::move(image));
    Player::sendLoadMessages(out_);
    song_.readHeader();
    sequencer_.setInitialTempo(findFirstTempo(song_));
}

PreviewPlayer::StartResult PreviewPlayer::start() {
    if (!song_.hasImage()) return StartResult::nothingLoaded;
    if (playing_) timer_.stop();
    sequencer_.rewind();
    endPosted_.store(false);
    playing_ = true;
    if (!timer_.start(Sequencer::timerPeriod, sequencer_)) {
        playing_ = false;
        return StartResult::timerFailed;
    }
    return StartResult::started;
}

void PreviewPlayer::stop() {
    const bool wasPlaying = playing_;
    if (wasPlaying) timer_.stop();
    playing_ = false;
    song_.assign({});
    if (wasPlaying) Player::sendStopMessages(out_);
}

bool PreviewPlayer::finishIfEnded() {
    if (!playing_ || !sequencer_.songEnded()) return false;
    stop();
    return true;
}

void PreviewPlayer::processChannelMessage(int, const ChannelMessage& message) {
    out_.sendShortMessage(message.status, message.data1, message.data2);
}

void PreviewPlayer::postTick() {
    // The sequencer asks for redraws many times a second; the dialog only needs to hear of the end, once.
    if (sequencer_.songEnded() && !endPosted_.exchange(true)) window_.postPreviewEnded();
}

#include "effects/SongRendering.h"

#include <algorithm>

namespace {
// The first period at or after the time.
long periodsUntil(long timeMs) {
    return timeMs / Sequencer::timerPeriod + (timeMs % Sequencer::timerPeriod != 0);
}
}  // namespace

SongRendering::SongRendering()
    : engine_(device_, timer_, static_cast<TickPoster&>(*this), static_cast<PlayerHost&>(*this), failures_) {
    engine_.sequencer().reportEveryText();
}

void SongRendering::streamTo(std::function<void(const Messages&)> take) {
    // Few enough to stay small, many enough to be written in large pieces.
    device_.streamTo(4096, std::move(take));
    streaming_ = true;
}

void SongRendering::load(std::vector<uint8_t> image) {
    device_.setTime(0);
    // A channel message in running status takes three bytes of the file with its delta-time.
    if (!streaming_) device_.reserve(image.size() / 3 + 256);
    engine_.loadSong(std::move(image));
    playedTexts_.clear();
    loadEnd_ = device_.receivedCount();
}

void SongRendering::playToEnd(int startSeconds, RenderingInput* input, const std::vector<Jump>& jumps) {
    Player& player = engine_.player();
    engine_.selection().playOnce = true;
    player.startPlayback();
    const long firstTick = long(startSeconds) * Sequencer::periodsPerSecond;
    if (startSeconds > 0) {
        device_.setTime(firstTick * Sequencer::timerPeriod);
        player.jumpTo(startSeconds);
    }
    Sequencer& sequencer = engine_.sequencer();
    const long lastPeriod = longestPlayMs / Sequencer::timerPeriod;
    size_t nextJump = 0;
    auto jumpTick = [&] { return long(jumps[nextJump].at) * Sequencer::periodsPerSecond; };
    for (long tick = firstTick; timer_.running(); ++tick) {
        for (; nextJump < jumps.size() && tick >= jumpTick(); ++nextJump) {
            tick = long(jumps[nextJump].to) * Sequencer::periodsPerSecond;
            device_.setTime(tick * Sequencer::timerPeriod);
            player.jumpTo(jumps[nextJump].to);
        }
        // Periods in which nothing can happen are passed over at once: the cost follows the song's events,
        // not its length, and what is sent and when stays the same.
        long skippable = lastPeriod - tick;
        // The period of a jump's moment is not played: the jump comes before it.
        if (nextJump < jumps.size()) skippable = std::min(skippable, jumpTick() - tick - 1);
        // Input may wake a channel (the automatic pan sweeps only sounded ones): no skipping past it.
        if (input) skippable = std::min(skippable, periodsUntil(input->nextArrivalMs()) - tick);
        const int64_t idle = sequencer.idlePeriods(std::max(0L, skippable));
        if (idle > 0) {
            sequencer.passIdlePeriods(idle);
            tick += long(idle);
        }
        const long now = tick * Sequencer::timerPeriod;
        device_.setTime(now);
        stopStart_ = device_.receivedCount();
        stopMs_ = now;
        if (now >= longestPlayMs) {
            player.stopPlayback(Player::userStop);
            break;
        }
        if (input) {
            input->arriveUntil(now);
            device_.setTime(now);
        }
        tickPosted_ = false;
        timer_.tick();
        for (int32_t at; (at = sequencer.lyrics().take()) != LyricRing::none;)
            playedTexts_.push_back({now, at});
        // The messages of this tick are the song's; only what the window's tick handler sends may be the
        // stop.
        stopStart_ = device_.receivedCount();
        if (tickPosted_) player.onTick();
    }
    device_.handOver();
}

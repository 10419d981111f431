#include "effects/SongRendering.h"

SongRendering::SongRendering()
    : engine_(device_, timer_, static_cast<TickPoster&>(*this), static_cast<PlayerHost&>(*this), failures_) {}

void SongRendering::load(std::vector<uint8_t> image) {
    device_.setTime(0);
    engine_.loadSong(std::move(image));
    loadEnd_ = device_.messages().size();
}

void SongRendering::playToEnd() {
    Player& player = engine_.player();
    engine_.selection().playOnce = true;
    player.startPlayback();
    for (long tick = 0; timer_.running(); ++tick) {
        const long now = tick * Sequencer::timerPeriod;
        device_.setTime(now);
        stopStart_ = device_.messages().size();
        stopMs_ = now;
        if (now >= longestPlayMs) {
            player.stopPlayback(Player::userStop);
            break;
        }
        tickPosted_ = false;
        timer_.tick();
        // The messages of this tick are the song's; only what the window's tick handler sends may be the
        // stop.
        stopStart_ = device_.messages().size();
        if (tickPosted_) player.onTick();
    }
}

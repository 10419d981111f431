#pragma once
#include "effects/PlaybackEngine.h"
#include "playback/VirtualTimer.h"

// The program's playback engine with everything around it made virtual: a device of the test's choice, a
// timer the test ticks, and a window that draws nothing.
template <class Device>
class VirtualPlayer : public TickPoster, public WindowlessPlayerHost {
  public:
    Device out;
    ShortMessageFailures failures;
    VirtualTimer timer;
    PlaybackEngine engine{out, timer, *this, *this, failures};
    // The engine's parts, by the names the tests use.
    SongBuffer& song = engine.song();
    LiveControls& controls = engine.controls();
    EffectSettings& effect = engine.effect();
    AutoPan& autoPan = engine.autoPan();
    Sequencer& sequencer = engine.sequencer();
    Player& player = engine.player();

    void load(std::vector<uint8_t> image) { engine.loadSong(std::move(image)); }
    // Loads the song and starts it.
    void play(std::vector<uint8_t> image) {
        load(std::move(image));
        player.startPlayback();
    }

  protected:
    void postTick() override {}
};

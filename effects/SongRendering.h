#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "effects/PlaybackEngine.h"
#include "playback/RecordingMidiOut.h"
#include "playback/ShortMessageFailures.h"
#include "playback/VirtualTimer.h"

// A song played from load to stop in virtual time, without waiting: the program's engine around a
// recording device, a virtual timer and a window that draws nothing. velmira-render and the window's
// "演奏を保存" both play songs through it, so a saved song is what the renderer hears.
//
//     SongRendering rendering;
//     rendering.load(image);
//     rendering.engine().effect() = ...;   // settings as the song is to be played
//     rendering.playToEnd();
// Messages that arrive from outside while the song plays (a recorded keyboard), fed by their own times.
class RenderingInput {
  public:
    virtual ~RenderingInput() = default;
    // Feeds everything that has arrived by then.
    virtual void arriveUntil(long nowMs) = 0;
    virtual long nextArrivalMs() const = 0;
};

class SongRendering : private TickPoster, private WindowlessPlayerHost {
  public:
    // Nothing a real song does takes a day; a damaged delta-time can ask for longer, so playback stops there.
    static constexpr long longestPlayMs = 24L * 60 * 60 * 1000;

    using Messages = std::vector<RecordingMidiOut::Message>;

    SongRendering();
    // Hands what the device receives to |take| in batches as the song plays, and forgets it, so that a long
    // song's output is never held whole; set before load(). Without it, messages() keeps everything.
    void streamTo(std::function<void(const Messages&)> take);

    // The song into the engine, as the window loads one: the load's messages go to the device at time 0.
    void load(std::vector<uint8_t> image);
    // A jump of the window's during play: once the play time has reached `at` seconds, to `to`.
    struct Jump {
        int at = 0;
        int to = 0;
    };

    // Plays once from the start until the song ends (or a day has passed), one timer period of virtual
    // time a tick, and stops as the window would. With startSeconds the song jumps there first, as the
    // window's jump does; then each of jumps in its turn. A jump's messages are stamped with the moment it
    // goes to, and the times go on from there: they are the song's play time, as a recording of the
    // program's has them. Input, when given, goes in before each tick what has arrived by the tick's play
    // time.
    void playToEnd(int startSeconds = 0, RenderingInput* input = nullptr,
                   const std::vector<Jump>& jumps = {});

    PlaybackEngine& engine() { return engine_; }
    MidiOut& device() { return device_; }
    // The time of the messages sent from now on, for what is sent between the ticks.
    void setDeviceTime(long timeMs) { device_.setTime(timeMs); }
    const Messages& messages() const { return device_.messages(); }
    // Where the messages of the last load end and those of the closing stop begin (indices counted from the
    // first message, which are those of messages() when nothing is streamed), and the virtual time of the
    // stop.
    size_t loadEnd() const { return loadEnd_; }
    // The song's text events (its words, track names, texts...) as they were played since the load: each
    // event's play time and the position of its type byte in the image (what a jump passed over is not
    // among them).
    struct PlayedText {
        long timeMs = 0;
        int32_t position = 0;
    };
    const std::vector<PlayedText>& playedTexts() const { return playedTexts_; }
    size_t stopStart() const { return stopStart_; }
    long stopMs() const { return stopMs_; }

  private:
    void postTick() override { tickPosted_ = true; }

    RecordingMidiOut device_;
    ShortMessageFailures failures_;
    VirtualTimer timer_;
    PlaybackEngine engine_;
    bool streaming_ = false;
    bool tickPosted_ = false;
    size_t loadEnd_ = 0;
    size_t stopStart_ = 0;
    long stopMs_ = 0;
    std::vector<PlayedText> playedTexts_;
};

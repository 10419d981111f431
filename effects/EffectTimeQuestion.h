#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "effects/ScrollCode.h"

// Why "効果時間" shows a message instead of taking an answer: no effect has been chosen yet, or the end
// given is not after the start (the dialog then stays open).
enum class EffectTimeRefusal { noEffectChosen, endNotAfterStart };

// One question of the effect-time command: the second at which the effect window starts, or the second at
// which it ends; or the second of the playing song to jump to. The dialog shows the prompt and the read-out
// and moves the value with its scroll bar.
class EffectTimeQuestion {
  public:
    enum Mode { askStart = 0, askEnd = 1, askMoment = 2 };
    static constexpr int32_t minimum = 0;
    static constexpr int32_t maximum = 3599;  // 59:59

    // `start` is the start already chosen, against which an end is checked.
    EffectTimeQuestion(Mode mode, int32_t value, int32_t start = 0)
        : mode_(mode), value_(value), start_(start) {}

    Mode mode() const { return mode_; }
    int32_t value() const { return value_; }
    int32_t start() const { return start_; }
    std::string prompt() const;
    // The value as minutes and seconds, "mm:ss" followed by what the second means.
    std::string readOut() const;

    // A scroll event with the bar's thumb at `barPosition`. Returns the position the bar takes (and the
    // value with it), or nothing when the event is ignored. The arrows step one second; only the thumb
    // drags further; a click in the trough leaves the bar where it is.
    std::optional<int32_t> scroll(ScrollCode code, int32_t barPosition, int32_t dragged);

    // The answer "はい" may be given: an end must lie after the start.
    bool acceptable() const { return mode_ != askEnd || value_ > start_; }

  private:
    Mode mode_;
    int32_t value_;
    int32_t start_;
};

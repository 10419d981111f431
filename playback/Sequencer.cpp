#include "playback/Sequencer.h"

#include <algorithm>
#include <cmath>

#include "playback/MidiVocabulary.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
constexpr uint32_t defaultMicrosPerQuarter = 500000;  // 120 beats per minute
constexpr int maxLoadTempo = 400;
constexpr double maxLoadMsPerQuarter = 150.0;
constexpr int fastForwardTempoLimit = 250;
constexpr int msPerSecondTick = 990;  // the clock counts a second once the accumulator passes this
constexpr int periodsPerSecond = Sequencer::periodsPerSecond;
static_assert((msPerSecondTick + Sequencer::timerPeriod) / Sequencer::timerPeriod == periodsPerSecond &&
                  (msPerSecondTick + Sequencer::timerPeriod) % Sequencer::timerPeriod == 0,
              "the accumulator passes its limit on a whole period");
}  // namespace

Sequencer::Sequencer(SongBuffer& song, MidiOut& out, ChannelMessageSink& filter, PlayClock& clock,
                     TickPoster& window)
    : song_(song), out_(out), filter_(filter), clock_(clock), window_(window) {}

void Sequencer::setInitialTempo(const FirstTempo& tempo) {
    const uint32_t micros = tempo.found ? tempo.microsPerQuarter : defaultMicrosPerQuarter;
    std::lock_guard<std::mutex> lock(tempoMutex_);
    lastTempoPos_ = tempo.found ? tempo.typePosition : -1;
    // A tempo of 0 microseconds would be infinitely fast; it is clamped like any tempo above 400.
    int bpm = micros == 0 ? maxLoadTempo + 1 : int(60000000u / micros);
    msPerQuarter_ = micros * 0.001;
    if (bpm > maxLoadTempo) {
        bpm = maxLoadTempo;
        msPerQuarter_ = maxLoadMsPerQuarter;
    }
    displayTempo_.store(bpm, relaxed);
}

void Sequencer::rewind() {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    playStartMsPerQuarter_ = msPerQuarter_;
    playStartLastTempoPos_ = lastTempoPos_;
    rewindLocked();
}

void Sequencer::rewindToPlayStart() {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    msPerQuarter_ = playStartMsPerQuarter_;
    lastTempoPos_ = playStartLastTempoPos_;
    rewindLocked();
}

void Sequencer::rewindLocked() {
    tracks_.fill(TrackState{});
    song_.prepareTracks();
    callbackBusy_.store(false, relaxed);
    songEnded_.store(false, relaxed);
    tempoChanged_.store(0, relaxed);
    fastForward_.store(false, relaxed);
    resetClock();
    msAccumulator_ = 0;
    secondTicked_.store(true, relaxed);
    metersLive_.store(true, relaxed);
    lyrics_.clear();
}

void Sequencer::resetClock() {
    clock_.reset();
}

void Sequencer::onTimer() {
    if (advanceClock()) window_.postTick();
    if (callbackBusy_.exchange(true, std::memory_order_acquire)) return;
    const bool anyTrackRan = stepTracks();
    callbackBusy_.store(false, std::memory_order_release);

    if (anyTrackRan) {
        int songChanged = 1;
        if (tempoChanged_.compare_exchange_strong(songChanged, 2, relaxed) || metersLive_.load(relaxed))
            window_.postTick();
        return;
    }
    // The window stops on this tick, which clears every flag: no tempo change of the last period is shown.
    songEnded_.store(true, relaxed);
    window_.postTick();
}

bool Sequencer::advanceClock() {
    msAccumulator_ += timerPeriod;
    if (msAccumulator_ <= msPerSecondTick) return false;
    msAccumulator_ = 0;
    clock_.playSeconds.fetch_add(1, relaxed);
    int seconds = clock_.seconds.load(relaxed) + 1;
    if (seconds > 59) {
        seconds = 0;
        clock_.minutes.fetch_add(1, relaxed);
    }
    clock_.seconds.store(seconds, relaxed);
    secondTicked_.store(true, relaxed);
    return true;
}

void Sequencer::playSilently(int64_t periods) {
    silent_ = true;
    for (int64_t played = 0; played < periods;) {
        const int64_t idle = idlePeriods(periods - played);
        if (idle > 0) {
            passIdlePeriods(idle);
            played += idle;
            continue;
        }
        advanceClock();
        if (!stepTracks()) break;  // ended: the next onTimer tells the window
        ++played;
    }
    silent_ = false;
    secondTicked_.store(true, relaxed);
    // The tempo read-out follows the song's tempo at the new moment.
    tempoChanged_.store(1, relaxed);
}

void Sequencer::advanceClockBy(int64_t periods) {
    // The accumulator holds whole periods and drops to 0 as it passes its limit: a second every
    // periodsPerSecond periods.
    const int64_t counted = msAccumulator_ / timerPeriod + periods;
    msAccumulator_ = int(counted % periodsPerSecond) * timerPeriod;
    const int64_t seconds = counted / periodsPerSecond;
    if (seconds == 0) return;
    clock_.playSeconds.fetch_add(int(seconds), relaxed);
    const int64_t clockSeconds = clock_.seconds.load(relaxed) + seconds;
    clock_.minutes.fetch_add(int(clockSeconds / 60), relaxed);
    clock_.seconds.store(int(clockSeconds % 60), relaxed);
    secondTicked_.store(true, relaxed);
}

int64_t Sequencer::periodsBeforeDue(const TrackState& state, int64_t limit) {
    // The very comparison stepTrack makes, so a due time that is not a number counts as due.
    auto waits = [&state](int64_t periods) {
        return state.trackTime + double(periods) * timerPeriod < state.dueTime;
    };
    if (!waits(0)) return 0;
    const double gap = (state.dueTime - state.trackTime) / timerPeriod;
    if (!(gap < double(limit))) return limit;
    // The difference is exact (the track time is a whole number of milliseconds, on the due time's grid)
    // and the division rounds correctly: a gap past k whole periods is at least one step of its precision
    // past them, which divides to more than k, so the ceiling is the first period that reaches the due time.
    return std::min(int64_t(std::ceil(gap)), limit);
}

int64_t Sequencer::idlePeriods(int64_t limit) const {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    bool anyTrackLives = false;  // and with a limit of 0 or less, none is looked at
    int64_t idle = limit;
    for (int track = 0; track < song_.trackCount() && idle > 0; ++track) {
        if (song_.trackPosition(track) == 0) continue;
        anyTrackLives = true;
        const TrackState& state = tracks_[size_t(track)];
        // A track yet to read its first delta-time has nothing due yet, but reading it is work of a period.
        if (!state.deltaTaken || !filter_.periodEndIsIdle(state.trackStatus)) return 0;
        idle = periodsBeforeDue(state, idle);
    }
    return anyTrackLives ? idle : 0;
}

void Sequencer::passIdlePeriods(int64_t count) {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    advanceClockBy(count);
    for (int track = 0; track < song_.trackCount(); ++track)
        if (song_.trackPosition(track) != 0) tracks_[size_t(track)].trackTime += double(count) * timerPeriod;
}

bool Sequencer::stepTracks() {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    bool anyTrackRan = false;
    for (int track = 0; track < song_.trackCount(); ++track) {
        if (song_.trackPosition(track) == 0) continue;
        stepTrack(track);
        anyTrackRan = true;
    }
    return anyTrackRan;
}

void Sequencer::stepTrack(int track) {
    TrackState& state = tracks_[size_t(track)];
    int64_t p = song_.trackPosition(track);
    auto endTrack = [&] { song_.setTrackPosition(track, 0); };

    for (;;) {
        if (!state.deltaTaken) {
            if (p >= song_.trackEnd(track)) return endTrack();
            const VarLen delta = readVarLen(song_, p);
            if (!delta.ok) return endTrack();
            p = delta.next;
            state.deltaTaken = true;
            state.dueTime += delta.value * msPerQuarter_ / song_.division();
        }
        if (state.trackTime < state.dueTime) break;

        // Past the image's end the byte reads 0, which no event can start with enough bytes after it.
        const uint8_t byte = song_.byteAt(p);
        if (byte == midi::metaEvent) {
            bool endOfTrack = false;
            p = playMetaEvent(p + 1, endOfTrack);
            if (p < 0 || endOfTrack) return endTrack();
            state.runningStatusValid = false;
        } else if (midi::isSysExStatus(byte)) {
            p = playSysEx(p);
            if (p < 0) return endTrack();
            state.runningStatusValid = false;
        } else if (byte < 0x80 && state.runningStatusValid) {
            p = playChannelMessage(track, p);
            if (p < 0) return endTrack();
        } else if (byte >= 0x80 && byte <= 0xEF) {
            state.trackStatus = byte;
            p = playChannelMessage(track, p + 1);
            if (p < 0) return endTrack();
            state.runningStatusValid = true;
        }
        // Anything else is not an event: the byte is read again as the next delta-time.
        state.deltaTaken = false;
    }

    state.trackTime += timerPeriod;
    filter_.trackPeriodEnded(state.trackStatus);
    song_.setTrackPosition(track, int32_t(p));
}

int64_t Sequencer::playMetaEvent(int64_t typePos, bool& endOfTrack) {
    if (!song_.contains(typePos)) return -1;
    const uint8_t type = song_.byteAt(typePos);
    if (type == midi::metaEndOfTrack) {
        endOfTrack = true;
        return typePos;
    }
    if (type == midi::metaTempo && typePos != lastTempoPos_) {
        if (!song_.contains(typePos + 4)) return -1;
        lastTempoPos_ = int32_t(typePos);
        const uint32_t micros = uint32_t(song_.byteAt(typePos + 2)) << 16 |
                                uint32_t(song_.byteAt(typePos + 3)) << 8 | song_.byteAt(typePos + 4);
        const double ms = micros * 0.001;
        if (fastForward_.load(relaxed))
            pendingTempo_ = ms;
        else
            applyTempoLocked(false, ms);
        return typePos + 5;
    }
    const VarLen length = readVarLen(song_, typePos + 1);
    if (!length.ok) return -1;
    const int64_t next = length.next + length.value;
    if (next > song_.size()) return -1;
    if ((type == lyricType_ && lyricType_ != 0) || (everyText_ && midi::isTextMeta(type))) {
        if (silent_)
            lyrics_.passOver(int32_t(typePos));
        else
            lyrics_.push(int32_t(typePos));
    }
    return next;
}

int64_t Sequencer::playSysEx(int64_t statusPos) {
    const VarLen length = readVarLen(song_, statusPos + 1);
    if (!length.ok) return -1;
    const int64_t data = length.next;
    const int64_t next = data + length.value;
    if (next > song_.size()) return -1;
    // The staging buffer holds the status byte and up to 1023 data bytes; a longer SysEx is skipped
    // whole rather than sent cut off.
    if (length.value < sysexStaging_.size()) {
        sysexStaging_[0] = song_.byteAt(statusPos);
        // Byte by byte through the array's subscript, which a checked build bounds.
        for (uint32_t i = 0; i < length.value; ++i) sysexStaging_[i + 1] = song_.byteAt(data + i);
        out_.sendLongMessage(sysexStaging_.data(), length.value + 1);
    }
    if (length.value == 5 && song_.byteAt(data) == 0x7E) gmSystemOnSeen_.store(true, relaxed);
    return next;
}

int64_t Sequencer::playChannelMessage(int track, int64_t dataPos) {
    const uint8_t status = tracks_[size_t(track)].trackStatus;
    const bool oneDataByte = midi::hasOneDataByte(status);
    const int64_t next = dataPos + (oneDataByte ? 1 : 2);
    if (next > song_.size()) return -1;
    ChannelMessage message;
    message.status = status;
    message.data1 = song_.byteAt(dataPos);
    message.data2 = oneDataByte ? 0 : song_.byteAt(dataPos + 1);
    filter_.processChannelMessage(track, message);
    return next;
}

void Sequencer::setTempo(bool quiet, double ms) {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    applyTempoLocked(quiet, ms);
}

void Sequencer::applyTempoLocked(bool quiet, double ms) {
    for (int track = 0; track < song_.trackCount(); ++track) {
        TrackState& state = tracks_[size_t(track)];
        if (state.trackTime >= state.dueTime) continue;
        // After a tempo of 0 nothing waits any more, so there is no wait to stretch.
        state.dueTime = msPerQuarter_ > 0.0
                            ? state.trackTime + (state.dueTime - state.trackTime) * ms / msPerQuarter_
                            : state.trackTime;
    }
    msPerQuarter_ = ms;
    if (!quiet) tempoChanged_.store(1, relaxed);
}

double Sequencer::msPerQuarter() const {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    return msPerQuarter_;
}

bool Sequencer::pressFastForward() {
    if (fastForward_.load(relaxed) || displayTempo_.load(relaxed) >= fastForwardTempoLimit) return false;
    std::lock_guard<std::mutex> lock(tempoMutex_);
    pendingTempo_ = 0.0;
    applyTempoLocked(true, fastForwardMsPerQuarter);
    fastForward_.store(true, relaxed);
    return true;
}

void Sequencer::releaseFastForward() {
    if (!fastForward_.load(relaxed)) return;
    std::lock_guard<std::mutex> lock(tempoMutex_);
    if (pendingTempo_ == 0.0)
        applyShownTempoLocked();
    else
        applyTempoLocked(false, pendingTempo_);
    fastForward_.store(false, relaxed);
}

void Sequencer::endFastForwardAtStop() {
    std::lock_guard<std::mutex> lock(tempoMutex_);
    applyShownTempoLocked();
    fastForward_.store(false, relaxed);
}

// The read-out already shows this tempo, so it is not redrawn.
void Sequencer::applyShownTempoLocked() {
    applyTempoLocked(true, 60000.0 / std::max(1, displayTempo_.load(relaxed)));
}

TickReport Sequencer::takeTickReport() {
    TickReport report;
    int told = 2;
    if (tempoChanged_.compare_exchange_strong(told, 0, relaxed)) {
        // The read-out shows whole beats per minute of the tempo truncated to whole milliseconds.
        const int wholeMs = std::max(1, int(msPerQuarter()));
        displayTempo_.store(60000 / wholeMs, relaxed);
        report.tempoRedraw = true;
    }
    report.displayTempo = displayTempo_.load(relaxed);
    if (secondTicked_.exchange(false, relaxed)) {
        report.clockRedraw = true;
        report.clockMinutes = clock_.minutes.load(relaxed);
        report.clockSeconds = clock_.seconds.load(relaxed);
    }
    report.metersLive = metersLive_.load(relaxed);
    return report;
}

void Sequencer::clearTickFlags() {
    metersLive_.store(false, relaxed);
    tempoChanged_.store(0, relaxed);
    secondTicked_.store(false, relaxed);
    songEnded_.store(false, relaxed);
}

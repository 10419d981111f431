#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "playback/FileRecordingMidiOut.h"
#include "playback/PlayTimeStampingTimer.h"
#include "playback/ShortMessageFailures.h"
#include "playback/SilentMidiOut.h"
#include "playback/win32/MultimediaTimer.h"
#include "playback/win32/WinmmMidiOut.h"

// The MIDI output and the timer the command line chose: the MIDI mapper (without /out), a silent output
// (/out:null), or a recording file whose lines carry the play time the timer has reached
// (/out:record=FILE).
class ProgramOutput {
  public:
    ProgramOutput(MidiOutputChoice choice, const std::string& recordPath);

    MidiOut& out();
    PlaybackTimer& timer();
    ShortMessageFailures& failures() { return failures_; }
    // Where a replayed input's times count from: the recording's start when recording, else now.
    int64_t inputOrigin() const;
    // Opens the chosen output at start-up; the text to show when it cannot be opened.
    std::optional<std::string> open();
    // Another device of the system, or the mapper for -1, in place of the one open (while no song plays).
    // False when it cannot be opened. The silent and recording outputs have nothing to change.
    bool reopen(int device);
    // The end, in two steps around the freeing of the song: the timer stops and the device is reset (its
    // SysEx buffers unprepared) while the window still holds the song; then the device is closed or the
    // recording put in its place, and what went wrong in either step is shown. close() is false when the
    // recording could not be written whole: the program then ends with exit code 1.
    void stopAndReset();
    bool close();

  private:
    MidiOutputChoice choice_;
    std::string recordPath_;
    ShortMessageFailures failures_;
    WinmmMidiOut mapper_{failures_};
    SilentMidiOut silent_;
    std::unique_ptr<FileRecordingMidiOut> recording_;
    MultimediaTimer timer_;
    std::unique_ptr<PlayTimeStampingTimer> stampingTimer_;
    std::vector<CloseFailure> closeFailures_;
};

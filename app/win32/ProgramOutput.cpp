#include "app/win32/ProgramOutput.h"

#include "app/Messages.h"
#include "platform/win32/DialogPlumbing.h"

ProgramOutput::ProgramOutput(MidiOutputChoice choice, const std::string& recordPath)
    : choice_(choice), recordPath_(recordPath) {
    if (choice_ != MidiOutputChoice::recordToFile) return;
    recording_ = std::make_unique<FileRecordingMidiOut>(recordPath_);
    stampingTimer_ = std::make_unique<PlayTimeStampingTimer>(timer_, *recording_);
}

int64_t ProgramOutput::inputOrigin() const {
    return recording_ ? recording_->openedAt() : FileRecordingMidiOut::steadyMicroseconds();
}

MidiOut& ProgramOutput::out() {
    switch (choice_) {
        case MidiOutputChoice::silent:
            return silent_;
        case MidiOutputChoice::recordToFile:
            return *recording_;
        case MidiOutputChoice::midiMapper:
            break;
    }
    return mapper_;
}

PlaybackTimer& ProgramOutput::timer() {
    if (stampingTimer_) return *stampingTimer_;
    return timer_;
}

std::optional<std::string> ProgramOutput::open() {
    switch (choice_) {
        case MidiOutputChoice::silent:
            return std::nullopt;
        case MidiOutputChoice::recordToFile:
            if (recording_->isOpen()) return std::nullopt;
            return recordFileFailedMessage(recordPath_);
        case MidiOutputChoice::midiMapper:
            break;
    }
    const DeviceError error = mapper_.openMidiOut();
    if (error == DeviceError::none) return std::nullopt;
    return openFailureText(error, mapper_.openFailureText());
}

bool ProgramOutput::reopen(int device) {
    if (choice_ != MidiOutputChoice::midiMapper) return true;
    closeFailures_ = mapper_.closeMidiOut();
    return mapper_.openMidiOut(device) == DeviceError::none;
}

void ProgramOutput::stopAndReset() {
    timer_.stop();
    closeFailures_ = mapper_.resetMidiOut();
}

bool ProgramOutput::close() {
    const std::vector<CloseFailure> closing = mapper_.closeMidiOut();
    closeFailures_.insert(closeFailures_.end(), closing.begin(), closing.end());
    for (const CloseFailure& failure : closeFailures_) {
        const std::string text = closeFailureText(failure);
        if (!text.empty()) showMessage(nullptr, text, "Error");
    }
    closeFailures_.clear();
    // A recording that could not be started was said at the start.
    if (!recording_ || !recording_->isOpen() || recording_->finish()) return true;
    showMessage(nullptr, recordFileFailedMessage(recordPath_), "Error");
    return false;
}

#include "playback/win32/WinmmMidiOut.h"

#include "platform/win32/WideText.h"

namespace {
DeviceError deviceErrorOf(MMRESULT result) {
    switch (result) {
        case MMSYSERR_NOERROR:
            return DeviceError::none;
        case MMSYSERR_INVALHANDLE:
            return DeviceError::invalidHandle;
        case MIDIERR_NOTREADY:
            return DeviceError::notReady;
        case MIDIERR_STILLPLAYING:
            return DeviceError::stillPlaying;
        default:
            return DeviceError::other;
    }
}
}  // namespace

WinmmMidiOut::~WinmmMidiOut() {
    closeMidiOut();
}

DeviceError WinmmMidiOut::openMidiOut(int device) {
    openFailureText_.clear();
    if (midiOutGetNumDevs() == 0) return DeviceError::noDevice;
    const UINT id = device < 0 ? MIDI_MAPPER : UINT(device);
    const MMRESULT result = midiOutOpen(&handle_, id, 0, 0, CALLBACK_NULL);
    if (result != MMSYSERR_NOERROR) {
        wchar_t text[256] = {};
        midiOutGetErrorTextW(result, text, 256);
        openFailureText_ = narrow(text);
        handle_ = nullptr;
        return deviceErrorOf(result);
    }
    open_ = true;
    return DeviceError::none;
}

void WinmmMidiOut::ensureLongMessageHeaders() {
    std::lock_guard<std::mutex> lock(longMutex_);
    if (headersPrepared_ || !open_) return;
    for (int buffer = 0; buffer < LongMessageRing::bufferCount; ++buffer) {
        MIDIHDR& header = headers_[size_t(buffer)];
        header = MIDIHDR{};
        header.lpData = reinterpret_cast<LPSTR>(ring_.data(buffer));
        header.dwBufferLength = DWORD(longMessageCapacity);
        midiOutPrepareHeader(handle_, &header, sizeof(MIDIHDR));
    }
    headersPrepared_ = true;
}

bool WinmmMidiOut::doneWith(int buffer) const {
    // The driver sets the done flag from its own thread.
    const volatile DWORD& flags = headers_[size_t(buffer)].dwFlags;
    return flags & MHDR_DONE;
}

bool WinmmMidiOut::send(int buffer, size_t count) {
    MIDIHDR& header = headers_[size_t(buffer)];
    header.dwBufferLength = DWORD(count);
    header.dwBytesRecorded = DWORD(count);
    header.dwFlags &= ~(MHDR_DONE | MHDR_INQUEUE);
    return midiOutLongMsg(handle_, &header, sizeof(MIDIHDR)) == MMSYSERR_NOERROR;
}

bool WinmmMidiOut::waitUntilDone(int buffer) const {
    // A 1 KiB SysEx takes about a third of a second at MIDI speed; give the device a generous bound.
    for (int waited = 0; ring_.sent(buffer) && !doneWith(buffer); ++waited) {
        if (waited >= 2000) return false;
        Sleep(1);
    }
    return true;
}

void WinmmMidiOut::deliverLongMessage(const uint8_t* bytes, size_t count) {
    ensureLongMessageHeaders();
    std::lock_guard<std::mutex> lock(longMutex_);
    if (headersPrepared_) ring_.send(*this, bytes, count);
}

DeviceError WinmmMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const DWORD word = DWORD(status) | DWORD(data1) << 8 | DWORD(data2) << 16;
    const DeviceError error = deviceErrorOf(midiOutShortMsg(handle_, word));
    if (error != DeviceError::none) failures_.record(error);
    return error;
}

void WinmmMidiOut::releaseLongMessageHeaders() {
    std::lock_guard<std::mutex> lock(longMutex_);
    if (!headersPrepared_) return;
    for (int buffer = 0; buffer < LongMessageRing::bufferCount; ++buffer) {
        waitUntilDone(buffer);
        midiOutUnprepareHeader(handle_, &headers_[size_t(buffer)], sizeof(MIDIHDR));
    }
    ring_.forgetSent();
    headersPrepared_ = false;
}

std::vector<CloseFailure> WinmmMidiOut::resetMidiOut() {
    std::vector<CloseFailure> failures;
    if (!open_ || reset_) return failures;
    const DeviceError reset = deviceErrorOf(midiOutReset(handle_));
    if (reset == DeviceError::invalidHandle) failures.push_back({CloseFailure::reset, reset});
    releaseLongMessageHeaders();
    reset_ = true;
    return failures;
}

std::vector<CloseFailure> WinmmMidiOut::closeMidiOut() {
    std::vector<CloseFailure> failures = resetMidiOut();
    if (!open_) return failures;
    releaseLongMessageHeaders();  // a SysEx sent after the reset has prepared them again
    const DeviceError closed = deviceErrorOf(midiOutClose(handle_));
    if (closed == DeviceError::invalidHandle || closed == DeviceError::stillPlaying)
        failures.push_back({CloseFailure::close, closed});
    open_ = false;
    reset_ = false;
    handle_ = nullptr;
    return failures;
}

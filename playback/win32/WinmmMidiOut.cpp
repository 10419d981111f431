#include "playback/win32/WinmmMidiOut.h"

#include <cstring>

#include "app/win32/WideText.h"

WinmmMidiOut::~WinmmMidiOut() {
    closeMidiOut();
}

bool WinmmMidiOut::openMidiOut(std::string& errorText) {
    if (midiOutGetNumDevs() == 0) {
        errorText = "MIDI出力デバイスがありません";
        return false;
    }
    const MMRESULT result = midiOutOpen(&handle_, MIDI_MAPPER, 0, 0, CALLBACK_NULL);
    if (result != MMSYSERR_NOERROR) {
        wchar_t text[256] = {};
        midiOutGetErrorTextW(result, text, 256);
        errorText = narrow(text);
        handle_ = nullptr;
        return false;
    }
    open_ = true;
    return true;
}

void WinmmMidiOut::ensureLongMessageHeaders() {
    std::lock_guard<std::mutex> lock(longMutex_);
    if (!buffers_.empty() || !open_) return;
    buffers_.resize(bufferCount);
    for (LongBuffer& buffer : buffers_) {
        buffer.header.lpData = buffer.data.data();
        buffer.header.dwBufferLength = DWORD(buffer.data.size());
        midiOutPrepareHeader(handle_, &buffer.header, sizeof(MIDIHDR));
    }
}

bool WinmmMidiOut::isFree(const LongBuffer& buffer) {
    // The driver sets the done flag from its own thread.
    const volatile DWORD& flags = buffer.header.dwFlags;
    return !buffer.sent || (flags & MHDR_DONE);
}

bool WinmmMidiOut::waitUntilDone(LongBuffer& buffer) {
    // A 1 KiB SysEx takes about a third of a second at MIDI speed; give the device a generous bound.
    for (int waited = 0; !isFree(buffer); ++waited) {
        if (waited >= 2000) return false;
        Sleep(1);
    }
    return true;
}

void WinmmMidiOut::sendLongMessage(const uint8_t* bytes, size_t count) {
    if (count == 0 || count > longMessageCapacity) return;
    ensureLongMessageHeaders();
    std::lock_guard<std::mutex> lock(longMutex_);
    if (buffers_.empty()) return;
    // Called from the timer thread too, which must never wait for the device: a SysEx finding every
    // buffer still on its way out is dropped rather than overwrite one or stall playback.
    for (int tried = 0; tried < bufferCount; ++tried) {
        LongBuffer& buffer = buffers_[size_t(nextBuffer_)];
        nextBuffer_ = (nextBuffer_ + 1) % bufferCount;
        if (!isFree(buffer)) continue;
        std::memcpy(buffer.data.data(), bytes, count);
        buffer.header.dwBufferLength = DWORD(count);
        buffer.header.dwBytesRecorded = DWORD(count);
        buffer.header.dwFlags &= ~(MHDR_DONE | MHDR_INQUEUE);
        buffer.sent = midiOutLongMsg(handle_, &buffer.header, sizeof(MIDIHDR)) == MMSYSERR_NOERROR;
        return;
    }
}

int WinmmMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const DWORD word = DWORD(status) | DWORD(data1) << 8 | DWORD(data2) << 16;
    const MMRESULT result = midiOutShortMsg(handle_, word);
    if (result != MMSYSERR_NOERROR) failures_.record(int(result));
    return int(result);
}

void WinmmMidiOut::releaseLongMessageHeaders() {
    std::lock_guard<std::mutex> lock(longMutex_);
    for (LongBuffer& buffer : buffers_) {
        waitUntilDone(buffer);
        midiOutUnprepareHeader(handle_, &buffer.header, sizeof(MIDIHDR));
    }
    buffers_.clear();
}

std::vector<std::string> WinmmMidiOut::closeMidiOut() {
    std::vector<std::string> errors;
    if (!open_) return errors;
    if (midiOutReset(handle_) == MMSYSERR_INVALHANDLE)
        errors.push_back("midiOutReset:(MIDIOutDirectClose())指定されたデバイスハンドルが無効.");
    releaseLongMessageHeaders();
    const MMRESULT closed = midiOutClose(handle_);
    if (closed == MMSYSERR_INVALHANDLE) errors.push_back("midiOutClose:指定されたデバイスハンドルが無効.");
    if (closed == MIDIERR_STILLPLAYING) errors.push_back("midiOutClose:バッファがまだキューに残っている.");
    open_ = false;
    handle_ = nullptr;
    return errors;
}

#include "playback/win32/WinmmMidiIn.h"

#include "platform/win32/WideText.h"

namespace {
std::string errorText(MMRESULT result) {
    wchar_t text[MAXERRORLENGTH] = {};
    if (midiInGetErrorTextW(result, text, MAXERRORLENGTH) != MMSYSERR_NOERROR) return "";
    return narrow(text);
}
}  // namespace

std::vector<std::string> WinmmMidiIn::deviceNames() {
    std::vector<std::string> names;
    const UINT count = midiInGetNumDevs();
    for (UINT device = 0; device < count; ++device) {
        MIDIINCAPSW caps = {};
        const bool named = midiInGetDevCapsW(device, &caps, sizeof caps) == MMSYSERR_NOERROR;
        names.push_back(named ? narrow(caps.szPname) : "MIDI " + std::to_string(device + 1));
    }
    return names;
}

std::optional<std::string> WinmmMidiIn::open(int device, MidiInputSink& sink) {
    close();
    sink_ = &sink;
    MMRESULT result = midiInOpen(&handle_, UINT(device), DWORD_PTR(&WinmmMidiIn::onInput), DWORD_PTR(this),
                                 CALLBACK_FUNCTION);
    if (result == MMSYSERR_NOERROR) {
        result = midiInStart(handle_);
        if (result == MMSYSERR_NOERROR) return std::nullopt;
        midiInClose(handle_);
    }
    handle_ = nullptr;
    return errorText(result);
}

// Reset returns once the driver calls back no more; an unplugged device's errors are not worth a word here.
void WinmmMidiIn::close() {
    if (!handle_) return;
    midiInStop(handle_);
    midiInReset(handle_);
    midiInClose(handle_);
    handle_ = nullptr;
}

void CALLBACK WinmmMidiIn::onInput(HMIDIIN, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR) {
    if (message != MIM_DATA) return;
    const uint8_t bytes[3] = {uint8_t(param1), uint8_t(param1 >> 8), uint8_t(param1 >> 16)};
    reinterpret_cast<WinmmMidiIn*>(instance)->sink_->receive(bytes, shortMessageLength(bytes[0]));
}

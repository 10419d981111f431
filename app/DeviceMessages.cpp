#include "app/DeviceMessages.h"

std::string playbackFailureText(DeviceError error) {
    switch (error) {
        case DeviceError::invalidHandle:
            return "指定されたデバイスハンドルが無効です";
        case DeviceError::notReady:
            return "ハードウェアはほかのデータ処理を行っています";
        default:
            return {};
    }
}

std::string openFailureText(DeviceError error, const std::string& platformText) {
    return error == DeviceError::noDevice ? "MIDI出力デバイスがありません" : platformText;
}

std::string closeFailureText(const CloseFailure& failure) {
    if (failure.call == CloseFailure::reset)
        return failure.error == DeviceError::invalidHandle
                   ? "midiOutReset:(MIDIOutDirectClose())指定されたデバイスハンドルが無効."
                   : std::string();
    switch (failure.error) {
        case DeviceError::invalidHandle:
            return "midiOutClose:指定されたデバイスハンドルが無効.";
        case DeviceError::stillPlaying:
            return "midiOutClose:バッファがまだキューに残っている.";
        default:
            return {};
    }
}

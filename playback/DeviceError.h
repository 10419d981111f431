#pragma once

// Why the MIDI output refused something. The device's own half turns its platform codes into these; the
// window turns these into the texts it shows.
enum class DeviceError {
    none,
    noDevice,       // no output device at all
    invalidHandle,  // the device is gone
    notReady,       // the device is busy with other data
    stillPlaying,   // closed while a buffer was still queued
    other,          // a failure the program does not tell the user about while playing
};

// A failure while closing the device: which call failed, and why.
struct CloseFailure {
    enum Call { reset, close };
    Call call = close;
    DeviceError error = DeviceError::other;
};

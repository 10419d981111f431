#pragma once
#include <string>

#include "playback/DeviceError.h"

// The texts the program shows for the MIDI output's failures.

// A send failing while a song plays (shown once per playback).
std::string playbackFailureText(DeviceError error);
// The output could not be opened at start-up; platformText is Windows' own description.
std::string openFailureText(DeviceError error, const std::string& platformText);
// A failure while closing the device at the end (caption "Error"); empty for failures not reported.
std::string closeFailureText(const CloseFailure& failure);

#pragma once
#include <string>

#include "effects/EffectTimeQuestion.h"
#include "generators/GeneratorError.h"
#include "images/FileDialogFailure.h"
#include "images/ImageError.h"
#include "images/PluginResult.h"
#include "playback/DeviceError.h"

// The program's texts for what it refuses and what went wrong, shown by the window and printed by
// velmira-render: each written once, here, as the user has always read it. A text that depends on a value
// is a function of it; empty where the failure is silent. (A song's read failure, songReadFailureText, is
// declared beside the file data it words.)

// The MIDI output. A send failing while a song plays (shown once per playback):
std::string playbackFailureText(DeviceError error);
// The output could not be opened at start-up; platformText is Windows' own description.
std::string openFailureText(DeviceError error, const std::string& platformText);
// A failure while closing the device at the end (caption "Error"); empty for failures not reported.
std::string closeFailureText(const CloseFailure& failure);

// "効果時間" refused.
std::string effectTimeRefusalText(EffectTimeRefusal refusal);

// Pictures that cannot be read or composed, and a composition's progress while it runs.
std::string previewFailureText(ImageError error);
std::string composeFailureText(ImageError error);
std::string conversionProgressText(int percent);
// An image plug-in gave no picture: the published GetPicture codes -1 to 8 each have their own text, every
// other value "不明なエラー".
std::string pluginFailureText(const PluginResult& result);

// A sound generator made no song.
std::string generatorFailureText(GeneratorError error);

// The open dialog's message boxes; handed to the dialog as its FileDialogWording.
std::string fileDialogFailureText(const FileDialogFailure& failure);
// A file the user named is not there.
std::string missingFileText(const std::string& path);

// The MIDI devices: a saved output that gives way to the mapper, an input that cannot be opened.
std::string midiOutFallbackText(const std::string& name);
std::string midiInputFailureText(const std::string& systemText);

// The skin at start-up: its pictures missing or unreadable, the chosen face given up for the program's own,
// and that one missing too (the program ends).
extern const char* const buttonSheetMissingText;
extern const char* const buttonSheetUnreadableText;
extern const char* const maskMissingText;
extern const char* const maskUnreadableText;
extern const char* const faceUnreadableText;
std::string chosenFaceMissingText(const std::string& path);
std::string ownFaceMissingText(const std::string& path);

// Deleting the settings failed: where they could be reached, and where they could not.
extern const char* const settingsDeleteFailedText;
extern const char* const settingsUnreachableText;

// The song list ("選曲").
extern const char* const whilePlayingText;
extern const char* const whileLoopingText;
extern const char* const playOnceNeededText;
extern const char* const songListClearedText;
// A song-list mode found no entry that leaves a song to play.
extern const char* const noPlayableSongText;

// The timer would not start.
extern const char* const timerRefusedText;
// "次の曲"/"前の曲" and the loop need a list of two songs or more.
extern const char* const needsTwoSongsText;

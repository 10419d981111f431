#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "images/win32/CFileIconDlg.h"
#include "images/win32/SusiePlugins.h"
#include "playback/MidiOut.h"
#include "playback/PlaybackTimer.h"

// "ファイルを開く": the open dialog in its MIDI mode, starting in |folder|, where the selected song can be
// listened to through the main window's device. The main player is stopped whenever this runs.
std::optional<ChosenFile> chooseSongWithPreview(HWND owner, const std::string& filter,
                                                const std::string& folder, MidiOut& out,
                                                PlaybackTimer& previewTimer, PreviewChecks& checks);

// "背景画変更": the open dialog in its background mode, starting in |folder|, with the picture previewed.
// The chosen picture is read again and composed by the caller, which brings the dialog back on a failure.
std::optional<ChosenFile> choosePictureWithPreview(HWND owner, const SusiePlugins& plugins,
                                                   const std::string& folder, PreviewChecks& checks);

#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "images/win32/CFileIconDlg.h"

// "ファイルを開く": the open dialog in its MIDI mode, where the selected song can be listened to through
// the main window's device. The main player is stopped whenever this runs.
std::optional<ChosenFile> chooseSongWithPreview(HWND owner, const std::string& filter, MidiOut& out,
                                                PlaybackTimer& previewTimer, PreviewChecks& checks);

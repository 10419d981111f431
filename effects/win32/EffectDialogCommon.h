#pragma once
#include <windows.h>

#include <string>

#include "effects/ScrollCode.h"

// What the two modeless effect dialogs send their parent, synchronously and with both parameters 0. The
// parent reads the dialog's choice from the dialog object while it handles a try.
constexpr UINT keySignatureTryMessage = WM_USER + 100;      // "試行" of the key-signature dialog
constexpr UINT pitchMapTryMessage = WM_USER + 101;          // "試行" of the pitch dialog
constexpr UINT effectDialogClosingMessage = WM_USER + 105;  // "終了" of either, before its window goes

// Puts a dialog in the middle of its parent's window.
void centreOver(HWND dialog, HWND parent);
// Turns the scroll-bar code of a WM_HSCROLL into the dialogs' own.
ScrollCode scrollCodeOf(WPARAM wParam);
// The position of a WM_HSCROLL's thumb, negative ones included.
int draggedPositionOf(WPARAM wParam);
void setItemText(HWND dialog, int id, const std::string& utf8);

#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// Every dialog of the program calls this as it opens. Its texts get the room the font on this system needs:
// where the font that the template names is missing and its stand-in draws a text wider than its control,
// the dialog and all its controls are stretched across by the same factor, so that rows and columns stay
// aligned; where every text fits, as with the named font, nothing moves. Then the dialog is put in the
// middle of |owner|'s window, kept on owner's screen.
// |laterTexts| are texts a control shows later (control id, UTF-8 text), which get their room now too.
using LaterTexts = std::vector<std::pair<int, std::string>>;
void fitAndCentreDialog(HWND dialog, HWND owner, const LaterTexts& laterTexts = {});
// Only the placing, for a dialog the system lays out itself (the open dialog).
void centreDialogOver(HWND dialog, HWND owner);

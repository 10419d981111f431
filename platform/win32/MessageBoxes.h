#pragma once
#include <windows.h>

#include <string>

// The program's message boxes: an OK button, the exclamation icon, and the program file's base name as
// the caption, as users of this kind of program know them.
void showMessage(HWND owner, const std::string& text);
// The same box with the information icon, for what was done as asked.
void showInformation(HWND owner, const std::string& text);
// A box with its own caption (the device errors at close use "Error").
void showMessage(HWND owner, const std::string& text, const std::string& caption);
std::wstring programBaseName();

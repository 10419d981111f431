#pragma once
#include <string>

// The program's own file: where it lies, what it is called, and where the libraries it loads may come
// from.

// The folder velmira.exe lies in, without a closing backslash: the skin files, the help and the program's
// own image plug-ins sit there, wherever the program was started from.
std::wstring programFolder();
// The program file's name without its folder and extension, the caption of the program's message boxes.
std::wstring programBaseName();

// Start-up: the libraries the program and its image plug-ins load are looked for only in the system
// folders and the program's own folder. The current folder (where the open dialogs leave the user's songs
// and pictures) and the PATH are no longer searched, so a library planted beside a song is never loaded.
void restrictDllSearchPath();

// The process's current folder, as Windows gives it (a closing backslash only at a drive's root); empty
// when Windows cannot tell it.
std::wstring currentFolder();

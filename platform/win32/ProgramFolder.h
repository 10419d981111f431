#pragma once
#include <string>

// The folder velmira.exe lies in, without a closing backslash: the skin files, the help and the program's
// own image plug-ins sit there, wherever the program was started from.
std::wstring programFolder();
// The process's current folder, as Windows gives it (a closing backslash only at a drive's root); empty
// when Windows cannot tell it.
std::wstring currentFolder();

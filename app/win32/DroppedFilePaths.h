#pragma once
#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include <string>
#include <vector>

// The paths of the files of a WM_DROPFILES, in UTF-8 and in the order Windows gives them. The caller
// still owns the drop (DragFinish).
std::vector<std::string> droppedFilePaths(HDROP drop);

#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <optional>
#include <string>

// The common open dialog for one file, with a filter in the "description|pattern|" form; nothing when
// cancelled.
std::optional<std::string> chooseFileToOpen(HWND owner, const std::string& filter,
                                            DWORD options = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);

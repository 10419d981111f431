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

// The common save dialog, starting in |folder|: |defaultExtension| is added to a name typed without one,
// and replacing an existing file is confirmed by the user first.
std::optional<std::string> chooseFileToSave(HWND owner, const std::string& filter, const std::string& folder,
                                            const std::string& defaultExtension);

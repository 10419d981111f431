#pragma once
#include <optional>
#include <string>

// The dialogs the main window's rules open. Each returns what the user chose, or nothing when the dialog
// was cancelled. A later dialog adds one method here, its Win32 half in app/win32 and its answer in the
// tests' scripted port.
class DialogPort {
  public:
    virtual ~DialogPort() = default;
    // The open-file dialog with a filter in the "description|pattern|" form, starting in |folder|.
    virtual std::optional<std::string> chooseSongFile(const std::string& filter,
                                                      const std::string& folder) = 0;
};

#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A whole file read into memory, or why it could not be.
struct FileData {
    enum Status { ok, notFound, readError };
    Status status = notFound;
    std::vector<uint8_t> bytes;
};

// What the main window's rules ask of the platform: message boxes, the file dialog, files, the title,
// the window's size. The Win32 window implements it; tests implement it with scripted answers.
// Paths and texts are UTF-8.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
    virtual void showMessage(const std::string& text) = 0;
    // The open-file dialog with a filter in the "description|pattern|" form; nothing when cancelled.
    virtual std::optional<std::string> chooseSongFile(const std::string& filter) = 0;
    virtual FileData readFile(const std::string& path) = 0;
    // Where a skin file lies: the program's own folder first, then the current folder. A path with a
    // folder in it is taken as it is. Nothing when it is in neither.
    virtual std::optional<std::string> findSkinFile(const std::string& name) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    virtual void postClose() = 0;
    // Large view: the whole face; compact view: only the caption and the menu bar.
    virtual void resizeForView(bool large) = 0;
    virtual void invalidateFace() = 0;
};

#pragma once
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "effects/EffectHost.h"
#include "images/DibImage.h"
#include "images/PluginResult.h"
#include "tones/ToneChanger.h"

// The dialogs the main window's rules open: the files by kind, the effect dialogs and the tone dialog (the
// parts below app/ see only their own share of these), and the help. Each returns what the user chose, or
// nothing when the dialog was cancelled. Filters are in the "description|pattern|" form; paths are UTF-8.
class Dialogs : public EffectDialogPort, public ToneDialogPort {
  public:
    // "ファイルを開く": the open dialog for songs, starting in |folder|, where a song can be listened to.
    virtual std::optional<std::string> chooseSongFile(const std::string& filter,
                                                      const std::string& folder) = 0;
    // "背景画変更": the open dialog for pictures (those the plug-ins read too), starting in |folder|, which
    // may be empty, with the picture previewed.
    virtual std::optional<std::string> choosePicture(const std::string& folder) = 0;
    // The plain open dialog (no preview) for a file that must exist: the generators' sources.
    virtual std::optional<std::string> chooseSourceFile(const std::string& filter) = 0;
    // The save dialog, starting in |folder|: |extension| (no dot) is added to a name typed without one, and
    // replacing a file is confirmed first.
    virtual std::optional<std::string> chooseFileToSave(const std::string& folder, const std::string& filter,
                                                        const std::string& extension) = 0;
    // The help at its search page; false when the file or the viewer is missing.
    virtual bool openHelpSearch() = 0;
};

// Pictures other than BMP, decoded by the image plug-ins.
class Pictures {
  public:
    virtual ~Pictures() = default;
    // Decoded by the plug-in that takes |extension| (no dot).
    virtual PluginResult decodeWithPlugins(const std::string& path, const std::string& extension,
                                           DibImage& picture) = 0;
};

// The calendar, which seeds the random sound.
class Clock {
  public:
    virtual ~Clock() = default;
    // Whole seconds since 1 January 1970, UTC.
    virtual uint32_t clockSeconds() = 0;
};

// The system's calendar, in the program and in the page alike.
class SystemClock : public Clock {
  public:
    uint32_t clockSeconds() override { return uint32_t(std::time(nullptr)); }
};

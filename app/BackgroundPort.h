#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "images/DibImage.h"
#include "images/PluginResult.h"

// What changing and saving the face's background asks of the platform. Paths and texts are UTF-8.
class BackgroundPort {
  public:
    virtual ~BackgroundPort() = default;
    // The picture that is to become the background, chosen starting in |folder| (the picture folder, which
    // may be empty); nothing when the user cancelled.
    virtual std::optional<std::string> chooseBackgroundPicture(const std::string& folder) = 0;
    // A picture other than BMP, decoded by the image plug-in that takes |extension| (no dot).
    virtual PluginResult decodeWithPlugins(const std::string& path, const std::string& extension,
                                           DibImage& picture) = 0;
    // How far the composition of a new face has got, shown while the window waits for it.
    virtual void showConversionProgress(const std::string& text) = 0;
    // The save dialog for a face file, starting in |folder|, with a "description|pattern|" filter and
    // "bmp" added to a name typed without an extension; nothing when cancelled.
    virtual std::optional<std::string> chooseFaceFileToSave(const std::string& folder,
                                                            const std::string& filter) = 0;
    // Writes the file whole or not at all: false when it could not be written completely, and then no
    // part of it is left and a file it would have replaced is unchanged.
    virtual bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) = 0;
};

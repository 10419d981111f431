#pragma once
#include "images/ImageError.h"

// GetPicture's published result codes, for the program's own plug-in and its checks of other plug-ins.
namespace getPictureResult {
constexpr int notImplemented = -1;
constexpr int success = 0;
constexpr int cancelled = 1;
constexpr int unknownFormat = 2;
constexpr int brokenData = 3;
constexpr int noMemory = 4;
constexpr int memoryError = 5;
constexpr int readError = 6;
constexpr int internalError = 8;
}  // namespace getPictureResult

// Why an image plug-in gave no picture. The window words it (app/Messages.h).
struct PluginResult {
    enum Kind {
        ok,
        noLibrary,     // no plug-in takes the file's extension
        lockFailed,    // the plug-in reported success without both of its blocks
        pluginFailed,  // GetPicture returned pluginCode
        badPicture,    // the blocks do not hold a picture the program can use: pictureError says why
    };
    Kind kind = ok;
    int pluginCode = getPictureResult::success;
    ImageError pictureError = ImageError::none;

    bool succeeded() const { return kind == ok; }
    static PluginResult failed(int code) { return {pluginFailed, code, ImageError::none}; }
    static PluginResult fromPicture(ImageError error) {
        return error == ImageError::none ? PluginResult{} : PluginResult{badPicture, 0, error};
    }
};

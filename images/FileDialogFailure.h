#pragma once
#include <string>

#include "images/ImageError.h"
#include "images/PluginResult.h"

// What went wrong in the open dialog with a preview. The window words it (app/Messages.h) and
// hands the dialog the wording, so that the dialog's boxes say what the rest of the program says.
struct FileDialogFailure {
    enum Kind {
        missingFile,     // the confirmed path names nothing: path
        pictureRefused,  // the BMP reader refused the picture: pictureError
        pluginRefused,   // no plug-in gave a picture: pluginResult
        songNotFound,    // the song to listen to has gone
        unreadable,      // the song to listen to, or the picture to show, cannot be read
        timerRefused,    // listening needs the timer, which could not be started
    };
    FileDialogFailure(Kind kind = missingFile) : kind(kind) {}

    Kind kind;
    std::string path;
    ImageError pictureError = ImageError::none;
    PluginResult pluginResult;
};

using FileDialogWording = std::string (*)(const FileDialogFailure& failure);

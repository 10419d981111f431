#include "app/BackgroundChange.h"

#include "app/Messages.h"
#include "images/FaceComposer.h"
#include "images/PreviewBmp.h"
#include "platform/Paths.h"
#include "resources/CommandIds.h"

void BackgroundChange::change() {
    if (!skin_.mask()) return;  // nothing to compose under before the start-up has read the mask
    while (const std::optional<std::string> path = dialogs_.choosePicture(pictureFolder()))
        if (makeFaceFrom(*path)) return;
}

bool BackgroundChange::makeFaceFrom(const std::string& path) {
    if (path.empty()) return false;
    DibImage picture;
    window_.setWaitCursor(true);
    std::string failure = loadPicture(path, picture);
    if (failure.empty()) {
        // The picture was confirmed: its folder is where the next one is looked for, as the dialog would
        // have it even when the composition fails.
        settings_.keepPictureFolder(folderOf(path));
        DibImage face;
        const auto progress = [&](int percent) { window_.setTitle(conversionProgressText(percent)); };
        const ImageError composed = makeFaceFromPicture(picture, *skin_.mask(), face, progress);
        window_.setTitle(songs_.windowTitle());
        if (composed == ImageError::none)
            skin_.replaceFace(std::move(face));
        else
            failure = composeFailureText(composed);
    }
    window_.setWaitCursor(false);
    if (!failure.empty()) {
        window_.showMessage(failure);
        return false;
    }
    changed_ = true;
    window_.invalidateFace();
    return true;
}

std::string BackgroundChange::loadPicture(const std::string& path, DibImage& picture) {
    const std::string extension = extensionOf(path);
    const FileStream file = files_.openFile(path);
    if (file.status == FileData::notFound) return missingFileText(path);
    if (extension == "bmp" || extension == "BMP") {
        if (file.status != FileData::ok) return pictureUnreadableText;
        return previewFailureText(readPreviewBmp(*file.in, picture));
    }
    const PluginResult decoded = pictures_.decodeWithPlugins(path, extension, picture);
    return decoded.succeeded() ? std::string() : pluginFailureText(decoded);
}

void BackgroundChange::offerToSave() {
    if (changed_ && window_.askYesNo(saveFaceQuestion)) saveFace();
}

void BackgroundChange::saveFace() {
    const std::optional<std::string> path = dialogs_.chooseFileToSave(pictureFolder(), faceFileFilter, "bmp");
    if (!path || path->empty()) return;
    window_.setWaitCursor(true);
    const bool written = files_.writeWholeFile(*path, encodeBmpFile(skin_.face()));
    window_.setWaitCursor(false);
    if (!written) {
        window_.showMessage(faceWriteFailedText);
        return;
    }
    skin_.setBackgroundPath(*path);
}

bool BackgroundMenu::handles(int id) const {
    return id == IDM_BACKGROUND_CHANGE;
}

void BackgroundMenu::run(int) {
    if (!player_.playing()) background_.change();
}

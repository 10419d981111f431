#include "app/Skin.h"

#include "app/Messages.h"

Skin::Read Skin::readPicture(const std::string& name, bool (*reader)(std::istream&, DibImage&),
                             DibImage& into) {
    const std::optional<std::string> path = files_.findBesideProgram(name);
    if (!path) return Read::notFound;
    const FileStream file = files_.openFile(*path);
    if (file.status != FileData::ok || !reader(*file.in, into)) return Read::unreadable;
    return Read::ok;
}

bool Skin::loadSprites() {
    switch (readPicture("Button.bmp", readButtonBmp, buttonSheet_)) {
        case Read::notFound:
            window_.showMessage(buttonSheetMissingText);
            return false;
        case Read::unreadable:
            window_.showMessage(buttonSheetUnreadableText);
            return false;
        case Read::ok:
            break;
    }
    DibImage mask;
    switch (readPicture("Mask.bmp", readFaceBmp, mask)) {
        case Read::notFound:
            window_.showMessage(maskMissingText);
            return false;
        case Read::unreadable:
            window_.showMessage(maskUnreadableText);
            return false;
        case Read::ok:
            break;
    }
    mask_ = makeMaskGrid(mask);
    if (!mask_) {
        window_.showMessage(maskUnreadableText);
        return false;
    }
    return true;
}

bool Skin::loadFace() {
    std::string shown = backgroundPath_;
    Read read = readPicture(shown, readFaceBmp, face_);
    if (read == Read::notFound) {
        window_.showMessage(chosenFaceMissingText(shown));
    } else if (read == Read::unreadable && shown != defaultBackground) {
        // A chosen background that has become unreadable would otherwise end every later start, since
        // the setting keeps naming it: it is treated like a missing one.
        window_.showMessage(faceUnreadableText);
    }
    // This run only: the setting keeps naming the chosen face, which may be on a drive absent just now.
    if (read != Read::ok && shown != defaultBackground) {
        shown = defaultBackground;
        read = readPicture(shown, readFaceBmp, face_);
    }
    if (read == Read::notFound) {
        window_.showMessage(ownFaceMissingText(shown));
        return false;
    }
    if (read == Read::unreadable) {
        window_.showMessage(faceUnreadableText);
        return false;
    }
    return true;
}

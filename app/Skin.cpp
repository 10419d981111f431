#include "app/Skin.h"

Skin::Read Skin::readPicture(const std::string& name, bool (*reader)(std::istream&, DibImage&),
                             DibImage& into) {
    const std::optional<std::string> path = files_.findBesideProgram(name);
    if (!path) return Read::notFound;
    const FileStream file = files_.openFile(*path);
    if (file.status == FileData::notFound) return Read::notFound;
    if (file.status != FileData::ok || !reader(*file.in, into)) return Read::unreadable;
    return Read::ok;
}

bool Skin::loadSprites() {
    switch (readPicture("Button.bmp", readButtonBmp, buttonSheet_)) {
        case Read::notFound:
            window_.showMessage("Ｂｕｔｔｏｎ．ｂｍｐが見つかりません");
            return false;
        case Read::unreadable:
            window_.showMessage("Ｂｕｔｔｏｎ．ｂｍｐ読み込みエラー");
            return false;
        case Read::ok:
            break;
    }
    DibImage mask;
    switch (readPicture("Mask.bmp", readFaceBmp, mask)) {
        case Read::notFound:
            window_.showMessage("Ｍａｓｋ．ｂｍｐが見つかりません");
            return false;
        case Read::unreadable:
            window_.showMessage("Ｍａｓｋ．ｂｍｐ読み込みエラー");
            return false;
        case Read::ok:
            break;
    }
    mask_ = makeMaskGrid(mask);
    if (!mask_) {
        window_.showMessage("Ｍａｓｋ．ｂｍｐ読み込みエラー");
        return false;
    }
    return true;
}

bool Skin::loadFace() {
    std::string shown = backgroundPath_;
    Read read = readPicture(shown, readFaceBmp, face_);
    if (read == Read::notFound) {
        window_.showMessage(shown + " が見つかりません\n初期の画像に戻します");
    } else if (read == Read::unreadable && shown != defaultBackground) {
        // A chosen background that has become unreadable would otherwise end every later start, since
        // the setting keeps naming it: it is treated like a missing one.
        window_.showMessage("背景画像の読み込みに失敗しました");
    }
    // This run only: the setting keeps naming the chosen face, which may be on a drive absent just now.
    if (read != Read::ok && shown != defaultBackground) {
        shown = defaultBackground;
        read = readPicture(shown, readFaceBmp, face_);
    }
    if (read == Read::notFound) {
        window_.showMessage(shown + " が見つかりません。終了します");
        return false;
    }
    if (read == Read::unreadable) {
        window_.showMessage("背景画像の読み込みに失敗しました");
        return false;
    }
    return true;
}

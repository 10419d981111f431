#include "images/FileDialogRules.h"

#include "platform/Paths.h"

FileDialogRules::FileDialogRules(FileDialogMode mode, PreviewChecks& checks, PreviewPane& pane)
    : mode_(mode), checks_(checks), pane_(pane) {}

void FileDialogRules::shown() {
    pane_.setCheck(checks_.of(mode_));
}

void FileDialogRules::checkClicked(const std::string& selection) {
    bool& checked = checks_.of(mode_);
    checked = !checked;
    pane_.setCheck(checked);
    if (checked) {
        updatePreview(userPick(selection));
    } else if (previewShown_) {
        clearPreview();
        lastPreviewed_.clear();
    }
}

void FileDialogRules::selectionChanged(const std::string& selection) {
    const std::string picked = userPick(selection);
    if (!picked.empty()) nameLeftInField_.clear();
    lastSelection_ = selection;
    if (checks_.of(mode_)) updatePreview(picked);
}

void FileDialogRules::folderChanged() {
    nameLeftInField_ = fileNameOf(lastSelection_);
}

std::string FileDialogRules::userPick(const std::string& selection) const {
    return !nameLeftInField_.empty() && fileNameOf(selection) == nameLeftInField_ ? std::string() : selection;
}

void FileDialogRules::updatePreview(const std::string& selection) {
    // A folder is selected on the way to a file all the time: it clears the preview like a missing file,
    // without a message.
    if (selection.empty() || pane_.pathKind(selection) != PathKind::file) {
        if (previewShown_) {
            clearPreview();
            lastPreviewed_.clear();
        }
        return;
    }
    if (selection == lastPreviewed_) return;
    if (load(selection)) {
        pane_.drawPreview();
        previewShown_ = true;
    } else if (previewShown_) {
        clearPreview();
    }
    lastPreviewed_ = selection;
}

bool FileDialogRules::load(const std::string& path) {
    const bool loaded = pane_.loadPreview(path);
    lastLoaded_ = loaded ? path : std::string();
    return loaded;
}

void FileDialogRules::clearPreview() {
    pane_.clearPreview();
    previewShown_ = false;
}

bool FileDialogRules::fileNameOk(const std::string& path) {
    switch (pane_.pathKind(path)) {
        case PathKind::missing:
            pane_.refuseMissingFile(path);
            return false;
        case PathKind::folder:  // the dialog opens it instead
            return false;
        case PathKind::file:
            break;
    }
    if (mode_ == FileDialogMode::midi) {
        closing();
        return true;
    }
    // What the preview holds may be another file's picture (a failed read keeps the one before) or none:
    // only the picture loaded from exactly this file may become the face.
    if (path != lastLoaded_) {
        const bool loaded = load(path);
        if (previewShown_) {  // the area goes on showing what the dialog holds
            if (loaded)
                pane_.drawPreview();
            else
                clearPreview();
            lastPreviewed_ = path;
        }
        if (!loaded) return false;
    }
    return pane_.acceptPicture();
}

void FileDialogRules::closing() {
    if (mode_ == FileDialogMode::midi && previewShown_) clearPreview();
}

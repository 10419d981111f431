#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include "tones/ToneDialogModel.h"

PlatformPorts ScriptedPlatform::ports(std::initializer_list<Optional> optional) {
    PlatformPorts ports{*this, *this, *this, *this, store, *this};
    for (const Optional port : optional) {
        switch (port) {
            case generators:
                ports.generators = this;
                break;
            case toneDialogs:
                ports.toneDialogs = this;
                break;
            case background:
                ports.background = this;
                break;
            case help:
                ports.help = this;
                break;
            case playSave:
                ports.playSave = this;
                break;
        }
    }
    return ports;
}

void ScriptedPlatform::addFile(const std::string& path, std::vector<uint8_t> bytes) {
    files[path] = {FileData::ok, std::move(bytes)};
}

void ScriptedPlatform::addSkinFiles() {
    addFile("Button.bmp", encodeBmpFile(DibImage::create24(116, 213)));
    addFile("Mask.bmp", encodeBmpFile(DibImage::create24(788, 540)));
    addFile("Main.bmp", encodeBmpFile(DibImage::create24(788, 540)));
}

FileData ScriptedPlatform::readFile(const std::string& path) {
    const auto found = files.find(path);
    return found == files.end() ? FileData{} : found->second;
}

std::optional<std::string> ScriptedPlatform::findSkinFile(const std::string& name) {
    return files.count(name) ? std::optional<std::string>(name) : std::nullopt;
}

std::optional<std::string> ScriptedPlatform::chooseSongFile(const std::string& filter) {
    songFilter = filter;
    return nextChoice;
}

bool ScriptedPlatform::setCurrentFolder(const std::string& to) {
    if (!folders.count(to)) return false;
    folder = to;
    return true;
}

bool ScriptedPlatform::askYesNo(const std::string& question) {
    questions.push_back(question);
    return answerYes;
}

std::optional<std::string> ScriptedPlatform::chooseSourceFile(const std::string& filter) {
    sourceFilters.push_back(filter);
    return nextChoice;
}

void ScriptedPlatform::runToneDialog(ToneDialogModel& dialog) {
    toneDialogChannels.push_back(dialog.channel());
    if (answerToneDialog) answerToneDialog(dialog);
}

std::optional<std::string> ScriptedPlatform::chooseBackgroundPicture(const std::string& folder) {
    pictureFolders.push_back(folder);
    if (pictureChoices.empty()) return std::nullopt;
    const std::optional<std::string> choice = pictureChoices.front();
    pictureChoices.pop_front();
    return choice;
}

PluginResult ScriptedPlatform::decodeWithPlugins(const std::string& path, const std::string& extension,
                                                 DibImage& picture) {
    decoded.push_back(path + " " + extension);
    picture = pluginPicture;
    return pluginResult;
}

void ScriptedPlatform::showConversionProgress(const std::string& text) {
    EXPECT_TRUE(waitCursor) << "the composition shows its progress under the wait cursor";
    progress.push_back(text);
    title = text;
}

std::optional<std::string> ScriptedPlatform::chooseFaceFileToSave(const std::string& folder,
                                                                  const std::string& filter) {
    saveFolders.push_back(folder);
    saveFilter = filter;
    return saveChoice;
}

bool ScriptedPlatform::writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (!writeSucceeds) return false;
    addFile(path, bytes);
    return true;
}

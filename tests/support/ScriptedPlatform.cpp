#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <sstream>

FileStream ScriptedPlatform::openFile(const std::string& path) {
    if (!files.count(path)) return {};
    const FileData& file = files.at(path);
    if (file.status != FileData::ok) return {file.status, nullptr};
    return {FileData::ok,
            std::make_unique<std::istringstream>(std::string(file.bytes.begin(), file.bytes.end()))};
}

PlatformPorts ScriptedPlatform::ports(std::initializer_list<Optional> optional) {
    PlatformPorts ports{*this, *this, *this, *this, store, *this};
    for (const Optional port : optional) {
        if (port == generators) ports.generators = this;
        if (port == background) ports.background = this;
        if (port == playSave) ports.playSave = this;
    }
    return ports;
}

void ScriptedPlatform::addSkinFiles() {
    addFile("Button.bmp", encodeBmpFile(DibImage::create24(116, 213)));
    addFile("Mask.bmp", encodeBmpFile(DibImage::create24(788, 540)));
    addFile("Main.bmp", encodeBmpFile(DibImage::create24(788, 540)));
}

bool ScriptedPlatform::setCurrentFolder(const std::string& to) {
    if (!folders.count(to)) return false;
    folder = to;
    return true;
}

std::optional<std::string> ScriptedPlatform::chooseBackgroundPicture(const std::string& folder) {
    pictureFolders.push_back(folder);
    if (pictureChoices.empty()) return std::nullopt;
    const std::optional<std::string> choice = pictureChoices.front();
    pictureChoices.pop_front();
    return choice;
}

PluginResult ScriptedPlatform::decodeWithPlugins(const std::string&, const std::string&, DibImage&) {
    return pluginResult;
}

void ScriptedPlatform::showConversionProgress(const std::string& text) {
    EXPECT_TRUE(waitCursor) << "the composition shows its progress under the wait cursor";
    title = text;
}

std::optional<std::string> ScriptedPlatform::chooseFaceFileToSave(const std::string& folder,
                                                                  const std::string&) {
    saveFolders.push_back(folder);
    return saveChoice;
}

bool ScriptedPlatform::writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (!writeSucceeds) return false;
    addFile(path, bytes);
    return true;
}

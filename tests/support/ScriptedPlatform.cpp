#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include "app/Messages.h"

void ScriptedPlatform::addSkinFiles() {
    addFile("Button.bmp", encodeBmpFile(DibImage::create24(116, 213)));
    addFile("Mask.bmp", encodeBmpFile(DibImage::create24(788, 540)));
    addFile("Main.bmp", encodeBmpFile(DibImage::create24(788, 540)));
}

void ScriptedPlatform::setTitle(const std::string& text) {
    const std::string progress = conversionProgressText(0);  // the composition's, at 0 %
    const bool showsProgress = text.rfind(progress.substr(0, progress.size() - 1), 0) == 0;
    EXPECT_TRUE(!showsProgress || waitCursor) << "the composition shows its progress under the wait cursor";
    title = text;
}

std::optional<std::string> ScriptedPlatform::choosePicture(const std::string& folder) {
    pictureFolders.push_back(folder);
    if (pictureChoices.empty()) return std::nullopt;
    const std::optional<std::string> choice = pictureChoices.front();
    pictureChoices.pop_front();
    return choice;
}

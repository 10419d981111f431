#pragma once
#include <gtest/gtest.h>

#include "app/MainWindowModel.h"
#include "playback/SmfWriter.h"
#include "playback/VirtualTimer.h"
#include "resources/CommandIds.h"
#include "tests/support/PlaybackRig.h"
#include "tests/support/ScriptedPlatform.h"

inline DibImage filledPicture(int width, int height, uint32_t packed) {
    DibImage picture = DibImage::create24(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPackedAt(x, y, packed);
    return picture;
}

// The main window's rules over a scripted platform that holds the skin files, with a recording device and
// a timer the test ticks.
class WindowModelTest : public testing::Test {
  protected:
    WindowModelTest() : model(port.platform(), out, timer, port.canvases, failures) { port.addSkinFiles(); }
    // What the window does as it is created; false where the start ends.
    bool startUp() {
        if (!model.loadSprites()) return false;
        model.loadSettings();
        return model.loadFace();
    }
    void openSongFile(const std::string& path) {
        port.nextChoice = path;
        model.onCommand(IDM_FILE_OPEN);
    }
    void clickCentre(const face::Rect& r) {
        model.leftButtonDown((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // One note a quarter long on channel 1.
    static std::vector<uint8_t> oneNoteSong() {
        return SmfWriter(1, 480)
            .track(join({{0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0}, endOfTrack()}))
            .bytes();
    }

    ScriptedPlatform port;
    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    MainWindowModel model;
};

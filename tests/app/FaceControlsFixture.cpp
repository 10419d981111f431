#include "tests/app/FaceControlsFixture.h"

#include <cstdio>

#include "tests/support/SongBytes.h"

void FaceControlsTest::load(int format) {
    rig.load(SongBytes(format, 480)
                 .track(join({{0x00, 0x90, 60, 100}, varLen(480 * 1000), {0x80, 60, 0}, endOfTrack()}))
                 .bytes());
    face.songLoaded = true;
}

void FaceControlsTest::play(int format) {
    load(format);
    rig.player.startPlayback();
    ASSERT_TRUE(rig.player.playing());
    for (auto& pitchClass : rig.controls.channelPitchClass) pitchClass.store(0);
    forget();
}

void FaceControlsTest::forget() {
    rig.out.clear();
    drawing.requests.clear();
}

bool FaceControlsTest::rightClickCell(int channel, int column) {
    const face::Rect cell = face::cellHot(channel, column);
    return controls.rightButtonDown(centreX(cell), centreY(cell));
}

std::string FaceControlsTest::controlChange(int channel, int controller, int value) {
    char line[16];
    std::snprintf(line, sizeof line, "0 B%X %02X %02X", channel, controller, value);
    return line;
}

FaceControlsTest::Lines FaceControlsTest::allSoundOffEverywhere() {
    Lines lines;
    for (int channel = 0; channel < 16; ++channel) lines.push_back(controlChange(channel, 120, 0));
    return lines;
}

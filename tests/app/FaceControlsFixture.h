#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/FaceControls.h"
#include "app/FaceLayout.h"
#include "tests/support/PlaybackRig.h"

// Keeps the drawing requests as short lines: "sprite 10", "readout 4", "cell 3 0", "toggle 5 1".
class RecordingFaceDrawing : public FaceDrawing {
  public:
    void drawReadout(Readout which) override { requests.push_back("readout " + std::to_string(which)); }
    void drawSprite(int sprite) override { requests.push_back("sprite " + std::to_string(sprite)); }
    void drawCell(int row, int column) override {
        requests.push_back("cell " + std::to_string(row) + " " + std::to_string(column));
    }
    void drawToggle(int row, int column) override {
        requests.push_back("toggle " + std::to_string(row) + " " + std::to_string(column));
    }

    std::vector<std::string> requests;
};

// The face's controls over a player with a virtual timer and a recording device. Nothing ticks unless a
// test asks, so everything the controls send is stamped at time 0.
class FaceControlsTest : public ::testing::Test {
  protected:
    using Lines = std::vector<std::string>;

    // A song of about eight minutes: one note held on channel 1, then the end.
    void load(int format = 1);
    // Loads, starts playback and marks every channel as having sounded; forgets what that sent and drew.
    void play(int format = 1);
    void forget();

    bool click(const face::Rect& rect) { return controls.leftButtonDown(centreX(rect), centreY(rect)); }
    bool clickCell(int channel, int column) { return click(face::cellHot(channel, column)); }
    bool rightClickCell(int channel, int column);
    bool clickToggle(int channel, int toggle) { return click(face::toggleRect(channel, toggle)); }
    static int centreX(const face::Rect& rect) { return (rect.left + rect.right) / 2; }
    static int centreY(const face::Rect& rect) { return (rect.top + rect.bottom) / 2; }

    // What reached the device since the last forget(), one "time bytes" line each.
    Lines sent() const { return rig.lines(); }
    // A control change as the device records it: "0 B3 07 78".
    static std::string controlChange(int channel, int controller, int value);
    static Lines allSoundOffEverywhere();

    PlaybackRig rig;
    FaceState face;
    RecordingFaceDrawing drawing;
    std::vector<std::pair<int, int>> toneClicks;
    FaceControls controls{
        face,     rig.controls, rig.sequencer, rig.player,
        rig.song, rig.out,      drawing,       [this](int x, int y) { toneClicks.emplace_back(x, y); }};
};

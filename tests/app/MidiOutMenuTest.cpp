// "MIDI出力": which device is opened, when the choice is refused, and the mapper as the way out. The list
// and a choice are proved through the real window.
#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/MidiOutMenu.h"
#include "resources/CommandIds.h"
#include "tests/support/ScriptedPlatform.h"

namespace {
struct Devices : MidiOutPort {
    std::vector<std::string> outputDevices() override { return names; }
    bool reopenMidiOut(int device) override {
        opened.push_back(device);
        return device == MidiOutMenu::mapperDevice ? mapperOpens : names[size_t(device)] != "broken";
    }
    void showMidiOutItems(const std::vector<std::string>& items) override { labels = items; }

    std::vector<std::string> names = {"Synth A", "broken", "Synth B"};
    std::vector<int> opened;
    std::vector<std::string> labels;
    bool mapperOpens = true;
};

struct MidiOutMenuTest : testing::Test {
    MidiOutMenu menu{devices, window, saved, [this] { return playing; }};
    Devices devices;
    ScriptedPlatform window;
    std::string saved;
    bool playing = false;
};

constexpr int itemOf(int device) {
    return IDM_MIDI_OUT_MAPPER + 1 + device;
}
}  // namespace

TEST_F(MidiOutMenuTest, AChoiceReopensWhileStoppedIsIgnoredWhilePlayingAndAFailureFallsBackToTheMapper) {
    menu.start();
    EXPECT_FALSE(menu.handles(itemOf(3))) << "one past the last device";
    menu.run(itemOf(0));
    menu.run(itemOf(0));  // open already
    playing = true;
    menu.run(itemOf(2));
    EXPECT_EQ(saved, "Synth A");
    playing = false;
    menu.run(itemOf(1));
    EXPECT_EQ(devices.opened, (std::vector<int>{0, 1, MidiOutMenu::mapperDevice}));
    EXPECT_EQ(window.messages, std::vector<std::string>{midiOutFallbackText("broken")});
    EXPECT_TRUE(menu.checked(IDM_MIDI_OUT_MAPPER) && saved == "broken");  // tried again at the next start
    menu.run(IDM_MIDI_OUT_MAPPER);  // ticked already, yet a choice: the device is forgotten
    EXPECT_EQ(saved, "");
    menu.run(itemOf(2));
    devices.mapperOpens = false;  // the way out fails too: the device's own errors will tell
    menu.run(IDM_MIDI_OUT_MAPPER);
    EXPECT_TRUE(menu.checked(itemOf(2)) && window.messages.size() == 1);
}

// A saved device opens by its name wherever the system lists it now; one that is gone or cannot be opened
// leaves this run on the mapper, once said, and stays saved for the day it is back.
TEST_F(MidiOutMenuTest, StartOpensTheSavedDeviceByItsNameOrStaysOnTheMapperAndListsTheMapperFirst) {
    saved = "Synth B";
    menu.start();
    EXPECT_TRUE(devices.opened == std::vector<int>{2} && menu.checked(itemOf(2)));
    for (const std::string name : {"gone", "broken"}) {
        saved = name;
        window.messages.clear();
        MidiOutMenu{devices, window, saved, [] { return false; }}.start();
        EXPECT_EQ(std::pair(window.messages, saved),
                  std::pair(std::vector<std::string>{midiOutFallbackText(name)}, name));
    }
    // The mapper is listed first, and the menu's ids have room for nine devices after it: more are left out.
    devices.names.assign(12, "Synth");
    menu.start();
    devices.names.resize(9);
    devices.names.insert(devices.names.begin(), midiMapperLabel);
    EXPECT_EQ(devices.labels, devices.names);
    EXPECT_TRUE(menu.handles(IDM_MIDI_OUT_LAST) && !menu.handles(IDM_MIDI_OUT_LAST + 1));
}

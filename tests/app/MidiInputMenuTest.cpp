// "MIDI入力": a choice opens its device and is kept by name; the saved name finds its device in whatever
// place the system lists it, at start-up or when the devices change later, and a missing or failing one means
// "なし".
#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/MidiInputMenu.h"
#include "tests/support/ScriptedPlatform.h"

namespace {
struct MidiInputMenuTest : testing::Test, MidiInputSink {
    void receive(const uint8_t*, size_t) override {}

    ScriptedPlatform window;
    std::string saved;
    MidiInputMenu menu{window.inputs, *this, window, saved};
};
}  // namespace

TEST_F(MidiInputMenuTest, AChoiceOpensItsDeviceIsSavedByNameAndNoneClosesIt) {
    menu.restore();
    EXPECT_TRUE(window.inputs.shown == window.inputs.names && window.inputs.opened.empty() &&
                menu.checked(MidiInputMenu::noneItem))
        << "nothing saved: なし";
    menu.run(MidiInputMenu::firstDeviceItem + 2);
    EXPECT_EQ(window.inputs.closed, 0) << "none was open";
    EXPECT_TRUE(menu.checked(MidiInputMenu::firstDeviceItem + 2) && !menu.checked(MidiInputMenu::noneItem));
    menu.run(MidiInputMenu::firstDeviceItem + 3);  // no such device
    EXPECT_TRUE(menu.handles(MidiInputMenu::firstDeviceItem) &&
                menu.handles(MidiInputMenu::firstDeviceItem + MidiInputMenu::maxDevices - 1) &&
                !menu.handles(MidiInputMenu::firstDeviceItem + MidiInputMenu::maxDevices));
    EXPECT_EQ(saved, "Keys B");
    menu.run(MidiInputMenu::firstDeviceItem + 1);
    EXPECT_EQ(window.messages, std::vector<std::string>{midiInputFailureText("busy")});
    EXPECT_TRUE(saved.empty() && menu.checked(MidiInputMenu::noneItem));
    menu.run(MidiInputMenu::firstDeviceItem);
    menu.run(MidiInputMenu::noneItem);
    EXPECT_EQ(saved, "");
    EXPECT_EQ(std::pair(window.inputs.opened, window.inputs.closed), std::pair(std::vector<int>{2, 1, 0}, 2));
}

TEST_F(MidiInputMenuTest,
       TheSavedNameOpensItsDeviceWhereverAndWheneverItIsListedAndAMissingOrFailingOneMeansNone) {
    saved = "Keys B";
    window.inputs.names = {"Keys B", "Keys A"};
    menu.restore();
    EXPECT_TRUE(window.inputs.opened == std::vector<int>{0} && menu.checked(MidiInputMenu::firstDeviceItem) &&
                !menu.checked(MidiInputMenu::noneItem));
    menu.close();
    saved = "Keys C";
    menu.restore();
    EXPECT_TRUE(window.inputs.opened.size() == 1 && menu.checked(MidiInputMenu::noneItem) &&
                window.messages.empty());
    EXPECT_EQ(saved, "Keys C") << "kept for the day it is back";
    window.inputs.names.push_back("Keys C");  // a device known only later
    menu.devicesChanged();
    EXPECT_TRUE(window.inputs.shown == window.inputs.names &&
                window.inputs.opened == (std::vector<int>{0, 2}));
    menu.close();
    window.inputs.names.push_back(saved = "broken");
    menu.restore();
    EXPECT_EQ(saved, "") << "a device that will not open is not tried again at the next start";
}

// "MIDI入力": the device chosen by name, restored at start-up, and what happens when one will not open.
#include <gtest/gtest.h>

#include <set>

#include "app/MidiInputMenu.h"
#include "tests/support/ScriptedPlatform.h"

namespace {
class FakeInputs : public MidiInputPort, public MidiInputSink {
  public:
    std::vector<std::string> inputDeviceNames() override { return names; }
    std::optional<std::string> openInput(int device, MidiInputSink&) override {
        if (refused.count(device)) return "使用中です";
        opened = device;
        return std::nullopt;
    }
    void closeInput() override { opened = -1; }
    void showInputItems(const std::vector<std::string>& shown) override { items = shown; }
    void receive(const uint8_t*, size_t) override {}

    std::vector<std::string> names{"Keyboard A", "Keyboard B"};
    std::set<int> refused;
    int opened = -1;
    std::vector<std::string> items;
};

struct MidiInputMenuTest : testing::Test {
    MidiInputMenu menu(const std::string& saved) {
        savedName = saved;
        return MidiInputMenu(inputs, inputs, window, savedName);
    }
    FakeInputs inputs;
    ScriptedPlatform window;
    std::string savedName;
};
}  // namespace

TEST_F(MidiInputMenuTest, TheSavedDeviceIsFoundByNameAndAMissingOneMeansNoneWithoutAWord) {
    MidiInputMenu found = menu("Keyboard B");
    found.restore();
    EXPECT_EQ(inputs.items, inputs.names);
    EXPECT_EQ(inputs.opened, 1);
    EXPECT_TRUE(found.checked(MidiInputMenu::firstDeviceItem + 1));

    inputs.opened = -1;
    MidiInputMenu missing = menu("Keyboard C");
    missing.restore();
    EXPECT_EQ(inputs.opened, -1);
    EXPECT_EQ(savedName, "Keyboard C") << "kept for a start with the device plugged in";
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(MidiInputMenuTest, ChoicesOpenCloseAndRefuseWithOneMessage) {
    inputs.refused = {1};
    MidiInputMenu choice = menu("Keyboard B");
    choice.restore();
    EXPECT_EQ(window.messages, ScriptedPlatform::Lines{"MIDI入力デバイスを開けませんでした\n使用中です"});
    EXPECT_EQ(savedName, "");
    choice.run(MidiInputMenu::firstDeviceItem);
    EXPECT_EQ(inputs.opened, 0);
    EXPECT_EQ(savedName, "Keyboard A");
    choice.run(MidiInputMenu::firstDeviceItem + 5);  // no such device: ignored
    EXPECT_EQ(inputs.opened, 0);
    choice.run(MidiInputMenu::noneItem);
    EXPECT_EQ(inputs.opened, -1);
    EXPECT_EQ(savedName, "");
}

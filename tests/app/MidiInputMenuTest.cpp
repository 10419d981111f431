// "MIDI入力": the device chosen by name and restored at start-up.
#include <gtest/gtest.h>

#include "app/MidiInputMenu.h"
#include "tests/support/ScriptedPlatform.h"

namespace {
class FakeInputs : public MidiInputPort, public MidiInputSink {
  public:
    std::vector<std::string> inputDeviceNames() override { return names; }
    std::optional<std::string> openInput(int device, MidiInputSink&) override {
        opened = device;
        return std::nullopt;
    }
    void closeInput() override { opened = -1; }
    void showInputItems(const std::vector<std::string>& shown) override { items = shown; }
    void receive(const uint8_t*, size_t) override {}

    std::vector<std::string> names{"Keyboard A", "Keyboard B"};
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

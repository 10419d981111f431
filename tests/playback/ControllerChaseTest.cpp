// The state a jump gives the device: what each kind of message leaves behind, and the order it is sent in.
#include <gtest/gtest.h>

#include "playback/ControllerChase.h"
#include "playback/RecordingMidiOut.h"
#include "tests/support/Steps.h"

namespace {

const std::string gmOn = "F0 7E 7F 09 01 F7";
const std::string gsPart = "F0 41 10 42 12 40 1A 15 02 0F F7";
const std::string gsReset = "F0 41 10 42 12 40 00 7F 00 41 F7";
const std::string gsOther = "F0 41 10 42 12 40 01 7F 00 40 F7";
// Messages cut short of a reset, and another GS address.
const std::string noReset = gsPart + "; F0 7E 7F 09; F0 41 10 42 12 F7; " + gsOther;
}  // namespace

// Messages written as the renderer prints them, without the time: "B0 07 0A".
TEST(ControllerChaseTest, KeepsWhatADeviceWouldHoldAndSendsTheBankBeforeTheProgram) {
    const struct {
        const char* name;
        std::string sent, replayed;
    } cases[] = {
        {"the last value of each, the bank first", "B0 07 0A; C0 05; B0 20 01; B0 00 08; B0 07 14; B2 0A 1E",
         "B0 00 08; B0 20 01; C0 05 00; B0 07 14; B2 0A 1E"},
        {"notes, data steps and the mode messages leave nothing",
         "90 3C 64; 80 3C 00; A0 3C 05; B0 60 01; B0 61 01; B0 7B 00; B0 78 00", ""},
        {"reset all controllers keeps volume and pan",
         "B0 01 28; B0 0B 40; B0 40 7F; B0 41 7F; B0 42 7F; B0 43 7F; E0 00 50; D0 1E; B0 07 32; B0 65 00; "
         "B0 64 00; B0 06 0C; B0 79 00",
         "B0 07 32; B0 65 00; B0 64 00; B0 06 0C"},  // the parameter's data stays, its selection goes
        {"bend and pressure", "E3 12 50; D3 1E", "E3 12 50; D3 1E 00"},
        {"each parameter with its data, the last one selected again",
         "B0 65 00; B0 64 00; B0 06 0C; B0 63 01; B0 62 08; B0 06 46; B0 26 03; B0 65 00; B0 64 00; B0 06 02",
         "B0 65 00; B0 64 00; B0 06 02; B0 63 01; B0 62 08; B0 06 46; B0 26 03; B0 65 00; B0 64 00"},
        {"data entry with no parameter selected goes nowhere", "B0 06 0C; B0 65 7F; B0 64 7F; B0 06 0C",
         "B0 65 7F; B0 64 7F"},
        {"system exclusive in order; a device reset forgets everything before it",
         "B0 07 0A; " + gsPart + "; " + gmOn + "; " + gsPart + "; B1 07 14",
         gmOn + "; " + gsPart + "; B1 07 14"},
        {"the GS reset too", gsPart + "; " + gsReset, gsReset},
        {"and XG System On", gsPart + "; F0 43 10 4C 00 00 7E 00 F7", "F0 43 10 4C 00 00 7E 00 F7"},
        {"but not a message cut short of one, nor another GS address", noReset, noReset},
    };
    for (const auto& c : cases) {
        ControllerChase chase;
        for (const std::string& text : steps(c.sent)) {
            const std::vector<uint8_t> bytes = bytesOf(text);
            if (bytes[0] >= 0xF0)
                chase.sendLongMessage(bytes.data(), bytes.size());
            else
                chase.sendShortMessage(bytes[0], bytes[1], bytes.size() > 2 ? bytes[2] : 0);
        }
        RecordingMidiOut device;
        chase.replaySysEx(device);
        chase.replayChannels(device);
        Lines replayed;
        for (const RecordingMidiOut::Message& message : device.messages())
            replayed.push_back(RecordingMidiOut::formatLine(message).substr(2));
        EXPECT_EQ(replayed, steps(c.replayed)) << c.name;
    }
}

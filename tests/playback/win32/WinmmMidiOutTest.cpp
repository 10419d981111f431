#include <gtest/gtest.h>

#include "playback/win32/WinmmMidiOut.h"

// The test machines have no MIDI device (Wine finds no synthesizer), which is the start-up failure case.
TEST(WinmmMidiOut, WithoutADeviceOpeningFailsAsNoDevice) {
    if (midiOutGetNumDevs() != 0) GTEST_SKIP() << "this machine has a MIDI output device";
    ShortMessageFailures failures;
    WinmmMidiOut out(failures);
    EXPECT_EQ(out.openMidiOut(), DeviceError::noDevice);
    EXPECT_TRUE(!out.isOpen() && out.closeMidiOut().empty());
}

// A lost or busy device is told once a playback, and its later failures are dropped; other failures are
// not told while playing.
#include <gtest/gtest.h>

#include "playback/ShortMessageFailures.h"

TEST(ShortMessageFailures, OnlyALostOrBusyDeviceIsShownAndOnlyItsFirstFailureOncePerPlayback) {
    const std::pair<DeviceError, bool> rows[] = {
        {DeviceError::invalidHandle, true}, {DeviceError::notReady, true},
        {DeviceError::stillPlaying, false}, {DeviceError::other, false},
        {DeviceError::noDevice, false},     {DeviceError::none, false}};
    for (const auto& [error, shown] : rows) {
        ShortMessageFailures failures;
        failures.record(error);
        failures.record(DeviceError::invalidHandle);
        EXPECT_EQ(failures.takeFailure(),
                  shown ? std::optional(error) : std::optional(DeviceError::invalidHandle))
            << int(error);
        failures.record(DeviceError::notReady);
        EXPECT_EQ(failures.takeFailure(), std::nullopt) << "once a playback";
        failures.rearm();
        EXPECT_EQ(failures.takeFailure(), std::nullopt) << "a failure after the one shown is dropped";
        failures.record(DeviceError::notReady);
        EXPECT_EQ(failures.takeFailure(), std::optional(DeviceError::notReady)) << "told again at the next";
    }
}

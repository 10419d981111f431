#include <gtest/gtest.h>

#include <atomic>

#include "playback/win32/MultimediaTimer.h"

namespace {
class CountingClient : public TimerClient {
  public:
    void onTimer() override { calls.fetch_add(1); }
    std::atomic<int> calls{0};
};
}  // namespace

TEST(MultimediaTimer, CallsItsClientAbout100TimesASecondUntilStopped) {
    CountingClient client;
    MultimediaTimer timer;
    ASSERT_TRUE(timer.start(10, client));
    const DWORD started = GetTickCount();
    Sleep(1000);
    timer.stop();
    const DWORD elapsed = GetTickCount() - started;
    const int calls = client.calls.load();
    // Expect one call per 10 ms, with room for a loaded machine.
    EXPECT_GT(calls, int(elapsed / 10) * 7 / 10);
    EXPECT_LT(calls, int(elapsed / 10) * 13 / 10 + 2);
    Sleep(50);
    EXPECT_EQ(client.calls.load(), calls);  // nothing after stop
}

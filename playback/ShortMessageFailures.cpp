#include "playback/ShortMessageFailures.h"

namespace {
constexpr int invalidHandle = 5;  // MMSYSERR_INVALHANDLE
constexpr int notReady = 67;      // MIDIERR_NOTREADY
}  // namespace

std::string ShortMessageFailures::messageFor(int resultCode) {
    switch (resultCode) {
        case invalidHandle:
            return "指定されたデバイスハンドルが無効です";
        case notReady:
            return "ハードウェアはほかのデータ処理を行っています";
        default:
            return {};
    }
}

void ShortMessageFailures::record(int resultCode) {
    if (messageFor(resultCode).empty()) return;
    int none = 0;
    pending_.compare_exchange_strong(none, resultCode, std::memory_order_relaxed);
}

std::string ShortMessageFailures::takeMessage() {
    const int code = pending_.exchange(0, std::memory_order_relaxed);
    if (code == 0 || shownThisPlayback_.exchange(true, std::memory_order_relaxed)) return {};
    return messageFor(code);
}

void ShortMessageFailures::rearm() {
    shownThisPlayback_.store(false, std::memory_order_relaxed);
}

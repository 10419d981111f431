#include "playback/LongMessageRing.h"

#include <cstring>

bool LongMessageRing::send(LongMessagePort& port, const uint8_t* bytes, size_t count) {
    if (count == 0 || count > MidiOut::longMessageCapacity) return false;
    for (int tried = 0; tried < bufferCount; ++tried) {
        const int buffer = next_;
        next_ = (next_ + 1) % bufferCount;
        if (sent_[size_t(buffer)] && !port.doneWith(buffer)) continue;
        std::memcpy(data(buffer), bytes, count);
        sent_[size_t(buffer)] = port.send(buffer, count);
        return sent_[size_t(buffer)];
    }
    return false;
}

#include "tests/support/RecordingMidiOut.h"

#include <cstdio>
#include <ostream>

int RecordingMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    shortMessages.push_back({status, data1, data2});
    return 0;
}

void RecordingMidiOut::sendLongMessage(const uint8_t* bytes, size_t count) {
    longMessages.emplace_back(bytes, bytes + count);
}

void PrintTo(const RecordingMidiOut::ShortMessage& message, std::ostream* out) {
    char text[16];
    std::snprintf(text, sizeof text, "(%02x %02x %02x)", message.status, message.data1, message.data2);
    *out << text;
}

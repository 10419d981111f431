#include "effects/HeldKeys.h"

HeldKeys::Held HeldKeys::strike(int channel, int key, const SentNote& sent, uint8_t tag) {
    Held& held = keys_[size_t(channel)][size_t(key)];
    const bool same = held.strikes > 0 && held.tag == tag && held.sent.count == sent.count &&
                      held.sent.keys[0] == sent.keys[0] && held.sent.keys[1] == sent.keys[1];
    if (same) {
        if (held.strikes < UINT8_MAX) ++held.strikes;
        return {};
    }
    Held replaced = held;
    replaced.sent = {};
    for (int i = 0; i < held.sent.count; ++i)
        if (!sent.sends(held.sent.keys[i])) replaced.sent.keys[replaced.sent.count++] = held.sent.keys[i];
    held = {sent, 1, tag};
    return replaced;
}

HeldKeys::Held HeldKeys::release(int channel, int key) {
    Held& held = keys_[size_t(channel)][size_t(key)];
    const Held released = held;
    if (held.strikes > 1)
        --held.strikes;
    else
        held = {};
    return released;
}

#include "playback/ControllerChase.h"

#include <algorithm>

namespace {
using namespace midi;

constexpr uint8_t dataEntryMsb = 6, dataEntryLsb = 38, nrpnLsb = 98, nrpnMsb = 99, rpnLsb = 100, rpnMsb = 101;
constexpr uint8_t nullParameter = 127;

// The controllers that reset-all-controllers puts back to their default; volume, pan, the effect depths,
// the bank and the parameters' data stay.
constexpr uint8_t resetByResetAll[] = {1, 11, 64, 65, 66, 67};

// GM System On/Off (F0 7E id 09 ..), the GS reset (F0 41 id 42 12 40 00 7F ..) and XG System On
// (F0 43 1n 4C 00 00 7E ..) bring the whole device back to its defaults.
bool resetsDevice(const uint8_t* bytes, size_t count) {
    if (count < 5 || bytes[0] != sysExStart) return false;
    auto matches = [&](std::initializer_list<int> pattern) {
        if (count < pattern.size()) return false;
        size_t i = 0;
        for (int expected : pattern) {
            if (expected >= 0 && bytes[i] != expected) return false;
            ++i;
        }
        return true;
    };
    return matches({0xF0, 0x7E, -1, 0x09}) || matches({0xF0, 0x41, -1, 0x42, 0x12, 0x40, 0x00, 0x7F}) ||
           matches({0xF0, 0x43, -1, 0x4C, 0x00, 0x00, 0x7E});
}

void sendController(MidiOut& out, int channel, uint8_t controller, uint8_t value) {
    out.sendShortMessage(statusOf(controlChange, channel), controller, value);
}
}  // namespace

DeviceError ControllerChase::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    Channel& channel = channels_[size_t(channelOf(status))];
    data1 &= dataMask;
    data2 &= dataMask;
    switch (kindOf(status)) {
        case controlChange:
            takeController(channel, data1, data2);
            break;
        case programChange:
            channel.program = data1;
            break;
        case pitchBend:
            channel.pitchBend = uint16_t(data1 | data2 << 7);
            break;
        case channelPressure:
            channel.pressure = data1;
            break;
        default:  // notes and key pressure end with the jump's notes-off
            break;
    }
    return DeviceError::none;
}

void ControllerChase::deliverLongMessage(const uint8_t* bytes, size_t count) {
    if (resetsDevice(bytes, count)) clear();
    sysEx_.emplace_back(bytes, count);
}

void ControllerChase::clear() {
    channels_.fill(Channel{});
    sysEx_.clear();
}

void ControllerChase::takeController(Channel& channel, uint8_t controller, uint8_t value) {
    switch (controller) {
        case dataEntryMsb:
        case dataEntryLsb:
            dataEntry(channel, controller == dataEntryLsb, value);
            return;
        case nrpnLsb:
        case nrpnMsb:
        case rpnLsb:
        case rpnMsb:
            select(channel, controller >= rpnLsb, controller == nrpnLsb || controller == rpnLsb, value);
            return;
        case controller::resetAllControllers:
            for (uint8_t reset : resetByResetAll) channel.controllers[reset].reset();
            channel.pitchBend.reset();
            channel.pressure.reset();
            channel.selected.reset();
            return;
        default:
            // Data increment and decrement are not followed; the mode messages (120-127) leave no state.
            if (controller < channel.controllers.size() && controller != 96 && controller != 97)
                channel.controllers[controller] = value;
    }
}

void ControllerChase::select(Channel& channel, bool registered, bool lsb, uint8_t value) {
    if (!channel.selected || channel.selected->registered != registered)
        channel.selected = Parameter{registered, nullParameter, nullParameter, {}, {}};
    (lsb ? channel.selected->lsb : channel.selected->msb) = value;
}

void ControllerChase::dataEntry(Channel& channel, bool lsb, uint8_t value) {
    if (!channel.selected) return;
    const Parameter& selected = *channel.selected;
    if (selected.msb == nullParameter && selected.lsb == nullParameter) return;
    auto same = [&](const Parameter& p) {
        return p.registered == selected.registered && p.msb == selected.msb && p.lsb == selected.lsb;
    };
    auto found = std::find_if(channel.parameters.begin(), channel.parameters.end(), same);
    if (found == channel.parameters.end())
        found = channel.parameters.insert(channel.parameters.end(), selected);
    (lsb ? found->dataLsb : found->dataMsb) = value;
}

void ControllerChase::replaySysEx(MidiOut& out) const {
    for (const MessageBytes& message : sysEx_) out.sendLongMessage(message.data(), message.size());
}

void ControllerChase::replayChannels(MidiOut& out) const {
    for (int number = 0; number < channelCount; ++number)
        replayChannel(channels_[size_t(number)], number, out);
}

void ControllerChase::replayChannel(const Channel& channel, int number, MidiOut& out) {
    // The bank goes first: it takes effect at the program change.
    for (uint8_t bank : {controller::bankSelect, controller::bankSelectLsb})
        if (channel.controllers[bank]) sendController(out, number, bank, *channel.controllers[bank]);
    if (channel.program) out.sendShortMessage(statusOf(programChange, number), *channel.program, 0);
    for (size_t controller = 0; controller < channel.controllers.size(); ++controller) {
        if (controller == controller::bankSelect || controller == controller::bankSelectLsb) continue;
        if (channel.controllers[controller])
            sendController(out, number, uint8_t(controller), *channel.controllers[controller]);
    }
    auto selectParameter = [&](const Parameter& parameter) {
        sendController(out, number, parameter.registered ? rpnMsb : nrpnMsb, parameter.msb);
        sendController(out, number, parameter.registered ? rpnLsb : nrpnLsb, parameter.lsb);
    };
    for (const Parameter& parameter : channel.parameters) {
        selectParameter(parameter);
        if (parameter.dataMsb) sendController(out, number, dataEntryMsb, *parameter.dataMsb);
        if (parameter.dataLsb) sendController(out, number, dataEntryLsb, *parameter.dataLsb);
    }
    if (channel.selected) selectParameter(*channel.selected);
    if (channel.pitchBend)
        out.sendShortMessage(statusOf(pitchBend, number), uint8_t(*channel.pitchBend & dataMask),
                             uint8_t(*channel.pitchBend >> 7));
    if (channel.pressure) out.sendShortMessage(statusOf(channelPressure, number), *channel.pressure, 0);
}

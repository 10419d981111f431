#include "tests/support/DeviceStateModel.h"

#include <ostream>

std::string ChannelSetting::text() const {
    return "program " + std::to_string(program) + ", bank " + std::to_string(bank) + ", volume " +
           std::to_string(volume) + ", pan " + std::to_string(pan) + ", expression " +
           std::to_string(expression) + ", modulation " + std::to_string(modulation) + ", sustain " +
           std::to_string(sustain) + ", reverb " + std::to_string(reverb) + ", chorus " +
           std::to_string(chorus) + ", bend range " + std::to_string(bendRange) + ", bend " +
           std::to_string(bend);
}

DeviceStateModel::DeviceStateModel(const std::vector<RecordingMidiOut::Message>& messages) {
    for (const RecordingMidiOut::Message& message : messages) take(message);
}

void DeviceStateModel::take(const RecordingMidiOut::Message& message) {
    const MessageBytes& bytes = message.bytes;
    if (bytes[0] == 0xF0) {
        // GM System On and the GS reset put every channel back to the module's defaults.
        const bool gmOn = bytes.size() == 6 && bytes[1] == 0x7E && bytes[3] == 0x09 && bytes[4] == 0x01;
        const bool gsReset = bytes.size() == 11 && bytes[1] == 0x41 && bytes[5] == 0x40 && bytes[6] == 0x00 &&
                             bytes[7] == 0x7F;
        if (gmOn || gsReset) channels_.fill(ChannelSetting{});
        return;
    }
    ChannelSetting& channel = channels_[bytes[0] & 0x0F];
    const int kind = bytes[0] & 0xF0;
    if (kind == 0x90 && bytes[2] > 0) {
        const std::string line = RecordingMidiOut::formatLine(message);
        notes.push_back({message.timeMs, line.substr(line.find(' ') + 1), channel});
    }
    if (kind == 0xC0) {
        channel.program = bytes[1];
        channel.bank = channel.bankSelect;
    }
    if (kind == 0xE0) channel.bend = bytes[1] | bytes[2] << 7;
    if (kind == 0xB0) controller(channel, bytes[1], bytes[2]);
}

void DeviceStateModel::controller(ChannelSetting& channel, int number, int value) {
    switch (number) {
        case 0:
            channel.bankSelect = value;
            break;
        case 1:
            channel.modulation = value;
            break;
        case 7:
            channel.volume = value;
            break;
        case 10:
            channel.pan = value;
            break;
        case 11:
            channel.expression = value;
            break;
        case 64:
            channel.sustain = value;
            break;
        case 91:
            channel.reverb = value;
            break;
        case 93:
            channel.chorus = value;
            break;
        case 101:
            channel.parameterMsb = value;
            break;
        case 100:
            channel.parameterLsb = value;
            break;
        case 6:
            if (channel.parameterMsb == 0 && channel.parameterLsb == 0) channel.bendRange = value;
            break;
        case 121:  // reset all controllers: volume, pan, the sends, the tone and the bend range stay
            channel.modulation = channel.sustain = 0;
            channel.expression = 127;
            channel.bend = 8192;
            channel.parameterMsb = channel.parameterLsb = 127;
            break;
        default:
            break;
    }
}

void PrintTo(const DeviceStateModel::Note& note, std::ostream* out) {
    *out << note.timeMs << " " << note.message << " (" << note.setting.text() << ")";
}

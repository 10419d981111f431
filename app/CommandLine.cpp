#include "app/CommandLine.h"

#include <filesystem>

#include "app/Messages.h"
#include "platform/AsciiCase.h"

namespace {
const std::string recordPrefix = "/out:record=";
const std::string replayPrefix = "/in:replay=";

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

CommandLineResult badSwitch(const std::string& why, const std::string& argument) {
    CommandLineResult result;
    result.problem = CommandLineResult::badSwitch;
    result.message = why + ": " + argument + "\n\n" + commandLineUsage;
    return result;
}
}  // namespace

bool fileExistsOnDisk(const std::string& utf8Path) {
    std::error_code noThrow;
    return std::filesystem::exists(std::filesystem::u8path(utf8Path), noThrow);
}

CommandLineResult parseCommandLine(const std::vector<std::string>& arguments, const FileExists& exists) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (argument.empty()) continue;  // "" on a command line names nothing
        const std::string name = lowerAscii(argument);
        // A Unix path, the way Wine passes a Linux user's file, starts like a switch.
        if (!startsWith(argument, "/") || exists(argument)) {
            if (!line.songPath.empty()) return badSwitch(secondSongArgumentText, argument);
            line.songPath = argument;
        } else if (name == "/play") {
            line.play = true;
        } else if (name == "/out:null") {
            line.output = MidiOutputChoice::silent;
        } else if (startsWith(name, recordPrefix)) {
            line.recordPath = argument.substr(recordPrefix.size());
            if (line.recordPath.empty()) return badSwitch(recordNameMissingText, argument);
            line.output = MidiOutputChoice::recordToFile;
        } else if (startsWith(name, replayPrefix)) {
            line.replayPath = argument.substr(replayPrefix.size());
            if (line.replayPath.empty() || !exists(line.replayPath))
                return badSwitch(replayMissingText, argument);
        } else if (startsWith(name, "/out:")) {
            return badSwitch(badOutputSwitchText, argument);
        } else {
            return badSwitch(unknownSwitchText, argument);
        }
    }

    CommandLineResult result;
    if (!line.songPath.empty() && !exists(line.songPath)) {
        result.problem = CommandLineResult::songMissing;
        result.message = songArgumentMissingText(line.songPath);
        line.songPath.clear();
        line.play = false;
    }
    result.line = line;
    return result;
}

#include "app/CommandLine.h"

#include <filesystem>

namespace {
const char* const usage =
    "使い方: velmira.exe [/play] [/out:null | /out:record=ファイル] [/in:replay=ファイル] [曲.mid]";
const std::string recordPrefix = "/out:record=";
const std::string replayPrefix = "/in:replay=";

std::string lowered(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return result;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

CommandLineResult badSwitch(const std::string& why, const std::string& argument) {
    CommandLineResult result;
    result.problem = CommandLineResult::badSwitch;
    result.message = why + ": " + argument + "\n\n" + usage;
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
        const std::string name = lowered(argument);
        if (!startsWith(argument, "/")) {
            if (!line.songPath.empty()) return badSwitch("曲のファイルは一つだけ指定できます", argument);
            line.songPath = argument;
        } else if (name == "/play") {
            line.play = true;
        } else if (name == "/out:null") {
            line.output = MidiOutputChoice::silent;
        } else if (startsWith(name, recordPrefix)) {
            line.recordPath = argument.substr(recordPrefix.size());
            if (line.recordPath.empty()) return badSwitch("記録するファイルの名前がありません", argument);
            line.output = MidiOutputChoice::recordToFile;
        } else if (startsWith(name, replayPrefix)) {
            line.replayPath = argument.substr(replayPrefix.size());
            if (line.replayPath.empty() || !exists(line.replayPath))
                return badSwitch("入力の記録が見つかりません", argument);
        } else if (startsWith(name, "/out:")) {
            return badSwitch("出力の指定が正しくありません", argument);
        } else {
            return badSwitch("不明なスイッチです", argument);
        }
    }

    CommandLineResult result;
    if (!line.songPath.empty() && !exists(line.songPath)) {
        result.problem = CommandLineResult::songMissing;
        result.message = line.songPath + " が見つかりません";
        line.songPath.clear();
        line.play = false;
    }
    result.line = line;
    return result;
}

std::string recordFileFailedMessage(const std::string& path) {
    return path + " に記録できません。終了します";
}

std::string replayRefusedMessage(const std::string& path, long line) {
    if (line == 0) return path + " を読めません";
    return path + " の " + std::to_string(line) + " 行目は入力の記録として読めません";
}

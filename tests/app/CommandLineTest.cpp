// The command line of velmira.exe: what each form asks for, and what is refused with which message.
#include <gtest/gtest.h>

#include <set>

#include "app/CommandLine.h"

using Arguments = std::vector<std::string>;

namespace {
// Only the files named here exist.
FileExists filesThere(std::set<std::string> paths) {
    return [paths](const std::string& path) { return paths.count(path) > 0; };
}

const std::string song = "C:\\曲\\夏の歌.mid";

// What a command line asks for, in a word or two each: "play silent song.mid", "record=x.txt".
std::string described(const CommandLine& line) {
    const char* const outputs[] = {"mapper", "silent", "record="};
    std::string text = (line.play ? "play " : "") + std::string(outputs[int(line.output)]) + line.recordPath;
    if (!line.replayPath.empty()) text += " replay=" + line.replayPath;
    return line.songPath.empty() ? text : text + " " + line.songPath;
}
}  // namespace

TEST(CommandLineTest, UnderstandsEveryFormOfTheCommandLineAndSaysWhenTheSongIsMissing) {
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{}, "mapper"},
        {{"/play", song, ""}, "play mapper " + song},
        {{"/PLAY", "/Out:Null", song}, "play silent " + song},
        {{"/out:record=D:\\記録\\Log.TXT", song}, "record=D:\\記録\\Log.TXT " + song},
        {{"/out:null", "/out:record=y.txt"}, "record=y.txt"},  // last wins
        {{"/play", "/home/me/song.mid"}, "play mapper /home/me/song.mid"},
        {{"/IN:Replay=" + song}, "mapper replay=" + song},
        // A missing song is said, and the program starts without it on the rest of the line.
        {{"/play", "/out:null", "gone.mid"}, "silent; gone.mid が見つかりません"},
    };
    for (const auto& [arguments, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CommandLineResult result = parseCommandLine(arguments, filesThere({song, "/home/me/song.mid"}));
        const std::string said = result.problem == CommandLineResult::none ? "" : "; " + result.message;
        EXPECT_EQ(std::pair(result.endProgram(), described(result.line) + said), std::pair(false, expected));
    }
}

TEST(CommandLineTest, RefusesWhatItDoesNotUnderstandAndEndsTheProgram) {
    const std::string usage =
        "\n\n使い方: velmira.exe [/play] [/out:null | /out:record=ファイル] [/in:replay=ファイル] [曲.mid]";
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{"/loop", song}, "不明なスイッチです: /loop"},
        {{"/out:midi"}, "出力の指定が正しくありません: /out:midi"},
        {{"/out:record="}, "記録するファイルの名前がありません: /out:record="},
        {{"/in:replay=x.txt"}, "入力の記録が見つかりません: /in:replay=x.txt"},
        {{song, "b.mid"}, "曲のファイルは一つだけ指定できます: b.mid"},
        {{"gone.mid", "/x"}, "不明なスイッチです: /x"},  // a bad switch wins over a missing song
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CommandLineResult result = parseCommandLine(arguments, filesThere({song, "b.mid"}));
        EXPECT_EQ(std::pair(result.endProgram(), result.message), std::pair(true, message + usage));
    }
}

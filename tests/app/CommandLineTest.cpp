// The command line of velmira.exe: what each form asks for, and what is refused with which message.
#include <gtest/gtest.h>

#include <set>

#include "app/CommandLine.h"

using Arguments = std::vector<std::string>;

namespace {
const std::string song = "C:\\曲\\夏の歌.mid";

// What a command line asks for, in a word or two each: "play silent song.mid", "record=x.txt".
std::string described(const CommandLine& line) {
    const char* const outputs[] = {"mapper", "silent", "record="};
    std::string text = (line.play ? "play " : "") + std::string(outputs[int(line.output)]) + line.recordPath;
    if (!line.replayPath.empty()) text += " replay=" + line.replayPath;
    return line.songPath.empty() ? text : text + " " + line.songPath;
}
}  // namespace

// A line the program understands starts it on that line, a missing song said first; any other ends it with
// the reason and the usage.
TEST(CommandLineTest, UnderstandsEveryFormOfTheCommandLineAndRefusesAnyOther) {
    const std::string usage =
        "\n\n使い方: velmira.exe [/play] [/out:null | /out:record=ファイル] [/in:replay=ファイル] [曲.mid]";
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{}, "mapper"},
        {{"/play", song, ""}, "play mapper " + song},
        {{"/PLAY", "/Out:Null", song}, "play silent " + song},
        {{"/out:record=D:\\記録\\Log.TXT", song}, "record=D:\\記録\\Log.TXT " + song},
        {{"/out:null", "/out:record=y.txt"}, "record=y.txt"},  // last wins
        {{"/play", "/home/me/song.mid"}, "play mapper /home/me/song.mid"},
        {{"/IN:Replay=" + song}, "mapper replay=" + song},
        {{"/play", "/out:null", "gone.mid"}, "silent; gone.mid が見つかりません"},
        {{"/loop", song}, "不明なスイッチです: /loop" + usage},
        {{"/out:midi"}, "出力の指定が正しくありません: /out:midi" + usage},
        {{"/out:record="}, "記録するファイルの名前がありません: /out:record=" + usage},
        {{"/in:replay=x.txt"}, "入力の記録が見つかりません: /in:replay=x.txt" + usage},
        {{song, "b.mid"}, "曲のファイルは一つだけ指定できます: b.mid" + usage},
        {{"gone.mid", "/x"}, "不明なスイッチです: /x" + usage},  // a bad switch wins over a missing song
    };
    const std::set<std::string> existing = {song, "/home/me/song.mid", "b.mid"};  // only these files exist
    for (const auto& [arguments, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CommandLineResult result =
            parseCommandLine(arguments, [&](const std::string& path) { return existing.count(path) > 0; });
        const std::string said = result.problem == CommandLineResult::none ? "" : "; " + result.message;
        EXPECT_EQ(result.endProgram() ? result.message : described(result.line) + said, expected);
    }
}

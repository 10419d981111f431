// The program's own texts for failures the lower layers report as values, every value of every kind,
// against tests/golden/message-texts.txt; the silent ones have none.
#include <gtest/gtest.h>

#include "app/Messages.h"
#include "tests/support/Golden.h"

TEST(MessageTexts, EachReportedFailureHasItsOwnTextAndTheSilentOnesNone) {
    std::string text;
    auto line = [&text](const std::string& call, int value, std::string shown) {
        for (size_t at = shown.find('\n'); at != std::string::npos; at = shown.find('\n', at))
            shown.replace(at, 1, "\\n");
        text += call + " " + std::to_string(value) + ": " + shown + "\n";
    };
    for (int e = 0; e <= int(DeviceError::other); ++e) {
        const DeviceError error = DeviceError(e);
        line("playback", e, playbackFailureText(error));
        line("open", e, openFailureText(error, "Windows' own words"));
        line("close reset", e, closeFailureText({CloseFailure::reset, error}));
        line("close", e, closeFailureText({CloseFailure::close, error}));
    }
    for (int e = 0; e <= int(ImageError::noMemory); ++e) {
        line("preview", e, previewFailureText(ImageError(e)));
        line("compose", e, composeFailureText(ImageError(e)));
        line("plugin picture", e, pluginFailureText(PluginResult::fromPicture(ImageError(e))));
    }
    line("progress", 49, conversionProgressText(49));
    for (int e = 0; e <= int(EffectTimeRefusal::endNotAfterStart); ++e)
        line("effect time", e, effectTimeRefusalText(EffectTimeRefusal(e)));
    for (int e = 0; e <= int(GeneratorError::noMemory); ++e)
        line("generator", e, generatorFailureText(GeneratorError(e)));
    for (int code = -2; code <= 9; ++code)
        line("plugin code", code, pluginFailureText(PluginResult::failed(code)));
    for (int kind = PluginResult::ok; kind <= PluginResult::lockFailed; ++kind)
        line("plugin", kind, pluginFailureText({PluginResult::Kind(kind)}));
    for (int kind = FileDialogFailure::missingFile; kind <= FileDialogFailure::timerRefused; ++kind) {
        FileDialogFailure failure{FileDialogFailure::Kind(kind)};
        failure.path = "C:\\曲\\なし.mid";
        failure.pictureError = ImageError::compressed;
        failure.pluginResult = {PluginResult::noLibrary};
        line("file dialog", kind, fileDialogFailureText(failure));
    }
    line("record file", 0, recordFileFailedMessage("Z:\\x\\rec.txt"));
    for (int at : {0, 7}) line("replay refused at line", at, replayRefusedMessage("Z:\\x\\keys.txt", at));
    expectGolden("message-texts.txt", text);
}

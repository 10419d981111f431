#include "web/engine/WebPlatform.h"

#include <emscripten.h>

#include <algorithm>

#include "app/Messages.h"
#include "app/Settings.h"

// The page's modal prompt for a second of playing time (the page's askSeconds); -1 when cancelled.
EM_JS(int, askSecondsInPage, (const char* prompt, int initial),
      { return globalThis.velmiraPage.askSeconds(UTF8ToString(prompt), initial); });

// False when the browser refuses (storage off, full).
EM_JS(int, keepInLocalStorage, (const char* name, const char* text), {
    try {
        if (text)
            localStorage.setItem(UTF8ToString(name), UTF8ToString(text));
        else
            localStorage.removeItem(UTF8ToString(name));
        return 1;
    } catch (e) {
        return 0;
    }
});

EM_JS(int, confirmInPage, (const char* question), { return globalThis.confirm(UTF8ToString(question)); });

EM_JS(void, alertInPage, (const char* text), { globalThis.alert(UTF8ToString(text)); });

void WebPlatform::showRefusal(EffectTimeRefusal refusal) {
    showMessage(effectTimeRefusalText(refusal));
}

std::optional<int32_t> WebPlatform::askEffectTime(const EffectTimeQuestion& question) {
    EffectTimeQuestion asked = question;
    for (;;) {
        const std::string prompt = asked.prompt() + "\n" + asked.readOut();
        const int answer = askSecondsInPage(prompt.c_str(), asked.value());
        if (answer < 0) return std::nullopt;
        const int32_t seconds =
            std::clamp<int32_t>(answer, EffectTimeQuestion::minimum, EffectTimeQuestion::maximum);
        asked = EffectTimeQuestion(question.mode(), seconds, question.start());
        if (asked.acceptable()) return seconds;
        // As the dialog does, the refusal is shown and the question stays open.
        alertInPage(effectTimeRefusalText(EffectTimeRefusal::endNotAfterStart).c_str());
    }
}

bool WebPlatform::kept(const std::string& entryName, const std::string* text) {
    return keepInLocalStorage(entryName.c_str(), text ? text->c_str() : nullptr);
}

bool WebPlatform::askYesNo(const std::string& question) {
    return confirmInPage(question.c_str());
}

std::optional<std::string> WebPlatform::choosePicture(const std::string&) {
    std::optional<std::string> taken = std::move(choice);
    choice.reset();
    return taken;
}

PluginResult WebPlatform::decodeWithPlugins(const std::string& path, const std::string&, DibImage& picture) {
    const auto decoded = decodedPictures.find(path);
    if (decoded == decodedPictures.end()) return PluginResult::failed(getPictureResult::unknownFormat);
    if (decoded->second.result.succeeded()) picture = decoded->second.picture;
    return decoded->second.result;
}

std::optional<std::string> WebPlatform::chooseFileToSave(const std::string&, const std::string&,
                                                         const std::string& extension) {
    if (extension == "bmp") return std::string(Settings::defaultBackground);
    const size_t dot = songName.rfind('.');
    return (dot == std::string::npos ? songName : songName.substr(0, dot)) + "-played.mid";
}

bool WebPlatform::writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (path != Settings::defaultBackground) {
        saved = {path, bytes};
        return true;
    }
    FileData& face = files[path];
    face.status = FileData::ok;
    face.bytes = keptFace = bytes;
    return true;
}

std::optional<std::string> WebPlatform::takeChoice() {
    std::optional<std::string> taken = std::move(choice);
    choice.reset();
    if (taken) songName = *taken;
    return taken;
}

#include "app/GeneratorMenu.h"

#include "app/Messages.h"
#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "resources/CommandIds.h"

bool GeneratorMenu::handles(int id) const {
    return id == IDM_GENERATE_TEXT || id == IDM_GENERATE_PICTURE || id == IDM_GENERATE_RANDOM;
}

void GeneratorMenu::run(int id) {
    if (player_.playing()) return;
    switch (id) {
        case IDM_GENERATE_TEXT:
            return makeTextSong();
        case IDM_GENERATE_PICTURE:
            return makePictureSong();
        default:
            return makeRandomSong();
    }
}

void GeneratorMenu::makeTextSong() {
    const std::string path = dialogs_.chooseSourceFile(textSourceFilter).value_or("");  // none when cancelled
    if (path.empty()) return;
    // A text longer than the command takes is refused by its size before it is read.
    const FileData file = files_.readFile(path, maxTextSourceSize);
    if (file.status == FileData::tooLarge)
        return open(GeneratedSong::failure(GeneratorError::textTooLarge), path);
    if (file.status == FileData::noMemory)
        return open(GeneratedSong::failure(GeneratorError::noMemory), path);
    // A text that cannot be read is passed over without a word.
    if (file.status != FileData::ok) return;
    open(buildTextSong(file.bytes, random_), path);
}

void GeneratorMenu::makePictureSong() {
    const std::string path =
        dialogs_.chooseSourceFile(pictureSourceFilter).value_or("");  // none when cancelled
    if (path.empty()) return;
    const FileStream file = files_.openFile(path);
    if (file.status != FileData::ok)
        return open(GeneratedSong::failure(GeneratorError::pictureOpenFailed), path);
    open(buildPictureSong(*file.in, random_), path);
}

void GeneratorMenu::makeRandomSong() {
    open(buildRandomSong(clock_.clockSeconds(), random_), randomSongTitle);
}

void GeneratorMenu::open(GeneratedSong song, const std::string& path) {
    if (!song.ok()) {
        const std::string text = generatorFailureText(song.error);
        if (!text.empty()) window_.showMessage(text);
        return;
    }
    songs_.openGeneratedSong(std::move(song.image), path);
}

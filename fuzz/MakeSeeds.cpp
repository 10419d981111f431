// velmira-fuzz-seeds FOLDER: writes a small seed corpus for each fuzz target into FOLDER/<target>/, made by
// the program's own writers and the tests' builders, so that no binary file is kept in the repository.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "generators/TextSound.h"
#include "images/LittleEndian.h"
#include "playback/SmfWriter.h"
#include "tests/images/BmpBuilder.h"
#include "tests/support/DenseSong.h"
#include "tools/demo/DemoSong.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {
bool written = true;

void write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    std::ofstream file(folder / name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    written = written && bool(file);
}

Bytes concat(Bytes front, const Bytes& back) {
    front.insert(front.end(), back.begin(), back.end());
    return front;
}

// The song target's first 32 bytes: effect, window, pitch map, key signature, live controls.
Bytes songSettings(uint8_t effect, uint8_t controls) {
    Bytes settings = {effect, 0, 0, 0x10, 0x0E};
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) settings.push_back(uint8_t(11 + pitchClass % 5));
    settings.insert(settings.end(), {2, 3, controls, 15, 3, 4, 80, 0x04, 0x00});
    settings.resize(32);
    return settings;
}

void songSeeds(const fs::path& folder) {
    SmfTrack tempos;
    tempos.tempo(0, 400000).tempo(240, 700000).tempo(1, 90000).endOfTrack(960);
    SmfTrack notes;
    const uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    notes.sysEx(0, gmOn, sizeof gmOn).shortMessage(0, 0xC0, 5).shortMessage(0, 0x90, 60, 100);
    notes.raw(120, {62, 90}).shortMessage(0, 0xE0, 0, 0x50).shortMessage(120, 0x80, 60, 0).endOfTrack();
    const Bytes small = SmfWriter(1, 120).track(tempos).track(notes).bytes();
    const Bytes formatZero = SmfWriter(0, 96).track(notes).bytes();
    PseudoRandom random;
    random.seed(7);
    const GeneratedSong text = buildTextSong(Bytes(300, 'a'), random);

    write(folder, "small", concat(songSettings(0, 0), small));
    write(folder, "small-folk", concat(songSettings(1, 0x0F), small));
    write(folder, "format0-keysignature", concat(songSettings(10, 0x03), formatZero));
    write(folder, "format0-custom", concat(songSettings(11, 0x0C), formatZero));
    write(folder, "dense-mirror", concat(songSettings(7, 0x01), denseSong(3, 12)));
    write(folder, "demo-suspense", concat(songSettings(9, 0x02), demoSong()));
    if (text.ok()) write(folder, "text-song", concat(songSettings(2, 0), text.image));
}

void skinSeeds(const fs::path& folder) {
    write(folder, "button-sheet", BmpBuilder(116, 213, 24).bytes());
    write(folder, "face-headers", BmpBuilder(788, 540, 24).bytes(64));
    write(folder, "small-24", BmpBuilder(4, 3, 24).bytes());
}

void previewSeeds(const fs::path& folder) {
    for (int bits : {1, 4, 8, 16, 24}) {
        BmpBuilder bmp(7, 5, bits);
        for (int row = 0; row < 5; ++row) bmp.row(row)[0] = uint8_t(0x5A + row);
        write(folder, "bottom-up-" + std::to_string(bits), bmp.bytes());
        write(folder, "top-down-" + std::to_string(bits), BmpBuilder(3, -2, bits).bytes());
    }
    write(folder, "short-palette-8", BmpBuilder(2, 2, 8).paletteLength(3).coloursUsed(3).bytes());
}

void pictureSeeds(const fs::path& folder) {
    BmpBuilder palette(64, 64, 8);
    for (int index = 0; index < 256; ++index) palette.paletteEntry(size_t(index), uint32_t(index * 0x010203));
    for (int row = 0; row < 64; ++row)
        for (int column = 0; column < 64; ++column) palette.row(row)[column] = uint8_t(row * 4 + column);
    write(folder, "64x64-8", palette.bytes());
    BmpBuilder colour(65, 64, 24);
    for (int row = 0; row < 64; ++row) colour.pixel24(row, row, 0x00FF00u + uint32_t(row));
    write(folder, "65x64-24", colour.bytes());
}

void textSeeds(const fs::path& folder) {
    std::string ascii;
    while (ascii.size() < 300) ascii += "The quick brown fox jumps over the lazy dog. 0123456789\r\n";
    write(folder, "ascii", Bytes(ascii.begin(), ascii.end()));
    std::string japanese;
    while (japanese.size() < 400) japanese += "いろはにほへと ちりぬるを\n";
    write(folder, "utf8", Bytes(japanese.begin(), japanese.end()));
    Bytes everyByte(512);
    for (size_t i = 0; i < everyByte.size(); ++i) everyByte[i] = uint8_t(i);
    write(folder, "every-byte", everyByte);
}

// The settings target reads entries: key choice, name choice, kind, then the value.
void settingsSeeds(const fs::path& folder) {
    auto text = [](uint8_t key, uint8_t name, const std::string& value) {
        Bytes entry = {key, name, 0, uint8_t(value.size())};
        entry.insert(entry.end(), value.begin(), value.end());
        return entry;
    };
    auto number = [](uint8_t key, uint8_t name, uint32_t value) {
        Bytes entry = {key, name, 1, 0, 0, 0, 0};
        writeLe32(&entry[3], value);
        return entry;
    };
    Bytes all = {0};
    for (const Bytes& entry : {text(1, 0, "C:\\Songs"), text(1, 1, "C:\\Saved"), text(1, 2, ""),
                               text(2, 3, "C:\\a.mid"), text(2, 4, "C:\\b.mid"), text(2, 5, "empty"),
                               text(2, 6, "C:\\c.mid"), number(3, 10, 2), text(3, 11, "Back.bmp")})
        all = concat(all, entry);
    write(folder, "all-values", all);
    write(folder, "wrong-kinds", concat(Bytes{0}, concat(number(1, 0, 5), text(3, 10, "1"))));
    write(folder, "refused", Bytes{0xFF});
}

// The plug-in target: the information block's length (2 bytes, little-endian), the block, the pixels.
void pluginSeeds(const fs::path& folder) {
    for (int bits : {1, 4, 8, 24}) {
        const Bytes file = BmpBuilder(5, 3, bits).bytes();
        const size_t pixelsAt = readLe32(&file[10]);
        Bytes seed(2);
        writeLe16(&seed[0], uint16_t(pixelsAt - 14));
        seed.insert(seed.end(), file.begin() + 14, file.end());
        write(folder, "bits-" + std::to_string(bits), seed);
    }
}

// The input target: a keyboard's lines in both forms, with running status and a SysEx.
void inputSeeds(const fs::path& folder) {
    const std::string lines =
        "1000\t90 3C 64\n2000\t3E 64\n2500\tF0 7E 7F 09 01 F7\n3000\t80 3C 00\n"
        "10 B0 07 64\t4000\n20 C0 05\t5000\n6000\t90 3E 00\n";
    write(folder, "keyboard", Bytes(lines.begin(), lines.end()));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmira-fuzz-seeds FOLDER\n");
        return 2;
    }
    const fs::path top = argv[1];
    songSeeds(top / "SongFuzzer");
    skinSeeds(top / "SkinFuzzer");
    previewSeeds(top / "PreviewFuzzer");
    pictureSeeds(top / "PictureSoundFuzzer");
    textSeeds(top / "TextSoundFuzzer");
    settingsSeeds(top / "SettingsFuzzer");
    pluginSeeds(top / "PluginPictureFuzzer");
    inputSeeds(top / "InputLinesFuzzer");
    if (!written) {
        std::fprintf(stderr, "%s: the seeds could not all be written\n", argv[1]);
        return 1;
    }
    return 0;
}

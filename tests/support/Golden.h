#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "playback/MessageLine.h"

// Texts and bytes the program must keep exactly are pinned in tests/golden, one file per kind, and
// compared whole. VELMIRA_UPDATE_GOLDEN=1 writes the file instead: review its diff before committing.
inline void expectGolden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(VELMIRA_GOLDEN_DIR) + "/" + name;
    if (std::getenv("VELMIRA_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream want(path, std::ios::binary);
    ASSERT_TRUE(want) << path << " is missing";
    // The first differing line, since the files are long.
    std::istringstream got(actual);
    for (int line = 1; want || got; ++line) {
        std::string wantLine, gotLine;
        std::getline(want, wantLine);
        std::getline(got, gotLine);
        ASSERT_EQ(gotLine, wantLine) << name << " line " << line;
    }
}

// Bytes as lines of 32 hexadecimal pairs, written as the message lines write bytes (without their time).
inline std::string hexLines(const std::vector<uint8_t>& bytes) {
    std::string text;
    for (size_t at = 0; at < bytes.size(); at += 32) {
        char line[messageLineCapacity];
        formatMessageLine(0, &bytes[at], std::min<size_t>(32, bytes.size() - at), line, sizeof line);
        text += std::string(line + 2) + "\n";
    }
    return text;
}

// A picture pinned by a hash of its bytes, one "name hash" line per picture in the golden file.
// VELMIRA_UPDATE_GOLDEN=1 rewrites the file; a picture that changed is then seen in the program itself.
struct GoldenPicture {
    std::string name;
    std::vector<uint8_t> bmp;  // the whole .bmp file
    std::string extra;         // anything else the hash covers, such as the texts drawn
};

// FNV-1a of the bytes.
inline uint64_t fingerprint(const std::string& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (char c : bytes) hash = (hash ^ uint8_t(c)) * 1099511628211ull;
    return hash;
}

inline std::string goldenHash(const GoldenPicture& picture) {
    char text[17];
    const std::string bytes = std::string(picture.bmp.begin(), picture.bmp.end()) + picture.extra;
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(fingerprint(bytes)));
    return text;
}

// The pictures a hash was seen to match are kept, named by their hash, in a folder of the machine's
// temporary files, so that a picture that differs later can be shown beside the one it should be: the two
// and their difference (the changed bytes white, the rest dimmed) are written there as BMP files.
inline std::string keptPicturePath(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / "velmira-golden-pictures";
    std::filesystem::create_directories(folder);
    return (folder / (name + ".bmp")).string();
}

// Whole or not at all, since other checkouts on the machine may read the kept pictures at the same time.
inline std::string writeWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path + ".part", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::filesystem::rename(path + ".part", path);
    return path;
}

inline std::string writeDifference(const GoldenPicture& picture, const std::string& expectedHash) {
    std::string said = "\n  now: " + writeWhole(keptPicturePath(picture.name + "-now"), picture.bmp);
    std::ifstream kept(keptPicturePath(expectedHash), std::ios::binary);
    const std::vector<uint8_t> expected{std::istreambuf_iterator<char>(kept), {}};
    if (expected.size() != picture.bmp.size() || expected.size() < 14)
        return said + "\n  (the expected picture was never kept here, or its size differs)";
    std::vector<uint8_t> difference = picture.bmp;
    const size_t pixels = size_t(expected[10]) | size_t(expected[11]) << 8 | size_t(expected[12]) << 16;
    for (size_t i = pixels; i < difference.size(); ++i)
        difference[i] = expected[i] == picture.bmp[i] ? uint8_t(expected[i] / 4) : 0xFF;
    return said + "\n  expected: " + writeWhole(keptPicturePath(picture.name + "-expected"), expected) +
           "\n  difference: " + writeWhole(keptPicturePath(picture.name + "-difference"), difference);
}

inline void expectGoldenPictures(const std::string& name, const std::vector<GoldenPicture>& pictures) {
    std::string actual;
    for (const GoldenPicture& p : pictures) actual += p.name + " " + goldenHash(p) + "\n";
    if (std::getenv("VELMIRA_UPDATE_GOLDEN")) return expectGolden(name, actual);
    std::ifstream file(std::string(VELMIRA_GOLDEN_DIR) + "/" + name);
    ASSERT_TRUE(file) << name << " is missing";
    std::map<std::string, std::string> expected;
    for (std::string pictureName, hash; file >> pictureName >> hash;) expected[pictureName] = hash;
    for (const GoldenPicture& p : pictures) {
        const std::string hash = goldenHash(p);
        if (hash != expected[p.name]) {
            ADD_FAILURE() << name << ": " << p.name << " differs" << writeDifference(p, expected[p.name])
                          << "\n"
                          << p.extra;
        } else if (!std::filesystem::exists(keptPicturePath(hash))) {
            writeWhole(keptPicturePath(hash), p.bmp);
        }
    }
}

#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// Texts and bytes the program must keep exactly are pinned in tests/golden, one file per kind, and
// compared whole. VELMIRA_UPDATE_GOLDEN=1 writes the file instead: review its diff before committing.
inline void expectGolden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(VELMIRA_GOLDEN_DIR) + "/" + name;
    if (std::getenv("VELMIRA_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path << " is missing";
    std::ostringstream expected;
    expected << file.rdbuf();
    // The first differing line, since the files are long.
    std::istringstream want(expected.str()), got(actual);
    for (int line = 1; want || got; ++line) {
        std::string wantLine, gotLine;
        std::getline(want, wantLine);
        std::getline(got, gotLine);
        ASSERT_EQ(gotLine, wantLine) << name << " line " << line;
    }
}

// Bytes as lines of 32 hexadecimal pairs.
inline std::string hexLines(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
        text += (i % 32 == 31 || i + 1 == bytes.size()) ? '\n' : ' ';
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

inline std::string goldenHash(const GoldenPicture& picture) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    const auto add = [&](uint8_t byte) { hash = (hash ^ byte) * 1099511628211ull; };
    for (uint8_t byte : picture.bmp) add(byte);
    for (char c : picture.extra) add(uint8_t(c));
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

inline void expectGoldenPictures(const std::string& name, const std::vector<GoldenPicture>& pictures) {
    std::string actual;
    for (const GoldenPicture& p : pictures) actual += p.name + " " + goldenHash(p) + "\n";
    if (std::getenv("VELMIRA_UPDATE_GOLDEN")) return expectGolden(name, actual);
    std::ifstream file(std::string(VELMIRA_GOLDEN_DIR) + "/" + name);
    ASSERT_TRUE(file) << name << " is missing";
    std::map<std::string, std::string> expected;
    for (std::string pictureName, hash; file >> pictureName >> hash;) expected[pictureName] = hash;
    for (const GoldenPicture& p : pictures)
        EXPECT_EQ(goldenHash(p), expected[p.name]) << name << ": " << p.name << " differs\n" << p.extra;
}

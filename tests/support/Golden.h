#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
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

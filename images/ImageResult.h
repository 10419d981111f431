#pragma once
#include <string>
#include <utility>

// The outcome of reading or composing a picture; on failure, the text the window shows in its OK box.
struct ImageResult {
    bool ok = true;
    std::string message;

    static ImageResult success() { return {}; }
    static ImageResult failure(std::string message) { return {false, std::move(message)}; }
};

#pragma once
#include <memory>
#include <string>

#include "resources/skin/Picture.h"

enum class Align { left, centre, right };

// Draws UTF-8 labels with one outline font, anti-aliased onto whatever the picture holds.
class TextRenderer {
  public:
    // Empty result (and a reason in error) when the font cannot be opened.
    static std::unique_ptr<TextRenderer> open(const std::string& fontPath, std::string& error);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Advance width of the text at the given pixel size.
    int measure(const std::string& utf8, int pixelSize);
    // Draws the text with its baseline at y; x is the left edge, the centre or the right edge.
    void draw(Picture& picture, const std::string& utf8, int x, int baseline, int pixelSize, Rgb colour,
              Align align = Align::left);

  private:
    struct Impl;
    explicit TextRenderer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

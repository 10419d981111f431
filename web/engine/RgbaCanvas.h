#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Canvas.h"
#include "app/DibCanvas.h"
#include "images/SkinSizes.h"

// The page's face: the skin's size in RGBA pixels, rows from the top, as the browser's canvas takes them. The
// read-outs keep their text by origin for the page to write over their black boxes in its own font.
struct RgbaFace {
    static constexpr int width = faceWidth;
    static constexpr int height = faceHeight;
    // The read-out box: a character cell a byte, as the window's default font has it.
    static constexpr int textCellWidth = DibCanvas::textCellWidth;
    static constexpr int textCellHeight = DibCanvas::textCellHeight;

    std::vector<uint32_t> pixels = std::vector<uint32_t>(size_t(width) * height, 0xFF000000);
    std::map<std::pair<int, int>, std::string> readouts;
    int drawings = 0;  // canvases opened, paints included
};

// Draws on the page's face. Sprites come from 24-bit pictures (the skin) and are combined a byte at a time
// by the raster operation, as on a screen; everything is clipped at the edges of both pictures.
class RgbaCanvas : public Canvas {
  public:
    explicit RgbaCanvas(RgbaFace& face) : face_(face) { ++face_.drawings; }
    void drawImage(const DibImage& image, const face::SheetRect& source, face::Point destination,
                   RasterOp op) override;
    void fillRect(const face::Rect& rect, uint32_t packedColour) override;
    void drawText(face::Point origin, const std::string& text) override;

  private:
    RgbaFace& face_;
};

class RgbaCanvasSource : public CanvasSource {
  public:
    explicit RgbaCanvasSource(RgbaFace& face) : face_(face) {}
    std::unique_ptr<Canvas> openCanvas() override { return std::make_unique<RgbaCanvas>(face_); }

  private:
    RgbaFace& face_;
};

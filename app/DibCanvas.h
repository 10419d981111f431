#pragma once
#include <string>
#include <vector>

#include "app/Canvas.h"
#include "images/DibImage.h"

// A read-out text as it was asked for; a picture in memory has no font, so the text itself is kept.
struct DrawnText {
    face::Point origin;
    std::string text;
};

// A canvas on a 24-bit picture in memory (the face as the tests see it). Pictures are combined byte by
// byte with the raster operation, and everything is clipped at the edges of both pictures. A read-out is
// its opaque background box only: textCellWidth x textCellHeight per byte of text, black; the text goes
// to the log.
class DibCanvas : public Canvas {
  public:
    static constexpr int textCellWidth = 8;
    static constexpr int textCellHeight = 16;

    // Draws nothing on a screen that is not a complete 24-bit picture.
    DibCanvas(DibImage& screen, std::vector<DrawnText>& textLog);

    // Copies nothing from a source that is not a complete 24-bit picture.
    void drawImage(const DibImage& image, const face::SheetRect& source, face::Point destination,
                   RasterOp op) override;
    void fillRect(const face::Rect& rect, uint32_t packedColour) override;
    void drawText(face::Point origin, const std::string& text) override;

  private:
    DibImage& screen_;
    std::vector<DrawnText>& textLog_;
    bool usable_;
};

// Opens canvases on one picture in memory, all writing to one text log.
class DibCanvasSource : public CanvasSource {
  public:
    explicit DibCanvasSource(DibImage& screen) : screen_(screen) {}
    std::unique_ptr<Canvas> openCanvas() override;

    std::vector<DrawnText> texts;

  private:
    DibImage& screen_;
};

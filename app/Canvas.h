#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "app/FaceLayout.h"
#include "images/DibImage.h"

// How a picture is combined with what is already on the surface. Transparent sprites are drawn in two
// passes: the mask with AND (black where the sprite shows), then the sprite with OR.
enum class RasterOp { copy, andMask, orPaint };

// A surface the face is drawn on: the window's client area through GDI in the program, a DibImage in the
// tests. Coordinates are face coordinates (client pixels, y downwards).
class Canvas {
  public:
    virtual ~Canvas() = default;
    // Copies the part of image given by source (y counted from the image's top row as seen) to destination.
    virtual void drawImage(const DibImage& image, const face::SheetRect& source, face::Point destination,
                           RasterOp op) = 0;
    // Fills the rectangle (right and bottom exclusive) with a packed colour.
    virtual void fillRect(const face::Rect& rect, uint32_t packedColour) = 0;
    // Read-out text: white on an opaque black background, its top-left corner at origin.
    virtual void drawText(face::Point origin, const std::string& text) = 0;
};

// Where drawing outside a paint goes: each operation opens a canvas on the window, draws, and closes it.
class CanvasSource {
  public:
    virtual ~CanvasSource() = default;
    virtual std::unique_ptr<Canvas> openCanvas() = 0;
};

#pragma once
#include <windows.h>

#include "app/Canvas.h"

// The fixed-pitch font of the read-outs: 16 pixels high, so that "00:00" and a four-digit tempo fit the
// panels of the face. "MS Gothic" on a Japanese system; elsewhere the font mapper picks a fixed-pitch face
// (Wine substitutes IPAGothic for it when the font substitutes are set).
class ReadoutFont {
  public:
    ReadoutFont();
    ~ReadoutFont();
    ReadoutFont(const ReadoutFont&) = delete;
    ReadoutFont& operator=(const ReadoutFont&) = delete;
    HFONT handle() const { return font_; }

  private:
    HFONT font_;
};

// A canvas on a device context: the window's client area in a paint or between paints, or a memory DC.
// The font is selected for the canvas's lifetime and the previous one put back at the end.
class GdiCanvas : public Canvas {
  public:
    GdiCanvas(HDC dc, HFONT font);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    // Copies nothing from a picture that is not complete.
    void drawImage(const DibImage& image, const face::SheetRect& source, face::Point destination,
                   RasterOp op) override;
    void fillRect(const face::Rect& rect, uint32_t packedColour) override;
    void drawText(face::Point origin, const std::string& text) override;

  private:
    HDC dc_;
    HGDIOBJ previousFont_;
};

// Canvases on a window's client area between paints: each takes the window's DC and releases it when the
// canvas goes.
class WindowCanvasSource : public CanvasSource {
  public:
    explicit WindowCanvasSource(HWND window) : window_(window) {}
    std::unique_ptr<Canvas> openCanvas() override;
    // For the paint, which draws on the DC it is given.
    HFONT font() const { return font_.handle(); }

  private:
    HWND window_;
    ReadoutFont font_;
};

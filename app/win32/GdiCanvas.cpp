#include "app/win32/GdiCanvas.h"

#include <optional>

#include "app/BlitClip.h"
#include "platform/win32/WideText.h"

namespace {
DWORD ropOf(RasterOp op) {
    switch (op) {
        case RasterOp::andMask:
            return SRCAND;
        case RasterOp::orPaint:
            return SRCPAINT;
        case RasterOp::copy:
            break;
    }
    return SRCCOPY;
}

// Packed colours and COLORREF share one layout: red in the low byte, then green, then blue.
COLORREF colourOf(uint32_t packed) {
    return COLORREF(packed & 0xFFFFFF);
}

// The window's DC, held until the canvas drawing on it is gone (bases are destroyed in reverse order).
struct WindowDc {
    explicit WindowDc(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window, dc); }
    HWND window;
    HDC dc;
};

class WindowCanvas : private WindowDc, public GdiCanvas {
  public:
    WindowCanvas(HWND window, HFONT font) : WindowDc(window), GdiCanvas(dc, font) {}
};
}  // namespace

ReadoutFont::ReadoutFont()
    : font_(CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"MS Gothic")) {}

ReadoutFont::~ReadoutFont() {
    if (font_) DeleteObject(font_);
}

GdiCanvas::GdiCanvas(HDC dc, HFONT font) : dc_(dc), previousFont_(font ? SelectObject(dc, font) : nullptr) {}

GdiCanvas::~GdiCanvas() {
    if (previousFont_) SelectObject(dc_, previousFont_);
}

void GdiCanvas::drawImage(const DibImage& image, const face::SheetRect& source, face::Point destination,
                          RasterOp op) {
    if (!image.isComplete()) return;
    const std::optional<Blit> blit = clipToSource({source, destination}, image.width(), image.height());
    if (!blit) return;
    const face::SheetRect& s = blit->source;
    // A bottom-up DIB is addressed from its bottom row.
    StretchDIBits(dc_, blit->destination.x, blit->destination.y, s.width, s.height, s.x,
                  s.storedY(image.height()), s.width, s.height, image.pixels(),
                  reinterpret_cast<const BITMAPINFO*>(image.block().data()), DIB_RGB_COLORS, ropOf(op));
}

void GdiCanvas::fillRect(const face::Rect& rect, uint32_t packedColour) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    const HBRUSH brush = CreateSolidBrush(colourOf(packedColour));
    if (!brush) return;
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void GdiCanvas::drawText(face::Point origin, const std::string& text) {
    const std::wstring wide = widen(text);
    SetTextColor(dc_, RGB(255, 255, 255));
    SetBkColor(dc_, RGB(0, 0, 0));
    SetBkMode(dc_, OPAQUE);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutW(dc_, origin.x, origin.y, wide.c_str(), int(wide.size()));
}

std::unique_ptr<Canvas> WindowCanvasSource::openCanvas() {
    return std::make_unique<WindowCanvas>(window_, font_.handle());
}

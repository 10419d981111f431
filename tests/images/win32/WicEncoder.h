#pragma once
#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <string>
#include <vector>

// Pictures in the formats the program's own plug-ins decode, written by the platform's encoders for the
// tests. COM must be initialised on the calling thread.
namespace wic {
template <typename T>
struct Com {
    T* object = nullptr;
    ~Com() {
        if (object) object->Release();
    }
    T* operator->() const { return object; }
};

struct Colour {
    uint8_t red, green, blue;
};

// Writes a picture with the platform's own encoder: 24-bit pixels, or 8-bit indices with a palette.
// Returns false when the encoder would not take the pixel format as given.
inline bool encodePicture(const std::wstring& path, REFGUID container, int width, int height,
                          const std::vector<Colour>& pixels, const std::vector<Colour>& palette = {}) {
    const bool indexed = !palette.empty();
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    Com<IPropertyBag2> options;
    Com<IWICPalette> wicPalette;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.object))) ||
        FAILED(factory->CreateStream(&stream.object)) ||
        FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(container, nullptr, &encoder.object)) ||
        FAILED(encoder->Initialize(stream.object, WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame.object, &options.object)) ||
        FAILED(frame->Initialize(options.object)) || FAILED(frame->SetSize(UINT(width), UINT(height))))
        return false;
    WICPixelFormatGUID format = indexed ? GUID_WICPixelFormat8bppIndexed : GUID_WICPixelFormat24bppBGR;
    const WICPixelFormatGUID wanted = format;
    if (FAILED(frame->SetPixelFormat(&format)) || format != wanted) return false;
    const UINT stride = indexed ? UINT(width + 3) / 4 * 4 : UINT(width * 3 + 3) / 4 * 4;
    std::vector<BYTE> rows(size_t(stride) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Colour& c = pixels[size_t(y * width + x)];
            if (indexed) {
                for (size_t i = 0; i < palette.size(); ++i) {
                    if (palette[i].red == c.red && palette[i].green == c.green && palette[i].blue == c.blue)
                        rows[y * stride + x] = BYTE(i);
                }
            } else {
                BYTE* p = &rows[y * stride + x * 3];
                p[0] = c.blue, p[1] = c.green, p[2] = c.red;
            }
        }
    }
    if (indexed) {
        std::vector<WICColor> colours;
        for (const Colour& c : palette) colours.push_back(0xFF000000u | c.red << 16 | c.green << 8 | c.blue);
        if (FAILED(factory->CreatePalette(&wicPalette.object)) ||
            FAILED(wicPalette->InitializeCustom(colours.data(), UINT(colours.size()))) ||
            FAILED(frame->SetPalette(wicPalette.object)))
            return false;
    }
    return SUCCEEDED(frame->WritePixels(UINT(height), stride, UINT(rows.size()), rows.data())) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}
}  // namespace wic

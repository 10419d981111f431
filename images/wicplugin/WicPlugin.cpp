// A Susie import plug-in that decodes pictures through the Windows Imaging Component, so that photographs
// can become the face's background without third-party plug-ins. One source makes one library per file
// type, because the program matches a plug-in by its first extension pattern alone.
#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "images/PluginResult.h"

namespace {
#if defined(VELMIRA_WIC_JPEG)
// "*.jpg" rather than "*.jpg;*.jpeg": the program's matching cuts the pattern after 7 characters, and
// only a plain "*.jpg" then also serves ".jpeg" files.
const char* const pluginTexts[] = {"00IN", "Velmira WIC JPEG plug-in", "*.jpg", "JPEG", "*.jpeg", "JPEG"};
bool hasSignature(const uint8_t* head, size_t size) {
    return size >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
}
#elif defined(VELMIRA_WIC_PNG)
const char* const pluginTexts[] = {"00IN", "Velmira WIC PNG plug-in", "*.png", "PNG"};
bool hasSignature(const uint8_t* head, size_t size) {
    static const uint8_t png[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return size >= sizeof png && std::memcmp(head, png, sizeof png) == 0;
}
#elif defined(VELMIRA_WIC_GIF)
const char* const pluginTexts[] = {"00IN", "Velmira WIC GIF plug-in", "*.gif", "GIF"};
bool hasSignature(const uint8_t* head, size_t size) {
    return size >= 6 && (std::memcmp(head, "GIF87a", 6) == 0 || std::memcmp(head, "GIF89a", 6) == 0);
}
#else
#error "Define the file type: VELMIRA_WIC_JPEG, VELMIRA_WIC_PNG or VELMIRA_WIC_GIF"
#endif

using ProgressCallback = int(WINAPI*)(int done, int total, LONG_PTR data);

// The published input modes of GetPicture and IsSupported.
constexpr UINT inputMask = 7;
constexpr UINT inputFromMemory = 1;
constexpr size_t headerBytes = 2048;  // what IsSupported is given in memory
// Pixel blocks above this are refused as memory that cannot be had, before any size overflows.
constexpr uint64_t largestBlock = 0x40000000;
// The program takes pictures of at most 1600 pixels a side, whose files hold some megabytes; a file far
// larger is refused before anything of it is read or held.
constexpr uint64_t largestFile = uint64_t(64) << 20;

template <typename T>
class ComRef {
  public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (object_) object_->Release();
    }
    T** put() { return &object_; }
    T* operator->() const { return object_; }
    T* get() const { return object_; }

  private:
    T* object_ = nullptr;
};

// Keeps COM usable on the caller's thread for one call, leaving whatever the caller set up untouched.
class ComScope {
  public:
    ComScope() : owned_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (owned_) CoUninitialize();
    }

  private:
    bool owned_;
};

bool readFile(const char* path, LONG_PTR offset, std::vector<uint8_t>& content) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && offset >= 0 && size.QuadPart >= offset &&
              uint64_t(size.QuadPart - offset) <= largestFile;
    if (ok) {
        try {
            content.resize(size_t(size.QuadPart - offset));
        } catch (const std::bad_alloc&) {
            CloseHandle(file);
            throw;  // GetPicture answers it
        }
        LARGE_INTEGER start{};
        start.QuadPart = offset;
        DWORD read = 0;
        ok = SetFilePointerEx(file, start, nullptr, FILE_BEGIN) &&
             (content.empty() || ReadFile(file, content.data(), DWORD(content.size()), &read, nullptr)) &&
             read == content.size();
    }
    CloseHandle(file);
    return ok;
}

bool reportProgress(FARPROC progress, int done, int total, LONG_PTR data) {
    return progress == nullptr ||
           reinterpret_cast<ProgressCallback>(reinterpret_cast<void*>(progress))(done, total, data) == 0;
}

// Repacks 32-bit blue-green-red-x rows, top row first, as GetPicture hands them over: 24-bit
// blue-green-red, bottom row first, each row padded to 4 bytes.
void packBottomUp(const std::vector<uint8_t>& topDown, UINT width, UINT height, size_t stride, BYTE* rows) {
    for (UINT y = 0; y < height; ++y) {
        const uint8_t* in = &topDown[size_t(y) * width * 4];
        BYTE* out = rows + stride * (height - 1 - y);
        for (UINT x = 0; x < width; ++x, in += 4, out += 3) std::copy(in, in + 3, out);
    }
}

int decode(std::vector<uint8_t>& content, HLOCAL* infoHandle, HLOCAL* bitsHandle, FARPROC progress,
           LONG_PTR data) {
    using namespace getPictureResult;
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put()))))
        return internalError;
    ComRef<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(content.data(), DWORD(content.size()))))
        return noMemory;
    ComRef<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                decoder.put())))
        return unknownFormat;
    // Every decoder's format converts to 32-bit colour; not all convert to 24 bits directly (paletted
    // ones under Wine do not), so the last step is done here.
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(decoder->GetFrame(0, frame.put())) ||
        FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0)
        return brokenData;
    const uint64_t stride = (uint64_t(width) * 24 + 31) / 32 * 4;
    if (uint64_t(width) * height * 4 > largestBlock) return noMemory;
    if (!reportProgress(progress, 0, int(height), data)) return cancelled;

    std::vector<uint8_t> topDown;
    try {
        topDown.resize(size_t(width) * height * 4);
    } catch (const std::bad_alloc&) {
        return noMemory;
    }
    if (FAILED(converter->CopyPixels(nullptr, width * 4, UINT(topDown.size()), topDown.data())))
        return brokenData;

    HLOCAL info = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(BITMAPINFOHEADER));
    HLOCAL bits = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, SIZE_T(stride * height));
    auto* header = info ? static_cast<BITMAPINFOHEADER*>(LocalLock(info)) : nullptr;
    auto* rows = bits ? static_cast<BYTE*>(LocalLock(bits)) : nullptr;
    if (header && rows) {
        *header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER),
                                   LONG(width),
                                   LONG(height),
                                   1,
                                   24,
                                   BI_RGB,
                                   DWORD(stride * height),
                                   0,
                                   0,
                                   0,
                                   0};
        packBottomUp(topDown, width, height, size_t(stride), rows);
    }
    if (header) LocalUnlock(info);
    if (rows) LocalUnlock(bits);
    int result = header && rows ? success : noMemory;
    if (result == success && !reportProgress(progress, int(height), int(height), data)) result = cancelled;
    if (result != success) {
        if (info) LocalFree(info);
        if (bits) LocalFree(bits);
        return result;
    }
    *infoHandle = info;
    *bitsHandle = bits;
    return success;
}
}  // namespace

extern "C" {
__declspec(dllexport) int WINAPI GetPluginInfo(int infoNumber, LPSTR buffer, int bufferLength) {
    constexpr int textCount = int(sizeof pluginTexts / sizeof pluginTexts[0]);
    if (infoNumber < 0 || infoNumber >= textCount || buffer == nullptr || bufferLength <= 0) return 0;
    const int length = std::min(int(std::strlen(pluginTexts[infoNumber])), bufferLength - 1);
    std::memcpy(buffer, pluginTexts[infoNumber], size_t(length));
    buffer[length] = '\0';
    return length;
}

// |data| is either a handle of the open file or, when it is above 0xFFFF, 2 KB of the file's start.
__declspec(dllexport) int WINAPI IsSupported(LPSTR, ULONG_PTR data) {
    uint8_t head[16] = {};
    if ((data >> 16) != 0) {
        std::memcpy(head, reinterpret_cast<const void*>(uintptr_t(data)), sizeof head);
        return hasSignature(head, sizeof head);
    }
    DWORD read = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(uintptr_t(data)), head, sizeof head, &read, nullptr)) return 0;
    return hasSignature(head, read);
}

// |buffer| is a file name (the picture starting |length| bytes in) or, in memory mode, the picture's
// |length| bytes. On success both handles belong to the caller, who frees them with LocalFree.
__declspec(dllexport) int WINAPI GetPicture(LPSTR buffer, LONG_PTR length, UINT flag, HLOCAL* info,
                                            HLOCAL* bits, FARPROC progress, LONG_PTR data) {
    using namespace getPictureResult;
    if (buffer == nullptr || info == nullptr || bits == nullptr) return internalError;
    // An exception must not cross into the calling program, which knows only result codes.
    try {
        std::vector<uint8_t> content;
        if ((flag & inputMask) == inputFromMemory) {
            if (length <= 0) return brokenData;
            if (uint64_t(length) > largestFile) return noMemory;
            content.assign(reinterpret_cast<const uint8_t*>(buffer),
                           reinterpret_cast<const uint8_t*>(buffer) + length);
        } else if ((flag & inputMask) != 0) {
            return notImplemented;
        } else if (!readFile(buffer, length, content)) {
            return readError;
        }
        if (content.empty()) return unknownFormat;
        ComScope com;
        return decode(content, info, bits, progress, data);
    } catch (const std::bad_alloc&) {
        return noMemory;
    } catch (...) {
        return internalError;
    }
}
}

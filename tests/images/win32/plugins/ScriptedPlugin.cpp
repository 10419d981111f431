// Plug-ins for the loader's tests. GetPicture does what the file it is given says, so one library can
// succeed, fail with any result code, or return hostile blocks:
//   int32 result, uint32 info length, info bytes, uint32 bits length, bits bytes
// A length of 0 leaves that handle unset; blocks are handed back even with a failing result, as a
// careless plug-in might.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {
const char* const pluginTexts[] = {TEST_PLUGIN_VERSION, "Velmira test plug-in", TEST_PLUGIN_PATTERN,
                                   TEST_PLUGIN_NAME};

#if TEST_PLUGIN_HAS_GET_PICTURE
bool readExactly(HANDLE file, void* out, DWORD size) {
    DWORD read = 0;
    return size == 0 || (ReadFile(file, out, size, &read, nullptr) && read == size);
}

// Reads one block of the script into a local memory handle; a length of 0 gives none.
bool readBlock(HANDLE file, HLOCAL* handle) {
    uint32_t length = 0;
    if (!readExactly(file, &length, sizeof length)) return false;
    if (length == 0) return true;
    *handle = LocalAlloc(LMEM_MOVEABLE, length);
    void* bytes = LocalLock(*handle);
    const bool read = readExactly(file, bytes, length);
    LocalUnlock(*handle);
    return read;
}
#endif
}  // namespace

extern "C" {
// Copies like strncpy: a text as long as the buffer is left without a terminator, as some plug-ins do.
__declspec(dllexport) int WINAPI GetPluginInfo(int infoNumber, LPSTR buffer, int bufferLength) {
    if (infoNumber < 0 || infoNumber >= int(sizeof pluginTexts / sizeof pluginTexts[0])) return 0;
    const std::string text = pluginTexts[infoNumber];
    const size_t copied = text.size() < size_t(bufferLength) ? text.size() + 1 : size_t(bufferLength);
    std::memcpy(buffer, text.c_str(), copied);
    return int(copied);
}

#if TEST_PLUGIN_HAS_GET_PICTURE
__declspec(dllexport) int WINAPI
    GetPicture(LPSTR buffer, LONG_PTR, UINT, HLOCAL* info, HLOCAL* bits, FARPROC, LONG_PTR) {
    HANDLE file = CreateFileA(buffer, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 6;
    int32_t result = 6;
    if (!readExactly(file, &result, sizeof result) || !readBlock(file, info) || !readBlock(file, bits))
        result = 6;
    CloseHandle(file);
    return result;
}
#endif
}

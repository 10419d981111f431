#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "images/DibImage.h"
#include "images/PluginResult.h"

// A program loads only plug-ins of its own width. 64-bit plug-ins carry their own extension, and their
// entry points take the offset or length and the caller's data pointer-sized (LONG_PTR), which in a
// 32-bit program is the LONG of the original interface.
inline constexpr const char* susiePluginExtension = sizeof(void*) == 8 ? ".sph" : ".spi";

// The published entry points of a Susie import plug-in that the program calls.
using GetPluginInfoEntry = int(WINAPI*)(int infoNumber, LPSTR buffer, int bufferLength);
using GetPictureEntry = int(WINAPI*)(LPSTR buffer, LONG_PTR length, UINT flag, HLOCAL* info, HLOCAL* bits,
                                     FARPROC progress, LONG_PTR data);

// The image plug-ins accepted at start-up, in the order accepted, with the picture filter built from
// them. The set owns the libraries and unloads them all when it is destroyed.
class SusiePlugins {
  public:
    SusiePlugins() = default;
    ~SusiePlugins();
    SusiePlugins(SusiePlugins&& other) noexcept;
    SusiePlugins& operator=(SusiePlugins&& other) noexcept;
    SusiePlugins(const SusiePlugins&) = delete;
    SusiePlugins& operator=(const SusiePlugins&) = delete;

    // Loads, by full path, the plug-in files of the first of |folders| (UTF-8) that has any, at most 51,
    // and keeps those that are image importers with both GetPluginInfo and GetPicture.
    static SusiePlugins loadFrom(const std::vector<std::string>& folders);

    // The plug-ins-available flag: at least one plug-in was accepted.
    bool available() const { return !plugins_.empty(); }
    size_t count() const { return plugins_.size(); }
    // `ImageFilter`: the file dialog's picture filter in "description|pattern|" form, UTF-8.
    const std::string& imageFilter() const { return imageFilter_; }

    // Decodes |path| with the first plug-in whose pattern matches |extension| (no dot). The previous
    // picture is released first; on failure |picture| is empty and the result says why.
    PluginResult decode(const std::wstring& path, const std::wstring& extension, DibImage& picture) const;

  private:
    struct Plugin {
        HMODULE module;
        GetPluginInfoEntry getPluginInfo;
        GetPictureEntry getPicture;
    };

    void release();
    const Plugin* pluginFor(const std::wstring& extension) const;

    std::vector<Plugin> plugins_;
    std::string imageFilter_;
};

// The start-up load: the folder named by "Path" under "Software\Brevosan\Susie\Plug-in" of the current
// user (read only when the settings are usable; the key is only read), then |startFolder|, the Windows
// folder and the system folder, the first holding any plug-in being taken.
SusiePlugins loadSusiePlugins(bool settingsUsable, const std::wstring& startFolder);

// Plug-ins speak the ANSI code page of Japanese Windows (932) whatever the system's own; the program
// keeps its text in UTF-8 (platform/win32/WideText.h converts that to and from UTF-16).
std::string utf8FromCodePage932(const std::string& text);
// Nothing when some character has no code in 932: a plug-in given a stand-in would open another file.
std::optional<std::string> codePage932FromWide(const std::wstring& wide);

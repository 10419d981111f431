#include "images/win32/SusiePlugins.h"

#include <cwchar>
#include <optional>
#include <utility>

#include "images/PluginPicture.h"
#include "images/PluginResult.h"
#include "images/PreviewBmp.h"
#include "images/SusieRules.h"
#include "platform/win32/WideText.h"

namespace {
constexpr UINT japaneseCodePage = 932;

constexpr int versionInfo = 0;
constexpr int firstPatternInfo = 2;
constexpr int firstNameInfo = 3;

std::vector<std::string> findFiles(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(widen(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(narrow(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Asks a plug-in for one of its texts in a zero-filled buffer of |capacity| bytes, read bounded.
template <size_t capacity>
std::string pluginInfo(GetPluginInfoEntry getPluginInfo, int infoNumber) {
    char buffer[capacity] = {};
    getPluginInfo(infoNumber, buffer, int(capacity));
    return boundedPluginText(buffer, capacity);
}

template <typename Entry>
Entry entryPoint(HMODULE module, const char* name) {
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string registryPluginFolder() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Brevosan\\Susie\\Plug-in", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return {};
    std::wstring folder;
    DWORD bytes = 0;
    // RegGetValue terminates what it returns even when the stored text is not.
    if (RegGetValueW(key, nullptr, L"Path", RRF_RT_REG_SZ, nullptr, nullptr, &bytes) == ERROR_SUCCESS &&
        bytes >= sizeof(wchar_t)) {
        folder.resize(bytes / sizeof(wchar_t));
        if (RegGetValueW(key, nullptr, L"Path", RRF_RT_REG_SZ, nullptr, folder.data(), &bytes) ==
            ERROR_SUCCESS) {
            folder.resize(wcsnlen(folder.c_str(), folder.size()));
        } else {
            folder.clear();
        }
    }
    RegCloseKey(key);
    return narrow(folder);
}

std::string windowsFolder(UINT(WINAPI* folderOf)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = folderOf(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? narrow(folder) : std::string();
}

// The path as a plug-in takes it, in code page 932. A name with characters 932 lacks is given by its
// short form, which Windows keeps in plain letters.
std::optional<std::string> pluginPath(const std::wstring& path) {
    if (std::optional<std::string> text = codePage932FromWide(path)) return text;
    const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring shortPath(length, L'\0');
    if (GetShortPathNameW(path.c_str(), shortPath.data(), length) == 0) return std::nullopt;
    shortPath.resize(wcsnlen(shortPath.c_str(), shortPath.size()));
    return codePage932FromWide(shortPath);
}

// Frees whichever of the two result blocks the plug-in set.
void freeBlocks(HLOCAL info, HLOCAL bits) {
    if (info) LocalFree(info);
    if (bits) LocalFree(bits);
}
}  // namespace

SusiePlugins::~SusiePlugins() {
    release();
}

SusiePlugins::SusiePlugins(SusiePlugins&& other) noexcept
    : plugins_(std::exchange(other.plugins_, {})), imageFilter_(std::move(other.imageFilter_)) {}

SusiePlugins& SusiePlugins::operator=(SusiePlugins&& other) noexcept {
    if (this != &other) {
        release();
        plugins_ = std::exchange(other.plugins_, {});
        imageFilter_ = std::move(other.imageFilter_);
    }
    return *this;
}

void SusiePlugins::release() {
    for (const Plugin& plugin : plugins_) FreeLibrary(plugin.module);
    plugins_.clear();
}

SusiePlugins SusiePlugins::loadFrom(const std::vector<std::string>& folders) {
    SusiePlugins set;
    for (const std::string& path : pluginCandidates(folders, susiePluginExtension, findFiles)) {
        // A full path: Windows then loads that very file and never looks along its search path. A file
        // that is no library for this program is passed over without Windows asking the user about it.
        DWORD previousMode = 0;
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
        HMODULE module = LoadLibraryW(widen(path).c_str());
        SetThreadErrorMode(previousMode, nullptr);
        if (!module) continue;
        const auto getPluginInfo = entryPoint<GetPluginInfoEntry>(module, "GetPluginInfo");
        const auto getPicture = entryPoint<GetPictureEntry>(module, "GetPicture");
        if (!getPluginInfo || !isImageImporter(pluginInfo<8>(getPluginInfo, versionInfo)) || !getPicture) {
            FreeLibrary(module);
            continue;
        }
        set.plugins_.push_back({module, getPluginInfo, getPicture});
    }
    std::vector<PluginFileType> fileTypes;
    for (const Plugin& plugin : set.plugins_) {
        PluginFileType type{utf8FromCodePage932(pluginInfo<256>(plugin.getPluginInfo, firstNameInfo)),
                            utf8FromCodePage932(pluginInfo<16>(plugin.getPluginInfo, firstPatternInfo))};
        for (int pair = 1; pair < maxPluginPatternPairs; ++pair) {
            const std::string more =
                utf8FromCodePage932(pluginInfo<16>(plugin.getPluginInfo, firstPatternInfo + 2 * pair));
            if (more.empty()) break;
            type.morePatterns.push_back(more);
        }
        fileTypes.push_back(type);
    }
    set.imageFilter_ = buildImageFilter(fileTypes);
    return set;
}

const SusiePlugins::Plugin* SusiePlugins::pluginFor(const std::wstring& extension) const {
    const std::string wanted = narrow(extension);
    for (const Plugin& plugin : plugins_) {
        // Asked for in 8 bytes, as the matching rules expect the pattern cut there.
        const std::string pattern =
            utf8FromCodePage932(pluginInfo<8>(plugin.getPluginInfo, firstPatternInfo));
        if (pluginHandlesExtension(pattern, wanted)) return &plugin;
    }
    return nullptr;
}

PluginResult SusiePlugins::decode(const std::wstring& path, const std::wstring& extension,
                                  DibImage& picture) const {
    picture = DibImage();
    const Plugin* plugin = pluginFor(extension);
    if (!plugin) return {PluginResult::noLibrary};
    std::optional<std::string> ansiPath = pluginPath(path);
    if (!ansiPath) return PluginResult::failed(getPictureResult::readError);

    // Cleared first: a failing plug-in may set neither, and only what it set is ours to free.
    HLOCAL info = nullptr;
    HLOCAL bits = nullptr;
    const int result = plugin->getPicture(ansiPath->data(), 0, 0, &info, &bits, nullptr, 0);
    if (result != getPictureResult::success) {
        freeBlocks(info, bits);
        return PluginResult::failed(result);
    }
    const void* infoBytes = info ? LocalLock(info) : nullptr;
    const void* bitsBytes = bits ? LocalLock(bits) : nullptr;
    PluginResult converted{PluginResult::lockFailed};
    if (infoBytes && bitsBytes) {
        converted = PluginResult::fromPicture(
            pictureFromPluginBlocks(static_cast<const uint8_t*>(infoBytes), LocalSize(info),
                                    static_cast<const uint8_t*>(bitsBytes), LocalSize(bits), picture));
    }
    if (infoBytes) LocalUnlock(info);
    if (bitsBytes) LocalUnlock(bits);
    freeBlocks(info, bits);
    return converted;
}

SusiePlugins loadSusiePlugins(bool settingsUsable, const std::wstring& startFolder) {
    const std::string registryFolder = settingsUsable ? registryPluginFolder() : std::string();
    return SusiePlugins::loadFrom(pluginFolders(registryFolder, narrow(startFolder),
                                                windowsFolder(GetWindowsDirectoryW),
                                                windowsFolder(GetSystemDirectoryW)));
}

std::string utf8FromCodePage932(const std::string& text) {
    return narrow(widen(text, japaneseCodePage));
}

std::optional<std::string> codePage932FromWide(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    BOOL replaced = FALSE;
    const int length = WideCharToMultiByte(japaneseCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           int(wide.size()), nullptr, 0, nullptr, &replaced);
    if (length <= 0 || replaced) return std::nullopt;
    std::string text(size_t(length), '\0');
    WideCharToMultiByte(japaneseCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), text.data(),
                        length, nullptr, nullptr);
    return text;
}

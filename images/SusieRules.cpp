#include "images/SusieRules.h"

#include <algorithm>
#include <cstring>

#include "platform/AsciiCase.h"

namespace {
// The file dialog splits its filter at every "|": one inside a plug-in's text would shift every pair
// after it, so such a character is shown as a space.
std::string filterSafe(std::string text) {
    std::replace(text.begin(), text.end(), '|', ' ');
    return text;
}

std::string withBackslash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder : folder + '\\';
}
}  // namespace

std::string boundedPluginText(const char* buffer, size_t capacity) {
    if (capacity == 0) return {};
    const void* end = std::memchr(buffer, '\0', capacity - 1);
    const size_t length = end ? size_t(static_cast<const char*>(end) - buffer) : capacity - 1;
    return std::string(buffer, length);
}

bool isImageImporter(std::string_view version) {
    return version.substr(0, 4) == "00IN";
}

bool pluginHandlesExtension(std::string_view pattern, std::string_view extension) {
    constexpr size_t matchedLength = 7;  // the text an 8-byte buffer holds
    const std::string_view cut = pattern.substr(0, matchedLength);
    const std::string_view x = cut.substr(std::min<size_t>(2, cut.size()));
    const std::string upper = upperAscii(x);
    const std::string lower = lowerAscii(x);
    return extension == x || extension == upper || extension == lower ||
           (extension == "JPG" && upper == "JPG;*") || (extension == "jpg" && lower == "jpg;*") ||
           ((extension == "jpeg" || extension == "JPEG") && upper == "JPG");
}

std::string buildImageFilter(const std::vector<PluginFileType>& plugins) {
    constexpr const char* bmpEntry = "ビットマップ(*.bmp)|*.bmp|";
    if (plugins.empty()) return bmpEntry;
    std::string filter = std::string("すべてのファイル(*.*)|*.*|") + bmpEntry;
    for (const PluginFileType& plugin : plugins) {
        // An empty pattern would make "||", which ends the dialog's list and hides every entry after it.
        if (plugin.pattern.empty()) continue;
        std::string pattern = filterSafe(plugin.pattern);
        for (const std::string& more : plugin.morePatterns)
            if (!more.empty()) pattern += ";" + filterSafe(more);
        filter += filterSafe(plugin.name) + " (" + pattern + ")|" + pattern + "|";
    }
    return filter;
}

std::vector<std::string> pluginFolders(const std::string& registryFolder, const std::string& startFolder,
                                       const std::string& windowsFolder, const std::string& systemFolder) {
    std::vector<std::string> folders;
    if (!registryFolder.empty()) folders.push_back(registryFolder);
    for (const std::string* folder : {&startFolder, &windowsFolder, &systemFolder})
        folders.push_back(*folder);
    return folders;
}

std::vector<std::string> pluginCandidates(const std::vector<std::string>& folders,
                                          const std::string& extension, const FileSearch& search) {
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;  // a folder Windows could not name; "\*.spi" would search a drive's root
        const std::string base = withBackslash(folder);
        const std::vector<std::string> names = search(base + "*" + extension);
        if (names.empty()) continue;
        std::vector<std::string> paths;
        for (size_t i = 0; i < names.size() && i < maxSusiePlugins; ++i) paths.push_back(base + names[i]);
        return paths;
    }
    return {};
}

#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The rules by which the program finds, accepts and chooses Susie import plug-ins, kept apart from the
// calls into the libraries so that they can be checked without Windows. All text here is UTF-8: the
// Windows side converts what a plug-in writes (in code page 932) before it reaches these functions.

constexpr size_t maxSusiePlugins = 51;

// Text a plug-in wrote into a buffer of |capacity| bytes. A plug-in may fill the buffer to its end
// without a terminator, so at most capacity - 1 bytes count, as if the last byte were always the end.
std::string boundedPluginText(const char* buffer, size_t capacity);

// Whether the version text (GetPluginInfo 0) names an image importer: it begins "00IN". Archive
// plug-ins ("00AM") and anything else are not used.
bool isImageImporter(std::string_view version);

// Whether the plug-in whose first extension pattern (GetPluginInfo 2) is |pattern| decodes a file whose
// extension, without the dot, is |extension|. The pattern counts only up to its 7th character, as the
// program asks for it in an 8-byte buffer, and without its first two characters (the "*."). That cut
// turns "*.jpg;*.jpeg" into "jpg;*", which matches "jpg" and "JPG" through their own rules but not
// "jpeg"; a plain "*.jpg" matches "jpg", "JPG" and, through the rule for "JPG", "jpeg" and "JPEG".
// Comparisons are case-sensitive; only the case changes named here are tried.
bool pluginHandlesExtension(std::string_view pattern, std::string_view extension);

// One accepted plug-in's entry of the picture filter: its file-type name (GetPluginInfo 3) and its
// first extension pattern (GetPluginInfo 2).
struct PluginFileType {
    std::string name;
    std::string pattern;
};

// The filter of the picture dialog, in the file dialog's "description|pattern|" form: the BMP entry
// alone without plug-ins; otherwise all files, BMP, then "name (pattern)|pattern|" per plug-in. A "|"
// in a plug-in's text becomes a space, and a plug-in without a pattern gets no entry, so that neither
// can split or end the list the dialog reads.
std::string buildImageFilter(const std::vector<PluginFileType>& plugins);

// The folders searched for plug-in files, in order: the registry's folder (when it is not empty), the
// folder the program started in, the Windows folder and the system folder.
std::vector<std::string> pluginFolders(const std::string& registryFolder, const std::string& startFolder,
                                       const std::string& windowsFolder, const std::string& systemFolder);

// Lists the file names matching a search pattern such as "C:\plug\*.spi", in the order found.
using FileSearch = std::function<std::vector<std::string>(const std::string& pattern)>;

// Full paths of the plug-ins to try: the first folder with at least one file of |extension| (".spi" for a
// 32-bit program, ".sph" for a 64-bit one) is taken and the others are not searched; at most
// maxSusiePlugins of its files, in the order the search gave them.
std::vector<std::string> pluginCandidates(const std::vector<std::string>& folders, const std::string& extension,
                                          const FileSearch& search);

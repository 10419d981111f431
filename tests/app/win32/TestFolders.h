#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// programFolder(): where the build puts velmira.exe beside the test program, with its skin, help and
// plug-ins.
#include "platform/win32/ProgramFolder.h"

// A picture the tests decode, kept in tests/images/win32/pictures (the platform's encoders made them).
inline std::wstring testPicture(const std::wstring& name) {
    std::wstring path = L"" VELMIRA_GOLDEN_DIR "/../images/win32/pictures/" + name;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// Whether two colours (COLORREF and packed colours share one layout) are within |tolerance| in each channel.
inline bool coloursNear(uint32_t a, uint32_t b, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > tolerance) return false;
    return true;
}

// A temporary folder of the test's own, empty when made (a run that failed may have left one of the same
// process id behind); whatever it holds goes with it.
class TempFolder {
  public:
    explicit TempFolder(const std::wstring& name)
        : path_((std::filesystem::temp_directory_path() /
                 (L"velmira-" + name + L"-" + std::to_wstring(GetCurrentProcessId())))
                    .wstring()) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directory(path_);
    }
    ~TempFolder() {
        std::error_code ignored;  // a file the test still holds open stays behind
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    // The path of |name| in the folder, whether the test or the program makes it.
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }
    // A copy of one of the test plug-ins the build put in test-plugins/.
    void addPlugin(const std::wstring& built, const std::wstring& name) {
        CopyFileW((programFolder() + L"\\test-plugins\\" + built).c_str(), file(name).c_str(), FALSE);
    }
    std::wstring write(const std::wstring& name, const std::vector<uint8_t>& bytes) {
        const std::wstring path = file(name);
        std::ofstream(path.c_str(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

    // The names of what the folder holds now, sorted.
    std::vector<std::wstring> entries() const {
        std::vector<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().wstring());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::wstring path_;
};

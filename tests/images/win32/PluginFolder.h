#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Folders and files for the plug-in tests: the folders the build put plug-ins in, and temporary folders
// that are removed with everything in them when the test ends.
inline std::wstring programFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

inline std::wstring testPluginFolder() {
    return programFolder() + L"\\test-plugins";
}

class TempFolder {
  public:
    explicit TempFolder(const std::wstring& name) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"velmira-" + name + L"-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::wstring& file : files_) DeleteFileW(file.c_str());
        RemoveDirectoryW(path_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& name) {
        files_.push_back(path_ + L"\\" + name);
        return files_.back();
    }
    // A copy of one of the test plug-ins under the given name.
    void addPlugin(const std::wstring& built, const std::wstring& name) {
        CopyFileW((testPluginFolder() + L"\\" + built).c_str(), file(name).c_str(), FALSE);
    }
    void write(const std::wstring& name, const std::vector<uint8_t>& bytes) {
        HANDLE out = CreateFileW(file(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr);
        CloseHandle(out);
    }

  private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

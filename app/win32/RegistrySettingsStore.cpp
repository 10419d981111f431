#include "app/win32/RegistrySettingsStore.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/WideText.h"

namespace {

using Status = SettingsStore::Status;

Status statusOf(LSTATUS result) {
    if (result == ERROR_SUCCESS) return Status::ok;
    return result == ERROR_FILE_NOT_FOUND ? Status::absent : Status::failed;
}

// One open key, closed when it goes out of scope.
class OpenKey {
  public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (handle) RegCloseKey(handle);
    }
    HKEY handle = nullptr;
};

Status openForReading(const std::string& key, OpenKey& open) {
    return statusOf(RegOpenKeyExW(HKEY_CURRENT_USER, widen(key).c_str(), 0, KEY_QUERY_VALUE, &open.handle));
}

Status createForWriting(const std::string& key, OpenKey& open) {
    return statusOf(RegCreateKeyExW(HKEY_CURRENT_USER, widen(key).c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &open.handle, nullptr));
}

// The value's type and bytes, asking for its size first; a value that grows between the two calls is asked
// for again.
Status queryValue(const std::string& key, const std::string& name, DWORD& type, std::vector<BYTE>& bytes) {
    OpenKey open;
    if (const Status status = openForReading(key, open); status != Status::ok) return status;
    const std::wstring wideName = widen(name);
    for (;;) {
        DWORD size = 0;
        LSTATUS result = RegQueryValueExW(open.handle, wideName.c_str(), nullptr, &type, nullptr, &size);
        if (result != ERROR_SUCCESS) return statusOf(result);
        bytes.assign(size, 0);
        result = RegQueryValueExW(open.handle, wideName.c_str(), nullptr, &type, bytes.data(), &size);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return statusOf(result);
        bytes.resize(size);
        return Status::ok;
    }
}

}  // namespace

Status RegistrySettingsStore::readString(const std::string& key, const std::string& name,
                                         std::string& value) {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (const Status status = queryValue(key, name, type, bytes); status != Status::ok) return status;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Status::wrongType;
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    // The stored terminator is not part of the text, and a value written without one has none.
    const size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    value = narrow(text);
    return Status::ok;
}

Status RegistrySettingsStore::readNumber(const std::string& key, const std::string& name, uint32_t& value) {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (const Status status = queryValue(key, name, type, bytes); status != Status::ok) return status;
    if (type != REG_DWORD || bytes.size() != sizeof(DWORD)) return Status::wrongType;
    DWORD number = 0;
    memcpy(&number, bytes.data(), sizeof number);
    value = number;
    return Status::ok;
}

Status RegistrySettingsStore::writeString(const std::string& key, const std::string& name,
                                          const std::string& value) {
    OpenKey open;
    if (const Status status = createForWriting(key, open); status != Status::ok) return status;
    const std::wstring text = widen(value);
    const DWORD size = DWORD((text.size() + 1) * sizeof(wchar_t));
    return statusOf(RegSetValueExW(open.handle, widen(name).c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(text.c_str()), size));
}

Status RegistrySettingsStore::writeNumber(const std::string& key, const std::string& name, uint32_t value) {
    OpenKey open;
    if (const Status status = createForWriting(key, open); status != Status::ok) return status;
    const DWORD number = value;
    return statusOf(RegSetValueExW(open.handle, widen(name).c_str(), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE*>(&number), sizeof number));
}

Status RegistrySettingsStore::deleteKey(const std::string& key) {
    return statusOf(RegDeleteKeyW(HKEY_CURRENT_USER, widen(key).c_str()));
}

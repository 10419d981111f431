#pragma once
#include <cstdint>
#include <string>

// Where the settings persist between runs: keys named by a backslash-separated path (under the current user's
// registry root in the program), each holding named string or 32-bit number values. Texts are UTF-8.
class SettingsStore {
  public:
    enum class Status {
        ok,
        absent,     // the key or the value does not exist
        wrongType,  // the value exists but holds another kind of data
        failed,     // the store refused (no access, no room, ...)
    };

    virtual ~SettingsStore() = default;
    virtual Status readString(const std::string& key, const std::string& name, std::string& value) = 0;
    virtual Status readNumber(const std::string& key, const std::string& name, uint32_t& value) = 0;
    // Writing creates the key (and the keys above it) when it does not exist yet.
    virtual Status writeString(const std::string& key, const std::string& name, const std::string& value) = 0;
    virtual Status writeNumber(const std::string& key, const std::string& name, uint32_t value) = 0;
    // Deletes one key with its values. A key that still has subkeys is not deleted (failed); a key that does
    // not exist counts as deleted (absent).
    virtual Status deleteKey(const std::string& key) = 0;
};

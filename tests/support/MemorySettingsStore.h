#pragma once
#include <map>
#include <set>
#include <variant>

#include "app/SettingsStore.h"

// The settings store in memory, keyed like the registry (key paths compare case-sensitively here). Tests
// read and plant values through `values` and count the writes.
class MemorySettingsStore : public SettingsStore {
  public:
    using Value = std::variant<std::string, uint32_t>;
    using ValueName = std::pair<std::string, std::string>;  // key path, value name

    Status readString(const std::string& key, const std::string& name, std::string& value) override;
    Status readNumber(const std::string& key, const std::string& name, uint32_t& value) override;
    Status writeString(const std::string& key, const std::string& name, const std::string& value) override;
    Status writeNumber(const std::string& key, const std::string& name, uint32_t value) override;
    Status deleteKey(const std::string& key) override;

    bool hasKey(const std::string& key) const { return keys.count(key) != 0; }
    // Plants a value, creating its key and the keys above it.
    void put(const std::string& key, const std::string& name, Value value);

    std::set<std::string> keys;
    std::map<ValueName, Value> values;
    int writes = 0;
    bool refuseEverything = false;  // every call fails, as a registry without access would
    ValueName refusedValue;         // reading this one value fails

  private:
    void createKey(const std::string& key);
    Status write(const std::string& key, const std::string& name, Value value);
};

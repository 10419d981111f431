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

    Status readString(const std::string& key, const std::string& name, std::string& value) override {
        return read(key, name, value);
    }
    Status readNumber(const std::string& key, const std::string& name, uint32_t& value) override {
        return read(key, name, value);
    }
    Status writeString(const std::string& key, const std::string& name, const std::string& value) override {
        return write(key, name, value);
    }
    Status writeNumber(const std::string& key, const std::string& name, uint32_t value) override {
        return write(key, name, value);
    }
    Status deleteKey(const std::string& key) override;

    bool hasKey(const std::string& key) const { return keys.count(key) != 0; }
    // Plants a value, creating its key and the keys above it.
    void put(const std::string& key, const std::string& name, Value value);

    std::set<std::string> keys;
    std::map<ValueName, Value> values;
    int writes = 0;
    bool refuseEverything = false;  // every call fails, as a registry without access would
    bool refuseWrites = false;      // writing fails, as in a key opened for reading only
    ValueName refusedValue;         // reading this one value fails

  private:
    void createKey(const std::string& key);
    template <class T>
    Status read(const std::string& key, const std::string& name, T& value) const {
        if (refuseEverything || refusedValue == ValueName{key, name}) return Status::failed;
        const auto it = values.find({key, name});
        if (it == values.end()) return Status::absent;
        if (!std::holds_alternative<T>(it->second)) return Status::wrongType;
        value = std::get<T>(it->second);
        return Status::ok;
    }
    Status write(const std::string& key, const std::string& name, Value value);
};

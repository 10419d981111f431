#pragma once
#include <map>
#include <string>
#include <utility>

#include "app/FlatSettingsStore.h"

// The settings store in memory: the flat store with its storage in a map that tests read, plant into and
// refuse, as a registry without access or a key opened for reading only would.
class MemorySettingsStore : public FlatSettingsStore {
  public:
    Status readString(const std::string& key, const std::string& name, std::string& value) override {
        return refuses(key, name) ? Status::failed : FlatSettingsStore::readString(key, name, value);
    }
    Status readNumber(const std::string& key, const std::string& name, uint32_t& value) override {
        return refuses(key, name) ? Status::failed : FlatSettingsStore::readNumber(key, name, value);
    }

    // Plants a value as an earlier run left it, in its stored form: "s:" and a text or "n:" and a number.
    void put(const std::string& key, const std::string& name, const std::string& storedForm) {
        if (restore(key + '\\' + name, storedForm)) storage[key + '\\' + name] = storedForm;
    }
    // The value's stored form, empty when there is none.
    std::string stored(const std::string& key, const std::string& name) const {
        const auto found = storage.find(key + '\\' + name);
        return found == storage.end() ? std::string() : found->second;
    }

    std::map<std::string, std::string> storage;  // what was kept, by entry name
    int writes = 0;
    bool refuseEverything = false;                     // every call fails
    bool refuseWrites = false;                         // every change fails
    std::pair<std::string, std::string> refusedValue;  // reading this one value (key path, name) fails

  protected:
    bool kept(const std::string& entryName, const std::string* text) override {
        if (refuseEverything || refuseWrites) return false;
        if (!text) return storage.erase(entryName), true;
        ++writes;
        storage[entryName] = *text;
        return true;
    }

  private:
    bool refuses(const std::string& key, const std::string& name) const {
        return refuseEverything || refusedValue == std::pair(key, name);
    }
};
